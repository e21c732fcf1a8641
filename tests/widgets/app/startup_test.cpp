// Start-up and shut-down: the user's folder, unreadable databases, the options row, and the commands.
#include "support/Fixture.h"

#include "app/CommandLine.h"
#include "app/MainWindow.h"
#include "app/Startup.h"
#include "app/UserFolder.h"
#include "reading/VerseOfTheDay.h"
#include "support/MainWindowFixture.h"
#include "settings/Options.h"
#include "storage/Database.h"
#include "storage/Globals.h"
#include "stories/StoryEditor.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <QToolButton>
#include <gtest/gtest.h>

#include <functional>
#include <sys/stat.h>
#include <unistd.h>

using kivra::test::Child;

using namespace kivra;

namespace {

void dropTable(const QString& file, const char* table)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("damage"));
        db.setDatabaseName(file);
        ASSERT_TRUE(db.open());
        ASSERT_TRUE(QSqlQuery(db).exec(QStringLiteral("DROP TABLE ") + QLatin1StringView(table)));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("damage"));
}

void writeNoiseInTheMiddle(const QString& file)
{
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.seek(f.size() / 2));
    QByteArray noise(64 * 1024, Qt::Uninitialized);
    QRandomGenerator(12).fillRange(reinterpret_cast<quint32*>(noise.data()), noise.size() / 4);
    ASSERT_EQ(f.write(noise), noise.size());
}

test::ProgramRun runProgram(const QString& folder, const QStringList& args)
{
    return test::RunProgram(QStringList{QStringLiteral("--app-dir"), folder} + args);
}

mode_t modeOf(const QString& path)
{
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & 07777 : 0;
}

using OnAFolder = test::InFolder<test::TempProgramFolder>;

} // namespace

TEST(Startup, AMissingOrDamagedDatabaseIsNamedAndNothingIsCreatedInItsPlace)
{
    const struct {
        const char* file;
        std::function<void(const QString&)> damage;
        Message message;
    } cases[] = {
        {"dbStory.dat", [](const QString& f) { QFile::remove(f); }, Message::DatabaseMissing},
        {"dbStory.dat", [](const QString& f) { ASSERT_TRUE(test::WriteFile(f, "not a database at all")); },
         Message::NotAProgramDatabase},
        {"dbBible.dat", [](const QString& f) { dropTable(f, "tblGetNumberOfSection"); }, Message::NotAProgramDatabase},
        {"dbBible.dat", writeNoiseInTheMiddle, Message::NotAProgramDatabase},
    };
    for (const auto& c : cases) {
        test::TempProgramFolder folder;
        ASSERT_TRUE(folder.ok());
        const QString file = folder.dbPath(QString::fromLatin1(c.file));
        const bool removed = c.message == Message::DatabaseMissing;
        c.damage(file);
        QString failed;
        EXPECT_FALSE(OpenConnections(&failed)) << c.file << ' ' << c.message;
        EXPECT_EQ(failed, file);
        ASSERT_FALSE(folder.ui().messages.isEmpty());
        EXPECT_EQ(folder.ui().messages.last(), c.message);
        EXPECT_TRUE(folder.ui().messageTexts.last().contains(file));
        EXPECT_EQ(QFile::exists(file), !removed);
    }
}

TEST_F(OnAFolder, MissingOptionsRowStopsTheLoadWithAMessage)
{
    ASSERT_TRUE(test::TempProgramFolder::exec(OptionsConnectionName, QStringLiteral("DELETE FROM tblOptions")));
    MainWindow w;
    EXPECT_FALSE(w.load());
    EXPECT_EQ(folder.ui().messages.value(0), Message::OptionsRowMissing);
}

TEST_F(OnAFolder, VerseOfTheDayHasTextAndReference)
{
    EXPECT_EQ(WordsFromGodForId(1, 1),
              QStringLiteral("In the beginning God created the heaven and the earth.\r\n\r\n(Gen:1:1)"));
    EXPECT_EQ(WordsFromGodForId(31102, 0).right(4), QStringLiteral("\r\n\r\n"));
    EXPECT_EQ(WordsFromGodForId(31103, 1), QString());
    EXPECT_FALSE(GetWordsFromGod(1).isEmpty());
}

TEST_F(OnAFolder, ClosingTheMainWindowLeavesStoryWindowsOpen)
{
    // As the program makes it: the main window goes away when it is closed.
    QPointer<MainWindow> w = new MainWindow;
    w->setAttribute(Qt::WA_DeleteOnClose);
    ASSERT_TRUE(w->load());
    w->show();
    w->restoreLastPassage();
    Child<QToolButton>(*w, "imgCreateBibleStory")->click();
    QPointer<StoryEditor> editor = w->findChild<StoryEditor*>();
    ASSERT_TRUE(editor);
    ASSERT_TRUE(editor->isVisible());

    w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(w);  // the main window is gone (the reading test reopens its saved passage)
    // The story editor stays until the user closes it.
    ASSERT_TRUE(editor);
    EXPECT_TRUE(editor->isVisible());
    editor->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(editor);
}

