// Export to RTF and its command; printing plain text and passages, the printer choice and the preview.
#include "app/MainWindow.h"
#include "output/PlainTextPrinter.h"
#include "output/RtfWriter.h"
#include "settings/Options.h"
#include "storage/Globals.h"
#include "support/MachineNeeds.h"
#include "support/MainWindowFixture.h"
#include "support/ModalSteps.h"

#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QMenu>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

using kivra::test::Child;
using kivra::test::pdfText;
using kivra::test::ReadFile;

using namespace kivra;

namespace {

// pdftotext breaks lines where the printer wrapped them; compare words only.
QString words(const QString& text) { return text.simplified(); }

class Output : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.ok());
        ASSERT_TRUE(out.isValid());
        ASSERT_TRUE(test::TempProgramFolder::exec(
            OptionsConnectionName,
            QStringLiteral("UPDATE tblOptions SET DefaultFont = 'DejaVu Serif', DefaultFontSize = 13, "
                           "DefaultFontItalic = 'True', DefaultFontColor = '32768'")));  // green
        ASSERT_TRUE(LoadOptions());
        window = test::OpenMainWindow(true);
        ASSERT_TRUE(window);
        window->openStoredPassage({QStringLiteral("Genesis"), 1, 1, 2, 3});
    }
    void search(const QString& words)
    {
        test::Search(*window, words);
        ASSERT_EQ(window->viewMode(), ViewMode::Searcher);
    }

    test::TempProgramFolder folder;
    QTemporaryDir out;
    std::unique_ptr<MainWindow> window;
};

} // namespace

TEST_F(Output, ExportWritesThePaneAsRtfUnderTheChosenNameEvenFromTheResultsViewAsTheCommandDoes)
{
    search(QStringLiteral("Jesus wept"));
    const QString path = out.filePath(QStringLiteral("Old Testament - Genesis Chapter 1 Section 1 to  Chapter 2 Section 3"));
    folder.ui().fileAnswers = {path};
    QTest::mouseClick(Child<QToolButton>(*window, "imgExportBibleVerse"), Qt::LeftButton);

    EXPECT_EQ(folder.ui().dialogInitialNames,
              QStringList{QStringLiteral("Old Testament - Genesis Chapter 1 Section 1 to  Chapter 2 Section 3")});
    // back in the reading view of the selected passage
    EXPECT_EQ(window->viewMode(), ViewMode::Reader);
    EXPECT_TRUE(Child<QTextEdit>(*window, "txtBibleText")->isVisible());
    EXPECT_FALSE(Child<QTableView>(*window, "dgdSearchResults")->isVisible());

    const QByteArray rtf = ReadFile(path);  // the name is used as accepted, without ".rtf"
    ASSERT_FALSE(rtf.isEmpty());
    EXPECT_EQ(rtf, documentToRtf(*Child<QTextEdit>(*window, "txtBibleText")->document()));
    // The options' face, green, 13 points and italic; the passage through 2:2.
    for (const char* part : {"DejaVu Serif", "\\red0\\green128\\blue0", "\\fs26", "\\i",
                             "In the beginning God created the heaven and the earth.", "And on the seventh day God ended his work"})
        EXPECT_TRUE(rtf.contains(part)) << part;
    EXPECT_FALSE(rtf.contains("a search result"));
    EXPECT_TRUE(folder.ui().messages.isEmpty());

    // The command writes what the window writes.
    const QString fromCommand = out.filePath(QStringLiteral("command.rtf"));
    const test::ProgramRun run = test::RunProgram({QStringLiteral("--app-dir"), folder.path(), QStringLiteral("export-rtf"),
                                                   QStringLiteral("Old Testament"), QStringLiteral("Genesis"),
                                                   QStringLiteral("1:1-2:3"), fromCommand});
    EXPECT_EQ(run.code, 0) << run.err.toStdString();
    EXPECT_EQ(ReadFile(fromCommand), rtf);
}

