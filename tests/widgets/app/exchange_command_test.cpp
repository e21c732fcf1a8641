// The exchange commands of the command line, run as the program itself on a temporary program folder.
#include "storage/Database.h"
#include "storage/Globals.h"
#include "support/Fixture.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace kivra;
using kivra::test::RunProgram;

TEST(ExchangeCommandLine, ExportsImportsAndDumps)
{
    test::TempProgramFolder folder;
    ASSERT_TRUE(folder.ok());
    ASSERT_TRUE(ExecuteStatement(OptionsConnection(), "DELETE FROM \"tblBookmark\""));
    ASSERT_TRUE(ExecuteStatement(OptionsConnection(),
                                 "INSERT INTO \"tblBookmark\" (\"BookMarkTestament\", \"BookMarkBook\", \"BookMarkChapter\", "
                                 "\"BookMarkSection\", \"BookMarkToChapter\", \"BookMarkToSection\", \"BookMarkNotes\", "
                                 "\"BookmarkReference\", \"AssociatedBookmarkReferenceList\") "
                                 "VALUES ('Old Testament', 'Ruth', 2, 1, 2, 3, 'line\none', '77', '88,')"));
    ASSERT_TRUE(ExecuteStatement(StoryConnection(), "DELETE FROM \"tblBibleStory\""));
    ASSERT_TRUE(ExecuteStatement(StoryConnection(),
                                 "INSERT INTO \"tblBibleStory\" (\"StoryNumber\", \"StoryPartNumber\", \"StoryName\", "
                                 "\"StoryTestament\", \"StoryBook\", \"StoryChapter\", \"StorySection\", "
                                 "\"StoryToChapter\", \"StoryToSection\", \"StoryImagePath\") "
                                 "VALUES (3, 0, 'Ruth', 'Old Testament', 'Ruth', 1, 1, 1, 2, '')"));
    const QString dir = folder.path();
    const QString kbm = dir + "/all.kbm", kbs = dir + "/all.kbs";

    test::ProgramRun r = RunProgram({"--app-dir", dir, "export-bookmarks", kbm});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    r = RunProgram({"dump", kbm});
    EXPECT_EQ(r.code, 0);
    EXPECT_TRUE(r.out.contains("Table: tblBookmark")) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains("Layout: published (short text lengths in bytes, long text lengths in bytes)"));
    EXPECT_TRUE(r.out.contains("1. Index  Int32  key, auto-increment, not null"));
    EXPECT_TRUE(r.out.contains("BookMarkNotes = \"line\\none\""));
    EXPECT_TRUE(r.out.contains("BookMarkToBook = NULL"));

    r = RunProgram({"--app-dir", dir, "import-bookmarks", kbm});
    EXPECT_EQ(r.code, 0);
    EXPECT_TRUE(r.err.contains("exists in the current bookmark list")) << r.err.toStdString();

    r = RunProgram({"--app-dir", dir, "export-stories", kbs});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    r = RunProgram({"--app-dir", dir, "import-stories", kbs});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains("as 4")) << r.out.toStdString();

    QFile::resize(kbs, 40);
    r = RunProgram({"--app-dir", dir, "import-stories", kbs});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains("Nothing was imported"));
    r = RunProgram({"dump", dir + "/missing.kbs"});
    EXPECT_EQ(r.code, 1);
}
