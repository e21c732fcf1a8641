#include "reading/LikePattern.h"

#include <algorithm>

namespace kivra {

QByteArray LowerAscii(const QByteArray& text)
{
    QByteArray lowered(text);
    for (char& c : lowered)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return lowered;
}

namespace {

bool isContinuationByte(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// The byte after the UTF-8 character that starts at at.
qsizetype nextCharacter(std::string_view text, qsizetype at)
{
    ++at;
    while (at < qsizetype(text.size()) && isContinuationByte(text[at]))
        ++at;
    return at;
}

} // namespace

LikePattern::LikePattern(const QString& pattern)
{
    const QByteArray lowered = LowerAscii(pattern.toUtf8());
    m_anchoredStart = !lowered.startsWith('%');
    m_anchoredEnd = !lowered.endsWith('%');
    for (const QByteArray& run : lowered.split('%'))
        if (!run.isEmpty())
            m_segments << run;
    m_contains = !m_anchoredStart && !m_anchoredEnd && m_segments.size() == 1 && !m_segments[0].contains('_');
}

std::string_view LikePattern::containedLiteral() const
{
    return m_contains ? std::string_view(m_segments[0].constData(), size_t(m_segments[0].size())) : std::string_view();
}

// The end of segment matched at byte at of text, or -1.
qsizetype LikePattern::matchAt(const Segment& segment, std::string_view text, qsizetype at)
{
    for (char s : segment) {
        if (at >= qsizetype(text.size()))
            return -1;
        if (s == '_') {
            at = nextCharacter(text, at);
        } else {
            if (text[at] != s)
                return -1;
            ++at;
        }
    }
    return at;
}

// The end of the leftmost match of segment that starts at or after from, or -1.
qsizetype LikePattern::findFrom(const Segment& segment, std::string_view text, qsizetype from)
{
    for (qsizetype at = from; at < qsizetype(text.size()); at = nextCharacter(text, at)) {
        const qsizetype end = matchAt(segment, text, at);
        if (end >= 0)
            return end;
    }
    return -1;
}

bool LikePattern::matches(std::string_view text) const
{
    if (m_segments.isEmpty())  // "" matches only the empty text, any run of '%' everything
        return !m_anchoredStart || text.empty();
    qsizetype at = 0;
    qsizetype first = 0;
    qsizetype last = m_segments.size();
    if (m_anchoredStart) {
        at = matchAt(m_segments[0], text, 0);
        if (at < 0)
            return false;
        first = 1;
    }
    if (m_anchoredEnd) {
        if (m_segments.size() == 1 && m_anchoredStart)
            return at == qsizetype(text.size());
        last -= 1;
    }
    // Between '%' signs the leftmost match leaves the most room to what follows.
    for (qsizetype i = first; i < last; ++i) {
        at = findFrom(m_segments[i], text, at);
        if (at < 0)
            return false;
    }
    if (!m_anchoredEnd)
        return true;
    // The last run must end exactly at the end: try each start from at on.
    for (qsizetype start = at; start <= qsizetype(text.size()); start = nextCharacter(text, start)) {
        if (matchAt(m_segments.last(), text, start) == qsizetype(text.size()))
            return true;
        if (start == qsizetype(text.size()))
            break;
    }
    return false;
}

} // namespace kivra
