#include "output/RtfWriter.h"
#include "support/DatabaseFolder.h"

#include <QColor>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ostream>
#include <sys/mount.h>
#include <utility>

namespace {

// A small RTF reader: the font and colour tables, and the text in runs with their character state.
struct Style
{
    int font = 0;
    int halfPoints = 24;
    bool bold = false, italic = false, underline = false, strike = false, super = false;
    int colour = 0, background = 0;
    bool operator==(const Style&) const = default;
};

struct TextRun
{
    QString text;
    Style style;
};

struct Paragraph
{
    QList<TextRun> runs;
    QByteArray alignment; // "ql", "qc", ... or empty
    bool rightToLeft = false;
    QString text() const
    {
        QString all;
        for (const TextRun& run : runs)
            all += run.text;
        return all;
    }
};

struct Parsed
{
    bool wellFormed = true;
    QStringList fonts;
    QList<QColor> colours; // entry 0 is the automatic colour
    QList<Paragraph> paragraphs{Paragraph{}};

    QString text() const
    {
        QStringList lines;
        for (const Paragraph& p : paragraphs)
            lines << p.text();
        return lines.join(u'\n');
    }
    // The run holding needle; fails the test when there is none.
    TextRun run(const QString& needle) const
    {
        for (const Paragraph& p : paragraphs)
            for (const TextRun& r : p.runs)
                if (r.text.contains(needle))
                    return r;
        ADD_FAILURE() << "no run contains " << needle.toStdString();
        return {};
    }
};

Parsed parse(const QByteArray& rtf)
{
    // A control word with its number and one delimiting blank, a control symbol, a brace, or text.
    static const QRegularExpression token(QStringLiteral(R"(\\([a-z]+)(-?\d+)? ?|\\(.)|([{}])|([^\\{}\r\n]+))"));
    enum class Destination { Body, Fonts, Colours, Skip };
    struct State
    {
        Style style;
        Destination destination = Destination::Body;
    };
    Parsed out;
    QList<State> stack;
    State state;
    QString fontName;
    QColor colour;
    bool skipFallback = false; // the one character after \u stands in for readers without Unicode

    const auto addText = [&](QString text) {
        if (std::exchange(skipFallback, false))
            text.remove(0, 1);
        if (state.destination == Destination::Fonts) {
            fontName += text;
            if (fontName.endsWith(u';'))
                out.fonts << std::exchange(fontName, QString()).chopped(1).trimmed();
        } else if (state.destination == Destination::Colours) {
            for (qsizetype n = text.count(u';'); n > 0; --n)
                out.colours << std::exchange(colour, QColor());
        } else if (state.destination == Destination::Body && !text.isEmpty()) {
            auto& runs = out.paragraphs.last().runs;
            if (!runs.isEmpty() && runs.last().style == state.style)
                runs.last().text += text;
            else
                runs << TextRun{text, state.style};
        }
    };
    const auto setColour = [&](void (QColor::*set)(int), int value) {
        if (!colour.isValid())
            colour = QColor(0, 0, 0);
        (colour.*set)(value);
    };

    for (const QRegularExpressionMatch& m : token.globalMatch(QString::fromLatin1(rtf))) {
        const QByteArray word = m.captured(1).toLatin1(), symbol = m.captured(3).toLatin1();
        const int number = m.capturedLength(2) ? m.captured(2).toInt() : 1;
        Style& s = state.style;
        Paragraph& p = out.paragraphs.last();
        if (m.captured(4) == u'{') {
            stack << state;
        } else if (m.captured(4) == u'}') {
            out.wellFormed = out.wellFormed && !stack.isEmpty();
            state = stack.isEmpty() ? state : stack.takeLast();
        } else if (m.capturedLength(5)) {
            addText(m.captured(5));
        } else if (symbol == "*") {
            state.destination = Destination::Skip;
        } else if (symbol == "\\" || symbol == "{" || symbol == "}") {
            addText(QString::fromLatin1(symbol));
        } else if (!symbol.isEmpty()) {
            out.wellFormed = false; // the writer has no reason for any other symbol
        } else if (word == "fonttbl" || word == "colortbl") {
            state.destination = word == "fonttbl" ? Destination::Fonts : Destination::Colours;
        } else if (word == "red" || word == "green" || word == "blue") {
            setColour(word == "red" ? &QColor::setRed : word == "green" ? &QColor::setGreen : &QColor::setBlue, number);
        } else if (word == "u") {
            addText(QString(QChar(static_cast<char16_t>(number))));
            skipFallback = true;
        } else if (word == "par") {
            out.paragraphs << Paragraph{};
        } else if (word == "pard") {
            p.alignment.clear();
            p.rightToLeft = false;
        } else if (word == "ql" || word == "qc" || word == "qr" || word == "qj") {
            p.alignment = word;
        } else if (word == "rtlpar") {
            p.rightToLeft = true;
        } else if (word == "tab" || word == "line") {
            addText(word == "tab" ? QStringLiteral("\t") : QString(QChar::LineSeparator));
        } else if (word == "plain") {
            s = Style{};
        } else if (word == "f" && state.destination == Destination::Body) {
            s.font = number;
        } else if (word == "fs") {
            s.halfPoints = number;
        } else if (word == "b" || word == "i" || word == "strike") {
            (word == "b" ? s.bold : word == "i" ? s.italic : s.strike) = number != 0;
        } else if (word.startsWith("ul")) {
            s.underline = word != "ulnone" && number != 0;
        } else if (word == "cf" || word == "chcbpat") {
            (word == "cf" ? s.colour : s.background) = number;
        } else if (word == "super") {
            s.super = true;
        }
    }
    out.wellFormed = out.wellFormed && stack.isEmpty();
    return out;
}

QTextCharFormat format(void (*apply)(QTextCharFormat&))
{
    QTextCharFormat f;
    apply(f);
    return f;
}

} // namespace

