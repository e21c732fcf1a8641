// Export of the passage to RTF and printing from the main window, and the export-rtf command.
#include "app/MainWindow.h"
#include "output/RtfWriter.h"
#include "settings/Options.h"
#include "storage/Globals.h"
#include "support/Fixture.h"
#include "support/MachineNeeds.h"
#include "support/MainWindowFixture.h"
#include "support/ModalSteps.h"

#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QStandardPaths>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>
#include <gtest/gtest.h>

using kivra::test::Child;

using namespace kivra;
using kivra::test::pdfText;
using kivra::test::ReadFile;

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

    ASSERT_EQ(folder.ui().dialogInitialNames.size(), 1);
    EXPECT_EQ(folder.ui().dialogInitialNames[0],
              QStringLiteral("Old Testament - Genesis Chapter 1 Section 1 to  Chapter 2 Section 3"));
    // back in the reading view of the selected passage
    EXPECT_EQ(window->viewMode(), ViewMode::Reader);
    EXPECT_TRUE(Child<QTextEdit>(*window, "txtBibleText")->isVisible());
    EXPECT_FALSE(Child<QTableView>(*window, "dgdSearchResults")->isVisible());

    const QByteArray rtf = ReadFile(path);  // the name is used as accepted, without ".rtf"
    ASSERT_FALSE(rtf.isEmpty());
    EXPECT_EQ(rtf, documentToRtf(*Child<QTextEdit>(*window, "txtBibleText")->document()));
    EXPECT_TRUE(rtf.contains("DejaVu Serif"));
    EXPECT_TRUE(rtf.contains("\\red0\\green128\\blue0"));
    EXPECT_TRUE(rtf.contains("\\fs26"));
    EXPECT_TRUE(rtf.contains("\\i"));
    EXPECT_TRUE(rtf.contains("In the beginning God created the heaven and the earth."));
    EXPECT_TRUE(rtf.contains("And on the seventh day God ended his work"));  // 2:2
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

    test::RealDialogs real;
    setInteraction(&real);
    QList<bool> busyPointer;
    const auto modals = test::RunOnModals({{"QFileDialog",
                        [&](QWidget* dialog) {
                            busyPointer << (QGuiApplication::overrideCursor() != nullptr);
                            static_cast<QFileDialog*>(dialog)->selectFile(path);
                            QTest::keyClick(dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")), Qt::Key_Return);
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
