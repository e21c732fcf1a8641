// Where the user's databases live, and the one-time seeding of the per-user folder.
#include "app/UserFolder.h"
#include "support/Fixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace kivra;

static mode_t modeOf(const QString& path)
{
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & 07777 : 0;
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
    // What is copied, and that only the user can read it, the install test checks on the installed
    // program; here, that folders made on the way are private too.
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
    // A folder the user can write stays the data folder even with a file missing, so the start-up
    // names that file instead of moving to a per-user folder.
    EXPECT_TRUE(ProgramFolderIsWritable(program.path()));

    // An installed copy without its options file: the installed file is named and nothing is
    // made in the home folder.
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
