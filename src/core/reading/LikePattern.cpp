#include "reading/LikePattern.h"

#include <algorithm>
#include <cstring>

namespace kivra {

qsizetype Utf8Length(unsigned char lead)
{
    return lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
}

char32_t DecodeUtf8(const char* bytes, qsizetype length)
{
    static constexpr unsigned char leadMask[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
    char32_t code = static_cast<unsigned char>(bytes[0]) & leadMask[length];
    for (qsizetype i = 1; i < length; ++i)
        code = (code << 6) | (static_cast<unsigned char>(bytes[i]) & 0x3F);
    return code;
}

qsizetype EncodeUtf8(char32_t code, char* out)
{
    if (code < 0x80) {
        out[0] = char(code);
        return 1;
    }
    if (code < 0x800) {
        out[0] = char(0xC0 | (code >> 6));
        out[1] = char(0x80 | (code & 0x3F));
        return 2;
    }
    if (code < 0x10000) {
        out[0] = char(0xE0 | (code >> 12));
        out[1] = char(0x80 | ((code >> 6) & 0x3F));
        out[2] = char(0x80 | (code & 0x3F));
        return 3;
    }
    out[0] = char(0xF0 | (code >> 18));
    out[1] = char(0x80 | ((code >> 12) & 0x3F));
    out[2] = char(0x80 | ((code >> 6) & 0x3F));
    out[3] = char(0x80 | (code & 0x3F));
    return 4;
}

QByteArray FoldCase(const QByteArray& text)
{
    QByteArray lowered(text);
    char* out = lowered.data();
    const qsizetype size = lowered.size();
    for (qsizetype at = 0; at < size;) {
        const unsigned char lead = static_cast<unsigned char>(out[at]);
        if (lead < 0x80) {  // nearly every byte: ASCII is lowered in place
            if (lead >= 'A' && lead <= 'Z')
                out[at] = char(lead - 'A' + 'a');
            ++at;
            continue;
        }
        const qsizetype length = Utf8Length(lead);
        if (length > 1 && at + length <= size) {
            const char32_t capital = DecodeUtf8(out + at, length);
            const char32_t small = QChar::toLower(capital);
            char encoded[4];
            if (small != capital && EncodeUtf8(small, encoded) == length)
                memcpy(out + at, encoded, size_t(length));
        }
        at += length;
    }
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
    const QByteArray lowered = FoldCase(pattern.toUtf8());
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