TEST(CommandLineTest, BadArgumentsAreRefusedWithASentenceAndOptionsEndAtTwoDashes)
{
    // One passage operand is a typed reference, three are testament, book and range; two are neither.
    for (const QStringList& wrong : {QStringList{"--app-dir"}, QStringList{"--open"}, QStringList{"--frobnicate"},
                                     QStringList{"passage"}, QStringList{"passage", "Old Testament", "Genesis"},
                                     QStringList{"export-stories"}, QStringList{"dump", "a", "b"}}) {
        const CommandLine cl = ParseCommandLine(wrong);
        EXPECT_EQ(cl.action, CommandLine::Action::Error) << wrong.join(' ').toStdString();
        EXPECT_TRUE(cl.error.endsWith(QLatin1Char('.'))) << wrong.join(' ').toStdString();
    }
    const CommandLine cl = ParseCommandLine({"search", "--", "-faith"});
    EXPECT_EQ(cl.action, CommandLine::Action::Search);
    EXPECT_EQ(cl.operands, (QStringList{"search", "--", "-faith"}));
}

TEST_F(OnAFolder, PassageCommandsPrintOrSaveTheTextAndRefuseRangesWithoutVerses)
{
    const QStringList genesis = {QStringLiteral("Old Testament"), QStringLiteral("Genesis")};
    test::ProgramRun r = runProgram(folder.path(), QStringList{"passage"} + genesis + QStringList{"1:1-1:2"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, QStringLiteral("In the beginning God created the heaven and the earth.(1:1)\n\nAnd the earth was "
                                    "without form, and void; and darkness was upon the face of the deep. And the Spirit "
                                    "of God moved upon the face of the waters.(1:2)\n\n"));

    // Ranges that name no verse, or run backwards, are refused rather than printed or saved as nothing.
    const QString rtf = folder.path() + QStringLiteral("/backward.rtf");
    for (const char* range : {"51:1-51:2", "1:5-1:3", "3:1-1:3"}) {
        r = runProgram(folder.path(), QStringList{"passage"} + genesis + QStringList{range});
        EXPECT_EQ(r.code, 2) << range;
        EXPECT_TRUE(r.out.isEmpty()) << range;
        EXPECT_EQ(runProgram(folder.path(), QStringList{"export-rtf"} + genesis + QStringList{range, rtf}).code, 2);
        EXPECT_FALSE(QFile::exists(rtf)) << range;
    }

    // A file that cannot be written is named once, in a sentence.
    const QString unwritable = folder.path() + QStringLiteral("/no-such-folder/passage.rtf");
    r = runProgram(folder.path(), QStringList{"export-rtf"} + genesis + QStringList{"1:1-1:3", unwritable});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err, QStringLiteral("Could not save %1: No such file or directory.\n").arg(unwritable));

    QFile::remove(folder.dbPath(OptionsDatabaseFile));
    r = runProgram(folder.path(), QStringList{"passage"} + genesis + QStringList{"1:1-1:2"});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("dbOptions.pre")));
}

TEST_F(OnAFolder, ExchangeCommandsExportImportAndDump)
{
    ASSERT_TRUE(ExecuteStatement(OptionsConnection(),
                                 "INSERT INTO \"tblBookmark\" (\"BookMarkTestament\", \"BookMarkBook\", \"BookMarkChapter\", "
                                 "\"BookMarkSection\", \"BookMarkToChapter\", \"BookMarkToSection\", \"BookMarkNotes\", "
                                 "\"BookmarkReference\", \"AssociatedBookmarkReferenceList\") "
                                 "VALUES ('Old Testament', 'Ruth', 2, 1, 2, 3, 'line\none', '77', '88,')"));
    ASSERT_TRUE(ExecuteStatement(StoryConnection(),
                                 "INSERT INTO \"tblBibleStory\" (\"StoryNumber\", \"StoryPartNumber\", \"StoryName\", "
                                 "\"StoryTestament\", \"StoryBook\", \"StoryChapter\", \"StorySection\", "
                                 "\"StoryToChapter\", \"StoryToSection\", \"StoryImagePath\") "
                                 "VALUES (3, 0, 'Ruth', 'Old Testament', 'Ruth', 1, 1, 1, 2, '')"));
    const QString dir = folder.path();
    const QString kbm = dir + "/all.kbm", kbs = dir + "/all.kbs";

    test::ProgramRun r = runProgram(dir, {"export-bookmarks", kbm});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    r = test::RunProgram({"dump", kbm});
    EXPECT_EQ(r.code, 0);
    for (const char* line : {"Table: tblBookmark", "Layout: published (short text lengths in bytes, long text lengths in bytes)",
                             "1. Index  Int32  key, auto-increment, not null", "BookMarkNotes = \"line\\none\"",
                             "BookMarkToBook = NULL"})
        EXPECT_TRUE(r.out.contains(QLatin1String(line))) << line << '\n' << r.out.toStdString();

    r = runProgram(dir, {"import-bookmarks", kbm});
    EXPECT_EQ(r.code, 0);
    EXPECT_TRUE(r.err.contains("exists in the current bookmark list")) << r.err.toStdString();

    r = runProgram(dir, {"export-stories", kbs});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    r = runProgram(dir, {"import-stories", kbs});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains("as 4")) << r.out.toStdString();

    QFile::resize(kbs, 40);
    r = runProgram(dir, {"import-stories", kbs});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains("Nothing was imported"));
    r = test::RunProgram({"dump", dir + "/missing.kbs"});
    EXPECT_EQ(r.code, 1);
}

