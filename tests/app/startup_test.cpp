// Start-up checks: folders, unreadable databases, the options row, the verse of the day, the
// command line.
#include "support/Fixture.h"

#include "app/CommandLine.h"
#include "app/ExportCommand.h"
#include "app/Startup.h"
#include "app/VerseOfTheDay.h"
#include "app/MainWindow.h"
#include "storage/Globals.h"
#include "stories/StoryEditor.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QPointer>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace kivra;

TEST(Folders, TrailingSeparatorGivesTheSamePaths)
{
    InitialiseFolders(QStringLiteral("/opt/kivra/"));
    const QString withSlash = folders().databasePath;
    InitialiseFolders(QStringLiteral("/opt/kivra"));
    EXPECT_EQ(folders().databasePath, withSlash);
    EXPECT_EQ(withSlash, QStringLiteral("/opt/kivra/Db/"));
    EXPECT_EQ(StoryNoImagePicture(), QStringLiteral("/opt/kivra/image/obj_bible_story_no_image.gif"));
}

TEST(Startup, MissingOrDamagedDatabaseNamesTheFile)
{
    test::TempProgramFolder folder;
    ASSERT_TRUE(folder.ok());
    const QString story = folder.dbPath(StoryDatabaseFile);
    QFile::remove(story);
    QString failed;
    EXPECT_FALSE(OpenConnections(&failed));
    EXPECT_EQ(failed, story);
    ASSERT_FALSE(folder.ui().messages.isEmpty());
    EXPECT_EQ(folder.ui().messages.last(), Message::DatabaseMissing);
    EXPECT_TRUE(folder.ui().messageTexts.last().contains(story));
    EXPECT_FALSE(QFile::exists(story));  // nothing is created in its place

    QFile junk(story);
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not a database at all");
    junk.close();
    EXPECT_FALSE(OpenConnections(&failed));
    EXPECT_EQ(failed, story);
    EXPECT_EQ(folder.ui().messages.last(), Message::NotAProgramDatabase);  // there, but not a database
}

TEST(Startup, ABibleDatabaseWithoutOneOfItsTablesIsRefused)
{
    test::TempProgramFolder folder;
    ASSERT_TRUE(folder.ok());
    const QString bible = folder.dbPath(BibleDatabaseFile);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("damage"));
        db.setDatabaseName(bible);
        ASSERT_TRUE(db.open());
        ASSERT_TRUE(QSqlQuery(db).exec(QStringLiteral("DROP TABLE tblGetNumberOfSection")));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("damage"));
    QString failed;
    EXPECT_FALSE(OpenConnections(&failed));
    EXPECT_EQ(failed, bible);
    EXPECT_EQ(folder.ui().messages.value(0), Message::NotAProgramDatabase);
}

TEST(Startup, ABibleDatabaseWithRandomBytesInItsMiddleIsRefused)
{
    test::TempProgramFolder folder;
    ASSERT_TRUE(folder.ok());
    const QString bible = folder.dbPath(BibleDatabaseFile);
    {
        QFile file(bible);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.seek(file.size() / 2));
        QByteArray noise(64 * 1024, Qt::Uninitialized);
        QRandomGenerator(12).fillRange(reinterpret_cast<quint32*>(noise.data()), noise.size() / 4);
        ASSERT_EQ(file.write(noise), noise.size());
    }
    QString failed;
    EXPECT_FALSE(OpenConnections(&failed));
    EXPECT_EQ(failed, bible);
    EXPECT_EQ(folder.ui().messages.value(0), Message::NotAProgramDatabase);
}

TEST(Startup, MissingOptionsRowStopsTheLoadWithAMessage)
{
    test::TempProgramFolder folder;
    ASSERT_TRUE(folder.ok());
    ASSERT_TRUE(test::TempProgramFolder::exec(OptionsConnectionName, QStringLiteral("DELETE FROM tblOptions")));
    MainWindow w;
    EXPECT_FALSE(w.Form_Load());
    EXPECT_EQ(folder.ui().messages.value(0), Message::OptionsRowMissing);
}

TEST(Startup, VerseOfTheDayHasTextAndReference)
{
    test::TempProgramFolder folder;
    ASSERT_TRUE(folder.ok());
    EXPECT_EQ(WordsFromGodForId(1, 1),
              QStringLiteral("In the beginning God created the heaven and the earth.\r\n\r\n(Gen:1:1)"));
    EXPECT_EQ(WordsFromGodForId(31102, 0).right(4), QStringLiteral("\r\n\r\n"));
    EXPECT_EQ(WordsFromGodForId(31103, 1), QString());
    for (int i = 0; i < 20; ++i)
        EXPECT_FALSE(GetWordsFromGod(1).isEmpty());
    MainWindow w;
    ASSERT_TRUE(w.Form_Load());
    EXPECT_TRUE(w.findChild<QWidget*>(QStringLiteral("txtWordsFromGod")));
}

TEST(Shutdown, ClosingTheMainWindowSavesThePassageAndLeavesStoryWindowsOpen)
{
    test::TempProgramFolder folder;
    ASSERT_TRUE(folder.ok());
    // As the program makes it: the main window goes away when it is closed.
    QPointer<MainWindow> w = new MainWindow;
    w->setAttribute(Qt::WA_DeleteOnClose);
    ASSERT_TRUE(w->Form_Load());
    w->show();
    w->RestoreLastPassage();
    w->LoadBibleTextOnDemand(QStringLiteral("Old Testament"), QStringLiteral("Psalms"), QStringLiteral("23"),
                             QStringLiteral("1"), QStringLiteral("23"), QStringLiteral("6"));
    w->imgCreateBibleStory->click();
    QPointer<StoryEditor> editor = w->findChild<StoryEditor*>();
    ASSERT_TRUE(editor);
    ASSERT_TRUE(editor->isVisible());

    w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(w);  // the main window is gone, its passage saved at once
    ASSERT_TRUE(LoadOptions());
    EXPECT_EQ(options().BookMarkBook, QStringLiteral("Psalms"));
    EXPECT_EQ(options().BookMarkToSection, 6);
    // The story editor stays until the user closes it.
    ASSERT_TRUE(editor);
    EXPECT_TRUE(editor->isVisible());
    editor->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(editor);
}