TEST_F(Output, ExportAsksBeforeReplacingWithTheNormalPointerAndWritesNothingOnNoOrCancel)
{
    const QString path = out.filePath(QStringLiteral("notes.rtf"));
    QFile existing(path);
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.write("keep me");
    existing.close();

    // The dialog's history lives in this process's own config folder, not in one shared with other tests.
    EXPECT_NE(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation), QDir::homePath() + QStringLiteral("/.config"));
    test::RealDialogs real;
    setInteraction(&real);
    QList<bool> busyPointer;
    const auto modals = test::RunOnModals({{"QFileDialog",
                        [&](QWidget* dialog) {
                            busyPointer << (QGuiApplication::overrideCursor() != nullptr);
                            // Typed as a user does: the whole path into the name box, then Enter.
                            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
                            name->setText(path);
                            QTest::keyClick(name, Qt::Key_Return);
                        }},
                       {"QMessageBox", [&](QWidget* question) {
                            busyPointer << (QGuiApplication::overrideCursor() != nullptr);
                            test::PressEnter(question);  // No, the default: keep the file
                        }},
                       // "No" comes back to the dialog, in the folder just used, with the name chosen.
                       {"QFileDialog", [&](QWidget* dialog) {
                            auto* again = static_cast<QFileDialog*>(dialog);
                            EXPECT_EQ(again->directory().absolutePath(), QDir(out.path()).absolutePath());
                            EXPECT_EQ(again->selectedFiles().value(0), path);
                            QTest::keyClick(again, Qt::Key_Escape);
                        }}});
    QTest::mouseClick(Child<QToolButton>(*window, "imgExportBibleVerse"), Qt::LeftButton);
    setInteraction(&folder.ui());
    EXPECT_EQ(busyPointer, (QList<bool>{false, false}));
    // Dialogs open in the folder last used, not where the program was started.
    EXPECT_EQ(FileDialogStart(QStringLiteral("x.rtf")), QDir(out.path()).filePath(QStringLiteral("x.rtf")));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(ReadFile(path), QByteArray("keep me"));

    folder.ui().fileAnswers.clear();  // Cancel
    QTest::mouseClick(Child<QToolButton>(*window, "imgExportBibleVerse"), Qt::LeftButton);
    EXPECT_EQ(ReadFile(path), QByteArray("keep me"));
    folder.ui().fileAnswers = {path};
    folder.ui().askAnswers = {true};
    QTest::mouseClick(Child<QToolButton>(*window, "imgExportBibleVerse"), Qt::LeftButton);
    EXPECT_TRUE(ReadFile(path).startsWith("{\\rtf1"));
    EXPECT_EQ(QDir(out.path()).entryList(QDir::Files).size(), 1);
    EXPECT_TRUE(folder.ui().messages.isEmpty());

    // That folder gone, they open in the documents folder (or home).
    ASSERT_TRUE(out.remove());
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    EXPECT_EQ(QFileInfo(FileDialogStart(QStringLiteral("x.rtf"))).absolutePath(),
              QFileInfo(documents).isDir() ? documents : QDir::homePath());
}

TEST_F(Output, ARangeThatRunsBackwardsExportsThePassageShownNamedAfterIt)
{
    // Genesis 1:1-2:3 is shown; the keys make the range 2:1 to 1:31, which shows nothing new.
    QTest::keyClick(Child<QComboBox>(*window, "cboFromChapter"), Qt::Key_Down);
    QTest::keyClick(Child<QComboBox>(*window, "cboToChapter"), Qt::Key_Up);
    const QString path = out.filePath(QStringLiteral("shown.rtf"));
    folder.ui().fileAnswers = {path};
    QTest::mouseClick(Child<QToolButton>(*window, "imgExportBibleVerse"), Qt::LeftButton);
    EXPECT_EQ(folder.ui().dialogInitialNames.value(0),
              QStringLiteral("Old Testament - Genesis Chapter 1 Section 1 to  Chapter 2 Section 3"));
    EXPECT_EQ(ReadFile(path), documentToRtf(*Child<QTextEdit>(*window, "txtBibleText")->document()));
    EXPECT_TRUE(ReadFile(path).contains("In the beginning"));
}

TEST_F(Output, AFileThatCannotBeWrittenIsReported)
{
    folder.ui().fileAnswers = {out.filePath(QStringLiteral("missing-folder/passage.rtf"))};
    QTest::mouseClick(Child<QToolButton>(*window, "imgExportBibleVerse"), Qt::LeftButton);
    ASSERT_EQ(folder.ui().messages, QList<Message>{Message::ExportFileNotWritten});
    const QString text = folder.ui().messageTexts[0];
    EXPECT_EQ(text.count(QStringLiteral("missing-folder/passage.rtf")), 1) << text.toStdString();
    EXPECT_TRUE(text.endsWith(QLatin1Char('.'))) << text.toStdString();
}

TEST_F(Output, PrintInTheResultsViewSendsOnlyTheSelectedVerse)
{
    const QString result = out.filePath(QStringLiteral("result.pdf"));
    search(QStringLiteral("Jesus wept"));
    folder.ui().printerPdfFile = result;
    QTest::mouseClick(Child<QToolButton>(*window, "imgPrint"), Qt::LeftButton);
    EXPECT_EQ(words(pdfText(result)), QStringLiteral("Jesus wept."));
}

TEST_F(Output, NoPrinterOrAFailedJobIsReported)
{
    folder.ui().printerPdfFile.clear();  // no default printer
    QTest::mouseClick(Child<QToolButton>(*window, "imgPrint"), Qt::LeftButton);
    ASSERT_EQ(folder.ui().messages, QList<Message>{Message::NoDefaultPrinter});

    folder.ui().printerPdfFile = out.filePath(QStringLiteral("missing-folder/x.pdf"));
    QTest::mouseClick(Child<QToolButton>(*window, "imgPrint"), Qt::LeftButton);
    ASSERT_EQ(folder.ui().messages, (QList<Message>{Message::NoDefaultPrinter, Message::PrintFailed}));
}

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

// Qt quietly prints elsewhere when the named printer does not exist; the program must notice.
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
    // Counts the preview's pages and, given laidOut, reads what it lays out; then closes it.
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
