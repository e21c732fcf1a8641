// The bookmark rows without windows: new references, saving with links, deleting.
#include "bookmarks/BookmarkReference.h"
#include "bookmarks/BookmarkStore.h"
#include "support/BookmarkTestData.h"

#include <QRegularExpression>
#include <QTemporaryDir>
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

// Hands out the given draws in order, then keeps answering the last one.
ReferenceDraw scripted(QList<int> draws, int* calls = nullptr)
{
    return [draws, calls, i = 0](int, int) mutable {
        if (calls)
            ++*calls;
        const int n = draws.at(std::min<int>(i, draws.size() - 1));
        ++i;
        return n;
    };
}

QString newReference(const QString& prefix, const ReferenceDraw& draw)
{
    return NewBookmarkReference(OptionsConnection(), BookmarkTable, QStringLiteral("BookmarkReference"), prefix, draw);
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

TEST_F(Store, AFailedSaveOrDeleteChangesNeitherTable)
{
    const qint64 kept = AddBookmark(Bm(5, QStringLiteral("0700001"), QStringLiteral("kept")));
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

    // A refused delete keeps the links from and to the bookmark.
    ASSERT_TRUE(TempDatabaseFolder::exec(OptionsConnectionName,
        QStringLiteral("CREATE TRIGGER keep BEFORE DELETE ON \"tblBookmark\" BEGIN SELECT RAISE(ABORT, 'refused'); END")));
    EXPECT_FALSE(DeleteBookmarkByIndex(OptionsConnection(), kept));
    EXPECT_EQ(BookmarkRows(), rows);
    EXPECT_EQ(Links(), links);
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

TEST(SerialDigits, ThePrefixTakesADigitForEachCharacterOfTheDriveSerial)
{
    EXPECT_EQ(SerialCharToDigit(QString()), 5);
    const std::pair<const char*, int> digits[] = {{"A", 0}, {"D", 3}, {"E", 4}, {"F", 5}, {"i", 8}, {"j", 9}, {"Z", 9}, {"0", 0}, {"-", 0}};
    for (const auto& [character, digit] : digits)
        EXPECT_EQ(SerialCharToDigit(QString::fromLatin1(character)), digit) << character;
    EXPECT_EQ(ReferencePrefix(QStringLiteral("1A2B3C4D")), QStringLiteral("1021324"));
    EXPECT_EQ(ReferencePrefix(QStringLiteral("  AB CD  ")), QStringLiteral("012"));
    EXPECT_EQ(ReferencePrefix(QStringLiteral("7")), QString());

    QTemporaryDir dir;
    const QString serial = GetDriveSerial(dir.path());
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^[1-9A-F][0-9A-F]{0,7}$")).match(serial).hasMatch()) << serial.toStdString();
    EXPECT_EQ(GetDriveSerial(dir.path() + QStringLiteral("/no/such/folder")), QString());
}

TEST(SerialDigits, AnEmptyReferenceMatchesNothingAndZerosMatchZeros)
{
    // Links stored with and without the zeros are followed and deleted in the panel's tests.
    EXPECT_FALSE(SameReference(QString(), QString()));
    EXPECT_FALSE(SameReference(QStringLiteral("000"), QString()));
    EXPECT_TRUE(SameReference(QStringLiteral("000"), QStringLiteral("000")));
}

using NewReference = kivra::test::InFolder<>;

TEST_F(NewReference, FirstOfAnEmptyTableIsThePrefixAlone)
{
    int calls = 0;
    EXPECT_EQ(newReference(QStringLiteral("0123456"), scripted({42}, &calls)), QStringLiteral("0123456"));
    EXPECT_EQ(newReference(QStringLiteral("1234567890"), scripted({42})), QStringLiteral("123456789"));
    EXPECT_EQ(calls, 0);
    // This machine's own prefix: the serial's digits but the last.
    const QString own = NewBookmarkReference(OptionsConnection(), BookmarkTable, QStringLiteral("BookmarkReference"));
    EXPECT_EQ(own, ReferencePrefix(GetDriveSerial(folders().applicationPath)).left(9));
}

TEST_F(NewReference, SuffixLengthFollowsTheDraw)
{
    AddBookmark(Bm(1, QStringLiteral("99")));  // any row: the table is no longer empty
    EXPECT_EQ(newReference(QStringLiteral("0123456"), scripted({0})), QStringLiteral("0123456"));
    EXPECT_EQ(newReference(QStringLiteral("0123456"), scripted({7})), QStringLiteral("01234567"));
    EXPECT_EQ(newReference(QStringLiteral("0123456"), scripted({42})), QStringLiteral("012345642"));
    // Only the first seven digits of a longer prefix are used once the table has rows.
    EXPECT_EQ(newReference(QStringLiteral("123456789"), scripted({5})), QStringLiteral("12345675"));
}

TEST_F(NewReference, TakenCandidatesAreDrawnAgainAlsoWhenStoredWithoutLeadingZeros)
{
    AddBookmark(Bm(1, QStringLiteral("0123456")));  // the prefix alone, as the first bookmark
    AddBookmark(Bm(2, QStringLiteral("12345642")));  // 0123456 42 from an older version
    int calls = 0;
    EXPECT_EQ(newReference(QStringLiteral("0123456"), scripted({0, 42, 3}, &calls)), QStringLiteral("01234563"));
    EXPECT_EQ(calls, 3);
}

TEST_F(NewReference, ExhaustedTwoDigitSuffixesWidenAndNothingChanges)
{
    for (int n = 0; n <= 98; ++n)
        ASSERT_NE(AddBookmark(Bm(n + 1, QStringLiteral("5550123") + (n ? QString::number(n) : QString()))), 0);
    const QStringList before = BookmarkRows();
    int calls = 0;
    const QString reference = newReference(QStringLiteral("5550123"), scripted({17}, &calls));
    // Every draw repeats a taken one; the search still ends, with one suffix digit more.
    EXPECT_EQ(reference, QStringLiteral("5550123100"));
    EXPECT_GT(calls, 0);
    EXPECT_EQ(BookmarkRows(), before);

    // With real draws the widened reference is free and three suffix digits long.
    const QString drawn = newReference(QStringLiteral("5550123"), RandomNumber);
    EXPECT_EQ(drawn.size(), 10);
    EXPECT_TRUE(drawn.startsWith(QStringLiteral("5550123")));
    EXPECT_EQ(BookmarkRows(), before);
}
