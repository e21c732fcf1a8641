#pragma once
// Where a search text occurs in a verse, for the whole-words search and for marking the matches:
// '%' any run of characters, '_' any one character, letters in either case, every other character
// only as itself. With whole words a match neither starts nor ends inside a word (a word is a run of
// letters of any script, an apostrophe between two of them included) and its wildcards stand only
// for letters of one word.
#include "reading/Search.h"

#include <QList>
#include <QPair>
#include <QString>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace kivra {

struct TextSpan {
    qsizetype start = -1, end = -1;  // bytes of the text; start -1 when nothing matched
    bool found() const { return start >= 0; }
};

class SearchMatcher {
public:
    SearchMatcher(const QString& searchText, bool wholeWords);

    // The leftmost match in text (UTF-8, capitals lowered by FoldCase) that starts at or after from;
    // the shortest one there.
    TextSpan findFrom(std::string_view text, qsizetype from) const;
    bool matches(std::string_view text) const { return findFrom(text, 0).found(); }
    // The matches of text one after another, none overlapping, empty ones left out.
    QList<TextSpan> spans(std::string_view text) const;
    // The characters the search text starts with before its first wildcard, so a scan can look for
    // them with a plain substring search before trying the rest.
    std::string_view leadingLiteral() const { return m_leadingLiteral; }

private:
    enum class Kind { Byte, One, Any };
    struct Token {
        Kind kind;
        char byte;
    };
    qsizetype matchFrom(std::string_view text, qsizetype at, size_t token) const;
    qsizetype afterOne(std::string_view text, qsizetype at) const;
    bool startsMatchAt(std::string_view text, qsizetype at) const;

    std::vector<Token> m_tokens;
    std::string m_leadingLiteral;
    bool m_wholeWords;
};

// The stretches of verse texts that the search texts of a filter match (those it looks for, not
// the ones it leaves out), for painting them marked.
class MatchMarks {
public:
    MatchMarks() = default;
    explicit MatchMarks(const VerseFilter& filter);

    // Marks that a list of results names for each of its rows (the words carrying a Strong's number)
    // rather than a text to look for.
    using RowRanges = std::function<QList<QPair<int, int>>(int row)>;
    static MatchMarks ofRows(RowRanges rowRanges);

    // (start, length) pairs in the characters of text, in order, overlaps merged; for marks of
    // rows, those of the row.
    QList<QPair<int, int>> ranges(const QString& text, int row = -1) const;
    bool isEmpty() const { return m_matchers.empty() && !m_rowRanges; }

private:
    std::vector<SearchMatcher> m_matchers;
    RowRanges m_rowRanges;
};

} // namespace kivra
