#pragma once
// SQLite's LIKE without a statement: '%' any run of characters, '_' any one character, ASCII letters
// in either case, every other character only as itself. Texts are UTF-8 in which the ASCII capitals
// have already been lowered (see LowerAscii), so a scan folds each text once, not once per search.
#include <QByteArray>
#include <QList>
#include <QString>
#include <string_view>

namespace kivra {

// text with A-Z lowered and every other byte kept.
QByteArray LowerAscii(const QByteArray& text);

class LikePattern {
public:
    explicit LikePattern(const QString& pattern);

    // True when the whole of text (lowered by LowerAscii) matches, as "text LIKE pattern" would.
    bool matches(std::string_view text) const;

    // The literal text between the outer '%' signs when the pattern is "%literal%" with no other
    // wildcard, so callers can look for it with a plain substring search; empty otherwise.
    std::string_view containedLiteral() const;
    bool isContains() const { return m_contains; }

private:
    // A run between '%' signs; '_' in it stands for one character.
    using Segment = QByteArray;
    static qsizetype matchAt(const Segment& segment, std::string_view text, qsizetype at);
    static qsizetype findFrom(const Segment& segment, std::string_view text, qsizetype from);

    QList<Segment> m_segments;
    bool m_anchoredStart = true;  // no '%' at the start
    bool m_anchoredEnd = true;    // no '%' at the end
    bool m_contains = false;
};

} // namespace kivra
