#pragma once
// SQLite's LIKE without a statement: '%' any run of characters, '_' any one character, letters in
// either case, every other character only as itself. Texts are UTF-8 whose capitals have already
// been lowered (see FoldCase), so a scan folds each text once, not once per search.
#include <QByteArray>
#include <QList>
#include <QString>
#include <string_view>

namespace kivra {

// text (UTF-8) with its capitals lowered in any script ("ESPÍRITU" gives "espíritu"). A capital whose
// small letter takes another number of bytes stays as it is, so a position in the folded text is the
// same position in the original.
QByteArray FoldCase(const QByteArray& text);

// The bytes of the UTF-8 character that starts with lead (1 for a stray continuation byte).
qsizetype Utf8Length(unsigned char lead);
// The character of the length bytes at bytes (a whole UTF-8 sequence).
char32_t DecodeUtf8(const char* bytes, qsizetype length);
// Writes code as UTF-8 to out (room for four bytes) and returns the number of bytes.
qsizetype EncodeUtf8(char32_t code, char* out);

class LikePattern {
public:
    explicit LikePattern(const QString& pattern);

    // True when the whole of text (lowered by FoldCase) matches, as "text LIKE pattern" would.
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
