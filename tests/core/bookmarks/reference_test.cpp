#include "bookmarks/BookmarkReference.h"
#include "bookmarks/BookmarkStore.h"
#include "support/DatabaseFolder.h"
#include "support/BookmarkTestData.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kivra;
using namespace kivra::test;

namespace {

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
    // Links stored with and without the zeros are followed and deleted in the store's and panel's tests.
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