TEST(RtfWriter, MixedFormattingGivesEachRunItsOwnControlWords)
{
    QTextDocument document;
    document.setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), 12));
    QTextCursor cursor(&document);
    cursor.insertText(QStringLiteral("Plain "));
    cursor.insertText(QStringLiteral("bold "), format([](QTextCharFormat& f) { f.setFontWeight(QFont::Bold); }));
    cursor.insertText(QStringLiteral("serif italic "), format([](QTextCharFormat& f) {
        f.setFontItalic(true);
        f.setFontFamilies({QStringLiteral("DejaVu Serif")});
        f.setFontPointSize(10.3);
    }));
    cursor.insertText(QStringLiteral("under "), format([](QTextCharFormat& f) { f.setFontUnderline(true); }));
    cursor.insertText(QStringLiteral("struck "), format([](QTextCharFormat& f) { f.setFontStrikeOut(true); }));
    cursor.insertText(QStringLiteral("marked "),
                      format([](QTextCharFormat& f) { f.setBackground(QColor(255, 240, 0)); }));
    cursor.insertText(QStringLiteral("red "), format([](QTextCharFormat& f) {
        f.setForeground(QColor(200, 10, 20));
        f.setFontPointSize(13.75);
    }));
    cursor.insertText(QStringLiteral("3"), format([](QTextCharFormat& f) {
        f.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
        f.setForeground(QColor(200, 10, 20));
    }));
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    cursor.insertBlock(centred, QTextCharFormat());
    cursor.insertText(QStringLiteral("Second"));

    const QByteArray rtf = documentToRtf(document);
    ASSERT_TRUE(rtf.startsWith("{\\rtf1")) << rtf.constData();
    const Parsed parsed = parse(rtf);
    ASSERT_TRUE(parsed.wellFormed) << rtf.constData();
    EXPECT_EQ(parsed.text(), QStringLiteral("Plain bold serif italic under struck marked red 3\nSecond"));
    EXPECT_EQ(parsed.fonts, (QStringList{QStringLiteral("DejaVu Sans"), QStringLiteral("DejaVu Serif")}));

    EXPECT_TRUE(parsed.run(QStringLiteral("Plain")).style == Style{}) << "12 pt in font 0, nothing else";

    EXPECT_TRUE(parsed.run(QStringLiteral("bold")).style.bold);
    const TextRun italic = parsed.run(QStringLiteral("italic"));
    EXPECT_TRUE(italic.style.italic);
    EXPECT_FALSE(italic.style.bold) << "bold must not leak into the next run";
    EXPECT_EQ(italic.style.font, 1);
    EXPECT_EQ(italic.style.halfPoints, 21); // 10.3 pt rounds to 10.5
    EXPECT_TRUE(parsed.run(QStringLiteral("under")).style.underline);
    EXPECT_TRUE(parsed.run(QStringLiteral("struck")).style.strike);

    const TextRun red = parsed.run(QStringLiteral("red"));
    EXPECT_EQ(red.style.halfPoints, 28); // 13.75 pt rounds to 14
    ASSERT_GT(red.style.colour, 0);
    ASSERT_LT(red.style.colour, parsed.colours.size());
    EXPECT_EQ(parsed.colours[red.style.colour], QColor(200, 10, 20));
    const TextRun verse = parsed.run(QStringLiteral("3"));
    EXPECT_TRUE(verse.style.super);
    EXPECT_EQ(verse.style.colour, red.style.colour) << "a colour used twice has one table entry";
    const TextRun marked = parsed.run(QStringLiteral("marked"));
    EXPECT_EQ(marked.style.colour, 0);
    EXPECT_EQ(parsed.colours.value(marked.style.background), QColor(255, 240, 0));
    EXPECT_EQ(parsed.colours.size(), 3);

    ASSERT_EQ(parsed.paragraphs.size(), 2);
    EXPECT_EQ(parsed.paragraphs[0].alignment, QByteArray());
    EXPECT_EQ(parsed.paragraphs[1].alignment, QByteArray("qc"));
}

