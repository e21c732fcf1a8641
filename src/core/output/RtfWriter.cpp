#include "output/RtfWriter.h"

#include "storage/ExchangeFile.h"

#include <QColor>
#include <QFont>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextDocument>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

constexpr char16_t kObjectReplacement = 0xFFFC; // an image or other embedded object
constexpr char16_t kLineSeparator = 0x2028;     // a forced line break (<br>) inside a block
constexpr char16_t kParagraphSeparator = 0x2029;
constexpr char16_t kReplacementCharacter = 0xFFFD;

// The font of a format with everything the format leaves open taken from base, the way the
// document's layout sees it.
QFont effectiveFont(const QTextCharFormat& format, const QFont& base)
{
    return format.font().resolve(base);
}

// Size in half points, the unit of \fs. Pixel-sized fonts are taken at 96 dpi.
int halfPoints(const QFont& font)
{
    double points = font.pointSizeF();
    if (points <= 0 && font.pixelSize() > 0)
        points = font.pixelSize() * 72.0 / 96.0;
    if (points <= 0)
        points = 12;
    return std::max(1, static_cast<int>(std::lround(points * 2)));
}

void appendUnicodeEscape(QByteArray& out, char16_t unit)
{
    // \u takes a signed 16-bit number; the ? is what readers without Unicode show instead.
    out += "\\u";
    out += QByteArray::number(static_cast<int16_t>(unit));
    out += '?';
}

// Appends text as RTF body text: only printable ASCII stays as it is.
void appendText(QByteArray& out, QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c == '\\' || c == '{' || c == '}') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c == '\t') {
            out += "\\tab ";
        } else if (c == kLineSeparator || c == kParagraphSeparator || c == '\n') {
            out += "\\line ";
        } else if (c == kObjectReplacement || c < 0x20 || c == 0x7F) {
            // Embedded objects and control characters have no text to carry over.
        } else if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            // Characters beyond the BMP go out as their UTF-16 pair, which is what readers expect.
            appendUnicodeEscape(out, c);
            appendUnicodeEscape(out, text[++i].unicode());
        } else if (QChar::isSurrogate(c)) {
            appendUnicodeEscape(out, kReplacementCharacter);
        } else {
            appendUnicodeEscape(out, c);
        }
    }
}

QByteArray underlineControl(const QTextCharFormat& format, const QFont& font)
{
    switch (format.underlineStyle()) {
    case QTextCharFormat::NoUnderline:
        return font.underline() ? "\\ul" : "";
    case QTextCharFormat::SingleUnderline:
        return "\\ul";
    case QTextCharFormat::DashUnderline:
        return "\\uldash";
    case QTextCharFormat::DotLine:
        return "\\uld";
    case QTextCharFormat::DashDotLine:
        return "\\uldashd";
    case QTextCharFormat::DashDotDotLine:
        return "\\uldashdd";
    case QTextCharFormat::WaveUnderline:
    case QTextCharFormat::SpellCheckUnderline:
        return "\\ulwave";
    }
    return "\\ul";
}

class RtfBuilder
{
public:
    explicit RtfBuilder(const QTextDocument& document)
        : m_document(document), m_baseFont(document.defaultFont())
    {
        // Font 0 is the document's own font, the default for everything (\deff0).
        fontIndex(m_baseFont.family());
    }