TEST(UserFolderTest, WritableProgramFolderKeepsTheDataBesideIt)
{
    EXPECT_EQ(ChooseUserFolder(QStringLiteral("/home/a/kivra"), true, QString(), QStringLiteral("/home/a")),
              QStringLiteral("/home/a/kivra"));
    EXPECT_EQ(ChooseUserFolder(QStringLiteral("/usr/lib/kivra-bible"), false, QString(), QStringLiteral("/home/a")),
              QStringLiteral("/home/a/.local/share/kivra-bible"));
    EXPECT_EQ(ChooseUserFolder(QStringLiteral("/usr/lib/kivra-bible"), false, QStringLiteral("/data/x/"), QStringLiteral("/home/a")),
              QStringLiteral("/data/x/kivra-bible"));
    // A relative XDG_DATA_HOME is invalid and ignored.
    EXPECT_EQ(PerUserFolder(QStringLiteral("rel/dir"), QStringLiteral("/home/a")), QStringLiteral("/home/a/.local/share/kivra-bible"));
    // Without a home folder there is no per-user folder, rather than one under the root.
    EXPECT_EQ(PerUserFolder(QString(), QString()), QString());
    EXPECT_EQ(PerUserFolder(QStringLiteral("rel/dir"), QStringLiteral("rel")), QString());
}

TEST(UserFolderTest, SeedsOnceAndNeverOverwritesTheUsersFiles)
{
    QTemporaryDir program, user;
    ASSERT_TRUE(test::CopyFolder(QStringLiteral(KIVRA_PROGRAM_DIR "/Db"), program.path() + QStringLiteral("/Db")));
    ASSERT_TRUE(test::CopyFolder(QStringLiteral(KIVRA_PROGRAM_DIR "/image"), program.path() + QStringLiteral("/image")));
    const QString home = user.path() + QStringLiteral("/share/kivra-bible");

    QString failed;
    // The install test checks what is copied and who may read it; here, folders made on the way are private.
    ASSERT_TRUE(SeedUserFolder(program.path(), home, &failed)) << failed.toStdString();
    EXPECT_EQ(modeOf(user.path() + QStringLiteral("/share")), 0700u);

    // The user's own changes survive the next start.
    QFile options(home + QStringLiteral("/Db/dbOptions.pre"));
    ASSERT_TRUE(options.open(QIODevice::WriteOnly | QIODevice::Append));
    options.write("user data");
    options.close();
    const qint64 size = QFileInfo(options.fileName()).size();
    ASSERT_TRUE(QFile::remove(home + QStringLiteral("/image/obj_bible_story_no_image.gif")));
    ASSERT_TRUE(SeedUserFolder(program.path(), home, &failed));
    EXPECT_EQ(QFileInfo(options.fileName()).size(), size);
    EXPECT_FALSE(QFile::exists(home + QStringLiteral("/image/obj_bible_story_no_image.gif")));  // pictures seed once

    // Nothing to do when the program folder is the user folder.
    EXPECT_TRUE(SeedUserFolder(program.path(), program.path() + QStringLiteral("/"), &failed));
}

TEST(UserFolderTest, AMissingDatabaseIsReportedAsMissingNotAsAHomeFolderProblem)
{
    QTemporaryDir program, user;
    ASSERT_TRUE(test::CopyFolder(QStringLiteral(KIVRA_PROGRAM_DIR "/Db"), program.path() + QStringLiteral("/Db")));
    const QString options = program.path() + QStringLiteral("/Db/dbOptions.pre");
    ASSERT_TRUE(QFile::remove(options));
    // A writable folder stays the data folder with a file missing, so the start-up names that file.
    EXPECT_TRUE(ProgramFolderIsWritable(program.path()));

    // An installed copy without its options file: that file is named and nothing is made at home.
    const QString home = user.path() + QStringLiteral("/share/kivra-bible");
    QString failed;
    EXPECT_FALSE(SeedUserFolder(program.path(), home, &failed));
    EXPECT_EQ(failed, options);
    EXPECT_FALSE(QFileInfo::exists(home));
}

TEST(UserFolderTest, UnwritableTargetIsReported)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root can write anywhere";
    QTemporaryDir user;
    QFile::setPermissions(user.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    QString failed;
    EXPECT_FALSE(SeedUserFolder(QStringLiteral(KIVRA_PROGRAM_DIR), user.path() + QStringLiteral("/k"), &failed));
    EXPECT_FALSE(failed.isEmpty());
    QFile::setPermissions(user.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}
