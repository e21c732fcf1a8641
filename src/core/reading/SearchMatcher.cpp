#include "reading/SearchMatcher.h"

#include "reading/LikePattern.h"

#include <algorithm>

namespace kivra {
namespace {

bool isContinuationByte(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// A letter of any script.
bool isLetterCharacter(char32_t c)
{
    if (c < 0x80)
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    return QChar::isLetter(c);
}

qsizetype characterLength(std::string_view text, qsizetype at)
{
    return std::min(Utf8Length(static_cast<unsigned char>(text[size_t(at)])), qsizetype(text.size()) - at);
}

// Whether the character that starts at at (a character's first byte) is a letter.
bool isLetterAt(std::string_view text, qsizetype at)
{
    if (at < 0 || at >= qsizetype(text.size()))
        return false;
    return isLetterCharacter(DecodeUtf8(text.data() + at, characterLength(text, at)));
}

// The first byte of the character that ends just before at, or -1.
qsizetype characterBefore(std::string_view text, qsizetype at)
{
    qsizetype start = at - 1;
    while (start > 0 && isContinuationByte(text[size_t(start)]))
        --start;
    return start;
}

// Whether the character that starts at at belongs to a word: a letter, or an apostrophe (straight or
// curly) between two letters ("lord's"). After a word ("Moses' hands") an apostrophe ends it, as a
// quotation mark would.
bool isWordAt(std::string_view text, qsizetype at)
{
    if (at < 0 || at >= qsizetype(text.size()))
        return false;
    const qsizetype length = characterLength(text, at);
    const char32_t c = DecodeUtf8(text.data() + at, length);
    if (isLetterCharacter(c))
        return true;
    return (c == U'\'' || c == U'\u2019') && isLetterAt(text, characterBefore(text, at))
           && isLetterAt(text, at + length);
}

// Whether the character that ends just before at belongs to a word.
bool isWordBefore(std::string_view text, qsizetype at)
{
    const qsizetype start = characterBefore(text, at);
    return start >= 0 && isWordAt(text, start);
}

// True when at is not between two letters of one word.
bool isWordEdge(std::string_view text, qsizetype at)
{
    return !(isWordBefore(text, at) && isWordAt(text, at));
}

qsizetype nextCharacter(std::string_view text, qsizetype at)
{
    ++at;
    while (at < qsizetype(text.size()) && (static_cast<unsigned char>(text[size_t(at)]) & 0xC0) == 0x80)
        ++at;
    return at;
}

} // namespace

SearchMatcher::SearchMatcher(const QString& searchText, bool wholeWords) : m_wholeWords(wholeWords)
{
    for (char c : FoldCase(searchText.toUtf8())) {
        if (c == '%') {
            if (m_tokens.empty() || m_tokens.back().kind != Kind::Any)  // "%%" is one run
                m_tokens.push_back({Kind::Any, 0});
        } else {
            m_tokens.push_back({c == '_' ? Kind::One : Kind::Byte, c});
        }
    }
    for (const Token& t : m_tokens) {
        if (t.kind != Kind::Byte)
            break;
        m_leadingLiteral += t.byte;
    }
}

// The end of the character a wildcard '_' takes at at, or -1.
qsizetype SearchMatcher::afterOne(std::string_view text, qsizetype at) const
{
    if (m_wholeWords)
        return isWordAt(text, at) ? nextCharacter(text, at) : -1;
    return at < qsizetype(text.size()) ? nextCharacter(text, at) : -1;
}

// The end of the shortest match of the tokens from token on at at, or -1.
qsizetype SearchMatcher::matchFrom(std::string_view text, qsizetype at, size_t token) const
{
    for (; token < m_tokens.size(); ++token) {
        const Token& t = m_tokens[token];
        if (t.kind == Kind::Any) {
            for (qsizetype end = at; end >= 0; end = afterOne(text, end)) {
                const qsizetype rest = matchFrom(text, end, token + 1);
                if (rest >= 0)
                    return rest;
            }
            return -1;
        }
        if (t.kind == Kind::One) {
            at = afterOne(text, at);
            if (at < 0)
                return -1;
        } else {
            if (at >= qsizetype(text.size()) || text[size_t(at)] != t.byte)
                return -1;
            ++at;
        }
    }
    return !m_wholeWords || isWordEdge(text, at) ? at : -1;
}

bool SearchMatcher::startsMatchAt(std::string_view text, qsizetype at) const
{
    return !m_wholeWords || isWordEdge(text, at);
}

TextSpan SearchMatcher::findFrom(std::string_view text, qsizetype from) const
{
    const qsizetype size = qsizetype(text.size());
    for (qsizetype at = from; at <= size; at = at < size ? nextCharacter(text, at) : size + 1) {
        if (!m_leadingLiteral.empty()) {
            const size_t hit = text.find(m_leadingLiteral, size_t(at));
            if (hit == std::string_view::npos)
                break;
            at = qsizetype(hit);
        }
        if (!startsMatchAt(text, at))
            continue;
        const qsizetype end = matchFrom(text, at, 0);
        if (end >= 0)
            return {at, end};
    }
    return {};
}

QList<TextSpan> SearchMatcher::spans(std::string_view text) const
{
    QList<TextSpan> found;
    for (TextSpan span = findFrom(text, 0); span.found(); span = findFrom(text, std::max(span.end, span.start + 1))) {
        if (span.end > span.start)
            found << span;
        if (span.start >= qsizetype(text.size()))
            break;
    }
    return found;
}

MatchMarks::MatchMarks(const VerseFilter& filter)
{
    for (const VerseFilter::TextCondition& condition : filter.texts)
        if (!condition.negated)
            m_matchers.emplace_back(condition.text, filter.wholeWords);
}

MatchMarks MatchMarks::ofRows(RowRanges rowRanges)
{
    MatchMarks marks;
    marks.m_rowRanges = std::move(rowRanges);
    return marks;
}

QList<QPair<int, int>> MatchMarks::ranges(const QString& text, int row) const
{
    if (m_rowRanges)
        return row >= 0 ? m_rowRanges(row) : QList<QPair<int, int>>();
    const QByteArray utf8 = FoldCase(text.toUtf8());
    const std::string_view view(utf8.constData(), size_t(utf8.size()));
    QList<TextSpan> spans;
    for (const SearchMatcher& matcher : m_matchers)
        spans << matcher.spans(view);
    std::sort(spans.begin(), spans.end(), [](const TextSpan& a, const TextSpan& b) { return a.start < b.start; });
    // Byte offsets become character positions; the texts are nearly all ASCII, where both agree.
    const auto position = [&utf8](qsizetype byte) { return int(QString::fromUtf8(utf8.left(byte)).size()); };
    QList<QPair<int, int>> merged;
    qsizetype runStart = -1, runEnd = -1;
    const auto flush = [&] {
        if (runStart >= 0)
            merged.append({position(runStart), position(runEnd) - position(runStart)});
    };
    for (const TextSpan& span : spans) {
        if (runStart >= 0 && span.start <= runEnd) {
            runEnd = std::max(runEnd, span.end);
            continue;
        }
        flush();
        runStart = span.start;
        runEnd = span.end;
    }
    flush();
    return merged;
}

} // namespace kivra
