#include "bookmarks/BookmarkStore.h"
#include "support/DatabaseFolder.h"
#include "support/BookmarkTestData.h"

#include <gtest/gtest.h>

using namespace kivra;
using namespace kivra::test;

namespace {

const Passage Gen1 = {QStringLiteral("Genesis"), 1, 1, 2, 3};
const Passage John3 = {QStringLiteral("John"), 3, 16, 3, 17};

int count(const QString& table)
{
    return TempDatabaseFolder::count(OptionsConnectionName, table);
}

} // namespace

TEST(BookmarkText, ABookOfTwentyCharactersOrMoreRunsIntoTheRange)
{
    const QString twenty = QStringLiteral("ABCDEFGHIJKLMNOPQRST");
    EXPECT_EQ(BookmarkListText(twenty, 10, 2, 11, 30), QStringLiteral("   ") + twenty + QStringLiteral("10 : 2 - 11 : 30"));
    EXPECT_EQ(BookmarkListText(twenty + QStringLiteral("UV"), 1, 1, 1, 1), QStringLiteral("   ") + twenty + QStringLiteral("UV1 : 1 - 1 : 1"));
}

using Store = kivra::test::InFolder<>;

// Editing and moving a bookmark through the editor is tested there; these are what the editor does not show.
TEST_F(Store, ABookmarkHooksItselfAMovedOneTakesItsTestamentAndAnotherRangeAnotherReference)
{
    const auto first = SaveBookmarkRecord(OptionsConnection(), Gen1, {Gen1, QStringLiteral("first notes"), {}});
    ASSERT_TRUE(first.has_value());
    EXPECT_EQ(BookmarkRangeQuery(OptionsConnection(), Gen1)->text(QStringLiteral("BookmarkHooker")), *first);
    EXPECT_EQ(SaveBookmarkRecord(OptionsConnection(), Gen1, {John3, QStringLiteral("moved"), {}}), first);
    EXPECT_EQ(BookmarkRangeQuery(OptionsConnection(), John3)->text(QStringLiteral("BookMarkTestament")), QStringLiteral("New Testament"));
    const auto other = SaveBookmarkRecord(OptionsConnection(), Gen1, {Gen1, QString(), {}});
    ASSERT_TRUE(other.has_value());
    EXPECT_NE(*other, *first);
    EXPECT_EQ(count(BookmarkTable), 2);
}

TEST_F(Store, TheAssociationListFollowsTheLinksWhenUnmarkedOrDeleted)
{
    const qint64 a = AddBookmark(Bm(5, QStringLiteral("0700001")));
    AddBookmark(Bm(6, QStringLiteral("0700002")));
    const auto list = [this] {
        return BookmarkRangeQuery(OptionsConnection(), Gen1)->text(QStringLiteral("AssociatedBookmarkReferenceList"));
    };
    ASSERT_TRUE(SaveBookmarkRecord(OptionsConnection(), Gen1, {Gen1, QString(), {QStringLiteral("0700001"), QStringLiteral("0700002")}}));
    EXPECT_EQ(list(), QStringLiteral("0700001,0700002,"));
    ASSERT_TRUE(DeleteBookmarkByIndex(OptionsConnection(), a));
    EXPECT_EQ(list(), QStringLiteral("0700002,")) << "a deleted bookmark leaves the lists too";
    ASSERT_TRUE(SaveBookmarkRecord(OptionsConnection(), Gen1, {Gen1, QString(), {}}));
    EXPECT_TRUE(Links().isEmpty());
    EXPECT_EQ(list(), QString()) << "nothing left for an import to rebuild a link from";
}

TEST_F(Store, AFailedSaveChangesNeitherTable)
{
    AddBookmark(Bm(5, QStringLiteral("0700001"), QStringLiteral("kept")));
    AddLink(QStringLiteral("0700001"), QStringLiteral("0700001"));
    ASSERT_TRUE(TempDatabaseFolder::exec(OptionsConnectionName,
        QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON \"tblBookmark_Relation\" BEGIN SELECT RAISE(ABORT, 'refused'); END")));
    const QStringList rows = BookmarkRows();
    const QStringList links = Links();

    // A new bookmark whose links cannot be written is not added either.
    EXPECT_FALSE(SaveBookmarkRecord(OptionsConnection(), Gen1, {Gen1, QStringLiteral("n"), {QStringLiteral("0700001")}}).has_value());
    // An existing one keeps its notes and its old links.
    const Passage five{QStringLiteral("Genesis"), 5, 1, 1, 1};
    EXPECT_FALSE(SaveBookmarkRecord(OptionsConnection(), five, {five, QStringLiteral("lost?"), {QStringLiteral("0700001")}}).has_value());
    EXPECT_EQ(BookmarkRows(), rows);
    EXPECT_EQ(Links(), links);
}

