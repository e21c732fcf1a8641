// Plain text printed into a PDF and read back, and the choice of a real printer.
#include "output/PlainTextPrinter.h"
#include "resources/Interaction.h"
#include "support/MachineNeeds.h"

#include <QFont>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using kivra::test::pdfText;

QStringList pages(const QString& pdf)
{
    QStringList list = pdf.split(u'\f');
    if (!list.isEmpty() && list.last().trimmed().isEmpty())
        list.removeLast();
    return list;
}

class PlainTextPrinting : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        KIVRA_NEEDS(kivra::test::lacksFontFamily(font.family(), "fonts-dejavu-core"));
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
    }
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("out.pdf"));
    QPrinter printer;
    QFont font{QStringLiteral("DejaVu Serif"), 12};
};

} // namespace

TEST_F(PlainTextPrinting, ShortTextTakesOnePageAndLongTextWrapsOnToFurtherPages)
{
    QString error;
    ASSERT_TRUE(printPlainText(printer, QStringLiteral("In the beginning God created the heaven and the earth.\n"
                                                       "Caf\u00e9 \u00fcber"),
                               font, &error))
        << error.toStdString();
    const QStringList one = pages(pdfText(path));
    ASSERT_EQ(one.size(), 1);
    EXPECT_TRUE(one[0].contains(QStringLiteral("In the beginning God created the heaven and the earth.")));
    EXPECT_TRUE(one[0].contains(QStringLiteral("Caf\u00e9 \u00fcber")));

    // One paragraph far wider than a page, then numbered lines enough for several pages.
    QString text;
    for (int i = 0; i < 40; ++i)
        text += QStringLiteral("word%1 ").arg(i);
    text += u'\n';
    for (int line = 1; line <= 200; ++line)
        text += QStringLiteral("Line %1\n").arg(line);
    ASSERT_TRUE(printPlainText(printer, text, font, &error)) << error.toStdString();
    const QString pdf = pdfText(path);
    const QStringList printed = pages(pdf);
    ASSERT_GE(printed.size(), 3);
    // The long paragraph is wrapped, not cut at the margin: every word is there, over several lines.
    for (int i = 0; i < 40; ++i)
        EXPECT_TRUE(printed[0].contains(QStringLiteral("word%1").arg(i))) << i;
    EXPECT_FALSE(printed[0].contains(QStringLiteral("word0 word1 word2 word3 word4 word5 word6 word7 word8 word9 "
                                                     "word10 word11 word12 word13 word14 word15 word16 word17 "
                                                     "word18 word19 word20 word21 word22 word23 word24 word25 "
                                                     "word26 word27 word28 word29 word30 word31 word32 word33")));
    // Every line is printed exactly once: none lost or doubled at a page break.
    for (int line = 1; line <= 200; ++line)
        EXPECT_EQ(pdf.count(QRegularExpression(QStringLiteral("\\bLine %1\\b").arg(line))), 1) << line;

    // Only the chosen pages, and a range past the end is refused.
    printer.setPrintRange(QPrinter::PageRange);
    printer.setFromTo(2, 2);
    ASSERT_TRUE(printPlainText(printer, text, font, &error)) << error.toStdString();
    EXPECT_EQ(pages(pdfText(path)), QStringList{printed[1]});
    printer.setFromTo(50, 60);
    EXPECT_FALSE(printPlainText(printer, text, font, &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST_F(PlainTextPrinting, FailureIsReportedNotPrinted)
{
    QString error;
    const QString unwritable = dir.filePath(QStringLiteral("no/such/dir/out.pdf"));
    printer.setOutputFileName(unwritable);
    EXPECT_FALSE(printPlainText(printer, QStringLiteral("text"), font, &error));
    EXPECT_TRUE(error.contains(unwritable)) << error.toStdString();
}

// Qt quietly prints on the default printer, or into a nameless PDF, when the named printer does not
// exist; the program must notice instead, whatever printers this machine has.
TEST(SystemPrinter, OnlyAPrinterThatExistsIsOpenedAndTheDefaultIsOneOfThem)
{
    EXPECT_EQ(kivra::openSystemPrinter(QStringLiteral("kivra-no-such-printer")), nullptr);
    EXPECT_EQ(kivra::openSystemPrinter(QString()), nullptr);
    const QString name = defaultPrinterName();
    if (!name.isEmpty()) {
        EXPECT_TRUE(QPrinterInfo::availablePrinterNames().contains(name)) << name.toStdString();
        const auto printer = kivra::openSystemPrinter(name);
        ASSERT_NE(printer, nullptr) << name.toStdString();
        EXPECT_EQ(printer->printerName(), name);
    }
}