    QByteArray build()
    {
        QByteArray body;
        for (QTextBlock block = m_document.begin(); block.isValid(); block = block.next()) {
            if (block != m_document.begin())
                body += "\\par\n";
            appendBlock(body, block);
        }

        QByteArray out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n{\\fonttbl";
        for (int i = 0; i < m_fonts.size(); ++i) {
            out += "{\\f" + QByteArray::number(i) + "\\fnil\\fcharset0 ";
            QString name = m_fonts[i];
            name.remove(u';'); // a semicolon would end the entry early
            appendText(out, name);
            out += ";}";
        }
        out += "}\n{\\colortbl;";
        for (const QColor& colour : m_colours) {
            out += "\\red" + QByteArray::number(colour.red()) + "\\green" + QByteArray::number(colour.green())
                + "\\blue" + QByteArray::number(colour.blue()) + ';';
        }
        out += "}\n";
        out += body;
        out += "}\n";
        return out;
    }

private:
    int fontIndex(QString family)
    {
        if (family.isEmpty())
            family = m_fonts.isEmpty() ? QStringLiteral("Times New Roman") : m_fonts.first();
        qsizetype index = m_fonts.indexOf(family);
        if (index < 0) {
            index = m_fonts.size();
            m_fonts.append(family);
        }
        return static_cast<int>(index);
    }

    // 0 means the reader's automatic colour; the table proper starts at 1.
    int colourIndex(const QTextCharFormat& format, QTextFormat::Property property)
    {
        if (!format.hasProperty(property) || format.brushProperty(property).style() == Qt::NoBrush)
            return 0;
        const QColor colour = format.brushProperty(property).color().toRgb();
        const auto same = [&](const QColor& c) {
            return c.red() == colour.red() && c.green() == colour.green() && c.blue() == colour.blue();
        };
        const auto found = std::find_if(m_colours.cbegin(), m_colours.cend(), same);
        if (found != m_colours.cend())
            return static_cast<int>(found - m_colours.cbegin()) + 1;
        m_colours.append(colour);
        return static_cast<int>(m_colours.size());
    }

    // The control words of a character format, ending with a space so text may follow directly.
    QByteArray characterControls(const QTextCharFormat& format)
    {
        const QFont font = effectiveFont(format, m_baseFont);
        QByteArray out = "\\f" + QByteArray::number(fontIndex(font.family())) + "\\fs"
            + QByteArray::number(halfPoints(font));
        if (font.bold())
            out += "\\b";
        if (font.italic())
            out += "\\i";
        out += underlineControl(format, font);
        if (font.strikeOut())
            out += "\\strike";
        if (const int colour = colourIndex(format, QTextFormat::ForegroundBrush))
            out += "\\cf" + QByteArray::number(colour);
        if (const int colour = colourIndex(format, QTextFormat::BackgroundBrush))
            out += "\\chcbpat" + QByteArray::number(colour);
        if (format.verticalAlignment() == QTextCharFormat::AlignSuperScript)
            out += "\\super";
        else if (format.verticalAlignment() == QTextCharFormat::AlignSubScript)
            out += "\\sub";
        out += ' ';
        return out;
    }

    void appendBlock(QByteArray& out, const QTextBlock& block)
    {
        out += "\\pard";
        const bool rightToLeft = block.textDirection() == Qt::RightToLeft;
        if (rightToLeft)
            out += "\\rtlpar";
        out += alignmentControl(block, rightToLeft);
        // The block's own format sizes the paragraph mark, which is all an empty line has.
        out += "\\plain" + characterControls(block.charFormat());

        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid() || fragment.length() == 0)
                continue;
            QByteArray text;
            appendText(text, fragment.text());
            if (text.isEmpty())
                continue; // an image, which has no text to carry over
            out += '{' + characterControls(fragment.charFormat()) + text + '}';
        }
    }

    // Qt's left and right mean the leading and trailing edge unless marked absolute, while word
    // processors (LibreOffice at least) read \ql and \qr as the visual edge even in a right-to-left
    // paragraph, so the edge is turned around for those.
    static QByteArray alignmentControl(const QTextBlock& block, bool rightToLeft)
    {
        const QTextBlockFormat format = block.blockFormat();
        const Qt::Alignment alignment =
            format.hasProperty(QTextFormat::BlockAlignment) ? format.alignment() : Qt::AlignLeading;
        if (alignment & Qt::AlignHCenter)
            return "\\qc";
        if (alignment & Qt::AlignJustify)
            return "\\qj";
        bool right = (alignment & Qt::AlignRight) != 0;
        if (rightToLeft && !(alignment & Qt::AlignAbsolute))
            right = !right;
        if (right)
            return "\\qr";
        // Left is every reader's default; saying so would only add noise to each paragraph.
        return format.hasProperty(QTextFormat::BlockAlignment) ? "\\ql" : "";
    }

    const QTextDocument& m_document;
    const QFont m_baseFont;
    QStringList m_fonts;
    QList<QColor> m_colours;
};

} // namespace

QByteArray documentToRtf(const QTextDocument& document)
{
    return RtfBuilder(document).build();
}

bool saveRtf(const QTextDocument& document, const QString& path, QString* error)
{
    return kivra::WriteFileSafely(path, documentToRtf(document), error);
}