TEST_F(Store, DeleteTakesTheLinksFromAndToTheBookmarkEvenWithoutLeadingZeros)
{
    const qint64 a = AddBookmark(Bm(1, QStringLiteral("0123456")));
    AddBookmark(Bm(2, QStringLiteral("0123457")));
    AddBookmark(Bm(3, QStringLiteral("0123458")));
    AddLink(QStringLiteral("0123456"), QStringLiteral("0123457"));
    AddLink(QStringLiteral("123456"), QStringLiteral("0123458"));  // written by a version that kept numbers
    AddLink(QStringLiteral("0123457"), QStringLiteral("123456"));
    AddLink(QStringLiteral("0123458"), QStringLiteral("0123456"));
    AddLink(QStringLiteral("0123458"), QStringLiteral("0123457"));
    AddLink(QStringLiteral("0123457"), QStringLiteral("1234560"));  // not the same number

    ASSERT_TRUE(DeleteBookmarkByIndex(OptionsConnection(), a));
    EXPECT_EQ(Field(a, QStringLiteral("Index")), QStringLiteral("<no row>"));
    EXPECT_EQ(count(BookmarkTable), 2);
    EXPECT_EQ(Links(), (QStringList{QStringLiteral("0123458>0123457"), QStringLiteral("0123457>1234560")}));

    // Lookups made by reference find a row stored with or without the zeros, never the empty one.
    ASSERT_NE(FindBookmarkByReference(OptionsConnection(), QStringLiteral("123457")), nullptr);
    EXPECT_EQ(FindBookmarkByReference(OptionsConnection(), QStringLiteral("123457"))->text(QStringLiteral("BookmarkReference")),
              QStringLiteral("0123457"));
    EXPECT_EQ(FindBookmarkByReference(OptionsConnection(), QString()), nullptr);
    EXPECT_EQ(FindBookmarkByReference(OptionsConnection(), QStringLiteral("0123456")), nullptr);
}

TEST_F(Store, DeletingABookmarkWithoutReferenceRemovesOnlyItsRow)
{
    const qint64 empty = AddBookmark(Bm(1, QString()));
    AddBookmark(Bm(2, QStringLiteral("11")));
    AddBookmark(Bm(3, QStringLiteral("12")));
    AddLink(QStringLiteral("11"), QStringLiteral("12"));
    AddLink(QStringLiteral("12"), QStringLiteral("11"));
    const QStringList links = Links();
    EXPECT_EQ(GetBookmarkReference(empty), QString());
    ASSERT_TRUE(DeleteBookmarkByIndex(OptionsConnection(), empty));
    EXPECT_EQ(count(BookmarkTable), 2);
    EXPECT_EQ(Links(), links);
    // And it takes no links when saved.
    EXPECT_TRUE(SaveBookmarkRelations(OptionsConnection(), QString(), {QStringLiteral("11")}));
    EXPECT_EQ(Links(), links);
}

TEST_F(Store, AFailedDeleteKeepsTheLinks)
{
    const qint64 a = AddBookmark(Bm(1, QStringLiteral("21")));
    AddBookmark(Bm(2, QStringLiteral("22")));
    AddLink(QStringLiteral("21"), QStringLiteral("22"));
    AddLink(QStringLiteral("22"), QStringLiteral("21"));
    ASSERT_TRUE(TempDatabaseFolder::exec(OptionsConnectionName,
        QStringLiteral("CREATE TRIGGER refuse BEFORE DELETE ON \"tblBookmark\" BEGIN SELECT RAISE(ABORT, 'refused'); END")));
    const QStringList links = Links();
    EXPECT_FALSE(DeleteBookmarkByIndex(OptionsConnection(), a));
    EXPECT_EQ(Links(), links);
    EXPECT_EQ(count(BookmarkTable), 2);
}