TEST(CommandLineTest, ParsesCommandsAndRejectsBadArguments)
{
    auto cl = ParseCommandLine({QStringLiteral("--app-dir"), QStringLiteral("/x"), QStringLiteral("passage"),
                                QStringLiteral("Old Testament"), QStringLiteral("Genesis"), QStringLiteral("1:1-1:3")});
    EXPECT_EQ(cl.action, CommandLine::Action::Passage);
    EXPECT_EQ(cl.appDir, QStringLiteral("/x"));
    EXPECT_EQ(cl.operands.size(), 3);
    EXPECT_EQ(ParseCommandLine({QStringLiteral("--no-splash")}).noSplash, true);
    EXPECT_EQ(ParseCommandLine({QStringLiteral("--app-dir")}).action, CommandLine::Action::Error);
    EXPECT_EQ(ParseCommandLine({QStringLiteral("--frobnicate")}).action, CommandLine::Action::Error);
    // One operand is a typed reference, three are testament, book and range; two are neither.
    EXPECT_EQ(ParseCommandLine({QStringLiteral("passage"), QStringLiteral("Old Testament"), QStringLiteral("Genesis")})
                  .action,
              CommandLine::Action::Error);
    for (const QStringList& wrong : {QStringList{QStringLiteral("--app-dir")}, QStringList{QStringLiteral("--open")},
                                     QStringList{QStringLiteral("--frobnicate")}, QStringList{QStringLiteral("passage")}})
        EXPECT_TRUE(ParseCommandLine(wrong).error.endsWith(QLatin1Char('.'))) << wrong.join(' ').toStdString();
}

TEST(CommandLineTest, AFileThatCannotBeWrittenIsNamedOnceInASentence)
{
    test::TempProgramFolder folder;
    ASSERT_TRUE(folder.ok());
    const QString file = folder.path() + QStringLiteral("/no-such-folder/passage.rtf");
    QProcess p;
    p.start(QStringLiteral(KIVRA_PROGRAM_DIR "/kivra-bible"),
            {QStringLiteral("--app-dir"), folder.path(), QStringLiteral("export-rtf"), QStringLiteral("Old Testament"),
             QStringLiteral("Genesis"), QStringLiteral("1:1-1:3"), file});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 1);
    EXPECT_EQ(QString::fromUtf8(p.readAllStandardError()),
              QStringLiteral("Could not save %1: No such file or directory.\n").arg(file));
}

TEST(CommandLineTest, PassageCommandPrintsThePaneText)
{
    test::TempProgramFolder folder;
    ASSERT_TRUE(folder.ok());
    const QString exe = QStringLiteral(KIVRA_PROGRAM_DIR "/kivra-bible");
    QProcess p;
    p.start(exe, {QStringLiteral("--app-dir"), folder.path(), QStringLiteral("passage"), QStringLiteral("Old Testament"),
                  QStringLiteral("Genesis"), QStringLiteral("1:1-1:2")});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 0);
    EXPECT_EQ(QString::fromUtf8(p.readAllStandardOutput()),
              QStringLiteral("In the beginning God created the heaven and the earth.(1:1)\n\nAnd the earth was without "
                             "form, and void; and darkness was upon the face of the deep. And the Spirit of God moved "
                             "upon the face of the waters.(1:2)\n\n"));

    // Ranges that name no verse, or run backwards, are refused rather than printed as nothing.
    for (const QString& range : {QStringLiteral("51:1-51:2"), QStringLiteral("1:5-1:3"), QStringLiteral("3:1-1:3")}) {
        p.start(exe, {QStringLiteral("--app-dir"), folder.path(), QStringLiteral("passage"),
                      QStringLiteral("Old Testament"), QStringLiteral("Genesis"), range});
        ASSERT_TRUE(p.waitForFinished(30000));
        EXPECT_EQ(p.exitCode(), 2) << range.toStdString();
        EXPECT_TRUE(p.readAllStandardOutput().isEmpty()) << range.toStdString();
    }

    QFile::remove(folder.dbPath(OptionsDatabaseFile));
    p.start(exe, {QStringLiteral("--app-dir"), folder.path(), QStringLiteral("passage"), QStringLiteral("Old Testament"),
                  QStringLiteral("Genesis"), QStringLiteral("1:1-1:2")});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 1);
    EXPECT_TRUE(QString::fromUtf8(p.readAllStandardError()).contains(QStringLiteral("dbOptions.pre")));
}

TEST(CommandLineTest, ExportOfABackwardRangeWritesNoFile)
{
    test::TempProgramFolder folder;
    ASSERT_TRUE(folder.ok());
    const QString file = folder.path() + QStringLiteral("/backward.rtf");
    EXPECT_EQ(RunExportRtfCommand({QStringLiteral("Old Testament"), QStringLiteral("Genesis"), QStringLiteral("3:1-1:3"),
                                   file}),
              2);
    EXPECT_FALSE(QFile::exists(file));
}
