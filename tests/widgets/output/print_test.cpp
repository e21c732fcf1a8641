// Printing: plain text into a PDF read back page by page, the choice of a real printer, and a printed
// passage a reader can file (heading, page numbers, margins) with its print preview.
#include "output/PlainTextPrinter.h"
#include "resources/Interaction.h"
#include "support/MachineNeeds.h"
#include "support/MainWindowFixture.h"
#include "support/ModalSteps.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDialog>
#include <QFont>
#include <QMenu>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

using kivra::test::Child;
using kivra::test::pdfText;

using namespace kivra;

namespace {


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
    EXPECT_FALSE(printed[0].contains(text.section(u' ', 0, 33)));
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

// Qt quietly prints on the default printer, or into a nameless PDF, when the named printer does not
// exist; the program must notice instead, whatever printers this machine has.
TEST(SystemPrinter, OnlyAPrinterThatExistsIsOpenedAndTheDefaultIsOneOfThem)
{
    EXPECT_EQ(openSystemPrinter(QStringLiteral("kivra-no-such-printer")), nullptr);
    EXPECT_EQ(openSystemPrinter(QString()), nullptr);
    const QString name = defaultPrinterName();
    if (!name.isEmpty()) {
        EXPECT_TRUE(QPrinterInfo::availablePrinterNames().contains(name)) << name.toStdString();
        const auto printer = openSystemPrinter(name);
        ASSERT_NE(printer, nullptr) << name.toStdString();
        EXPECT_EQ(printer->printerName(), name);
    }
}

namespace {


// The text of each page and the box around all its words, in points, as pdftotext finds them.
struct PdfPage {
    QString text;
    QRectF paper, words;
};

QList<PdfPage> pdfPages(const QString& path)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")});
    if (!p.waitForFinished(60000))
        return {};
    static const QRegularExpression page(QStringLiteral(R"re(<page width="([\d.]+)" height="([\d.]+)">)re"));
    static const QRegularExpression word(
        QStringLiteral(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)<)re"));
    QList<PdfPage> pages;
    for (const QString& chunk : QString::fromUtf8(p.readAllStandardOutput()).split(QStringLiteral("</page>"))) {
        const auto pm = page.match(chunk);
        if (!pm.hasMatch())
            continue;
        PdfPage out{{}, QRectF(0, 0, pm.captured(1).toDouble(), pm.captured(2).toDouble()), {}};
        for (auto it = word.globalMatch(chunk); it.hasNext();) {
            const auto w = it.next();
            out.text += w.captured(5) + QLatin1Char(' ');
            out.words |= QRectF(QPointF(w.captured(1).toDouble(), w.captured(2).toDouble()),
                                QPointF(w.captured(3).toDouble(), w.captured(4).toDouble()));
        }
        pages << out;
    }
    return pages;
}

class PassagePrint : public test::MainWindowTest {
protected:
    void SetUp() override
    {
        test::MainWindowTest::SetUp();
        KIVRA_NEEDS(test::lacksProgram(QStringLiteral("pdftotext"), "poppler-utils"));
        ASSERT_TRUE(out.isValid());
        ASSERT_TRUE(window->goToReference(QStringLiteral("Ps 119")));  // long enough for several pages
    }
    QList<PdfPage> printedPages()
    {
        const QString pdf = out.filePath(QStringLiteral("passage.pdf"));
        folder.ui().printerPdfFile = pdf;
        QTest::mouseClick(Child<QToolButton>(*window, "imgPrint"), Qt::LeftButton);
        EXPECT_TRUE(folder.ui().messages.isEmpty()) << folder.ui().messageTexts.join(' ').toStdString();
        return pdfPages(pdf);
    }
    // Counts the pages of the print preview once it is shown and, given laidOut, reads what it lays
    // out for its printer, drawn into a PDF set up as that printer; then closes it.
    test::ModalRun readPreviewPages(int* count, QList<PdfPage>* laidOut = nullptr)
    {
        return test::RunOnModals({{"QPrintPreviewDialog", [this, count, laidOut](QWidget* dialog) {
                                auto* preview = static_cast<QPrintPreviewDialog*>(dialog);
                                auto* pages = preview->findChild<QPrintPreviewWidget*>();
                                *count = pages ? pages->pageCount() : -1;
                                if (!laidOut) {
                                    preview->reject();
                                    return;
                                }
                                QPrinter pdf(QPrinter::HighResolution);
                                pdf.setOutputFormat(QPrinter::PdfFormat);
                                pdf.setOutputFileName(out.filePath(QStringLiteral("preview.pdf")));
                                pdf.setResolution(preview->printer()->resolution());
                                pdf.setPageLayout(preview->printer()->pageLayout());
                                emit preview->paintRequested(&pdf);
                                *laidOut = pdfPages(pdf.outputFileName());
                                preview->reject();
                            }}});
    }
    QTemporaryDir out;
};

} // namespace

TEST_F(PassagePrint, EveryPageCarriesTheReferenceAndItsNumberWithinMarginsOfTwentyMillimetres)
{
    const QList<PdfPage> pages = printedPages();
    ASSERT_GE(pages.size(), 2);
    QString all;
    for (int i = 0; i < pages.size(); ++i) {
        EXPECT_TRUE(pages[i].text.contains(QStringLiteral("Psalms 119:1-176"))) << i;
        EXPECT_TRUE(pages[i].text.contains(QStringLiteral("Page %1 of %2").arg(i + 1).arg(pages.size()))) << i;
        // Nothing within 20 mm of the paper's edges, and the text starts at the margin, not further in.
        const double margin = 20 * 72 / 25.4;
        const QRectF inside = pages[i].paper.adjusted(margin - 1, margin - 1, 1 - margin, 1 - margin);
        EXPECT_TRUE(inside.contains(pages[i].words)) << i;
        EXPECT_LT(pages[i].words.left(), inside.left() + 10);
        EXPECT_LT(pages[i].words.top(), inside.top() + 10);
        all += pages[i].text;
    }
    EXPECT_TRUE(all.contains(QStringLiteral("Thy word is a lamp unto my feet")));
}

TEST_F(PassagePrint, PreviewShowsThePrintedPagesFromItsShortcutAndTheContextMenu)
{
    const QList<PdfPage> pages = printedPages();
    const int printed = int(pages.size());
    ASSERT_GE(printed, 2);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));

    // Page for page the same lines: one pagination for both.
    int shown = -1;
    QList<PdfPage> previewed;
    {
        const auto modals = readPreviewPages(&shown, &previewed);
        QTest::keyClick(window.get(), Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
    }
    EXPECT_EQ(shown, printed);
    ASSERT_EQ(previewed.size(), pages.size());
    for (int i = 0; i < printed; ++i)
        EXPECT_EQ(previewed[i].text, pages[i].text) << i;

    shown = -1;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        QAction* entry = nullptr;
        for (QAction* action : menu->actions())
            if (action->text().startsWith(QStringLiteral("Print Preview")))
                entry = action;
        ASSERT_NE(entry, nullptr);
        const auto modals = readPreviewPages(&shown);
        menu->setActiveAction(entry);
        QTest::keyClick(menu, Qt::Key_Return);
    });
    QWidget* pane = Child<QTextEdit>(*window, "txtBibleText")->viewport();
    QContextMenuEvent request(QContextMenuEvent::Mouse, pane->rect().center(), pane->mapToGlobal(pane->rect().center()));
    QApplication::sendEvent(pane, &request);
    EXPECT_EQ(shown, printed);
}