TEST(RtfWriter, LineBreaksEmptyParagraphsAndTheDocumentsSizeSurvive)
{
    QTextDocument document;
    document.setDefaultFont(QFont(QStringLiteral("DejaVu Serif"), 11));
    document.setHtml(QStringLiteral("<p>In the <b>beginning</b></p><p style=\"-qt-paragraph-type:empty\"><br></p>"
                                    "<p align=right>code<br>next line</p>"));
    const Parsed parsed = parse(documentToRtf(document));
    ASSERT_TRUE(parsed.wellFormed);
    EXPECT_EQ(parsed.text(),
              QStringLiteral("In the beginning\n\ncode") + QChar(QChar::LineSeparator) + QStringLiteral("next line"));
    EXPECT_EQ(parsed.paragraphs.value(2).alignment, QByteArray("qr"));
    EXPECT_EQ(parsed.run(QStringLiteral("In the")).style.halfPoints, 22) << "default size comes from the document";
}

TEST(RtfWriter, NonAsciiAndSpecialCharactersAreEscapedAndReadBackUnchanged)
{
    // é, ü, Hebrew, Greek and an emoji beyond the Basic Multilingual Plane.
    const QString text = QStringLiteral("Caf\u00e9 \u00fcber "
                                        "\u05d1\u05b0\u05bc\u05e8\u05b5\u05d0\u05e9\u05b4\u05c1\u05d9\u05ea "
                                        "\u1f18\u03bd \u1f00\u03c1\u03c7\u1fc7 ")
        + QString::fromUtf8("\xf0\x9f\x98\x80");
    QTextDocument document;
    document.setPlainText(text + QStringLiteral("\n\u05e9\u05dc\u05d5\u05dd"));

    const QByteArray rtf = documentToRtf(document);
    EXPECT_TRUE(std::all_of(rtf.cbegin(), rtf.cend(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }));
    EXPECT_TRUE(rtf.contains("\\u-10179?\\u-8704?")) << "U+1F600 as a signed surrogate pair";

    const Parsed parsed = parse(rtf);
    ASSERT_TRUE(parsed.wellFormed);
    EXPECT_EQ(parsed.text(), text + QStringLiteral("\n\u05e9\u05dc\u05d5\u05dd"));
    ASSERT_EQ(parsed.paragraphs.size(), 2);
    EXPECT_TRUE(parsed.paragraphs[1].rightToLeft) << "a Hebrew paragraph reads right to left";
    EXPECT_EQ(parsed.paragraphs[1].alignment, QByteArray("qr")) << "and starts at the right edge";
    EXPECT_FALSE(parsed.paragraphs[0].rightToLeft);

    // RTF's own characters, and a control word written as text.
    const QString special = QStringLiteral("a\\b {c} \\par\tverse");
    document.setPlainText(special);
    const Parsed escaped = parse(documentToRtf(document));
    ASSERT_TRUE(escaped.wellFormed);
    EXPECT_EQ(escaped.text(), special);
    EXPECT_EQ(escaped.paragraphs.size(), 1);

    // Lone surrogates cannot be written as they are; the reader sees a replacement character.
    document.setPlainText(QString(QChar(0xD800)) + u'x');
    EXPECT_EQ(parse(documentToRtf(document)).text(), QStringLiteral("\ufffdx"));

    // An empty document is still a document, with its default font declared.
    const Parsed empty = parse(documentToRtf(QTextDocument()));
    EXPECT_TRUE(empty.wellFormed);
    EXPECT_EQ(empty.fonts.size(), 1);
    EXPECT_EQ(empty.text(), QString());
}

// A full disk leaves no file behind (the export window's test covers a missing folder).
TEST(RtfWriter, ASaveToAFullDiskReportsWhyAndLeavesNoFile)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QTextDocument document;
    document.setPlainText(QStringLiteral("Genesis 1:1"));
    const QString path = dir.filePath(QStringLiteral("verse.rtf"));
    QString error;
    const QByteArray mountPoint = QFile::encodeName(dir.path());
    if (::mount("tmpfs", mountPoint.constData(), "tmpfs", 0, "size=16k") != 0)
        GTEST_SKIP() << "a small file system needs the right to mount one";
    {
        QFile filler(dir.filePath(QStringLiteral("filler")));  // to the file system's last byte
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        while (filler.write(QByteArray(512, 'x')) > 0) {
        }
    }
    const bool saved = saveRtf(document, path, &error);
    const bool exists = QFile::exists(path);
    ::umount2(mountPoint.constData(), MNT_DETACH);
    EXPECT_FALSE(saved);
    EXPECT_EQ(error, QString::fromLocal8Bit(std::strerror(ENOSPC)) + QLatin1Char('.'));
    EXPECT_FALSE(exists);
}
