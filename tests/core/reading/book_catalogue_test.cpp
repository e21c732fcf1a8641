// The book catalogue read from the shipped Bible database, checked against the verse table itself,
// and the passage checks built on it.
#include "reading/BookCatalogue.h"
#include "reading/Passage.h"
#include "storage/Globals.h"
#include "support/DatabaseFolder.h"

#include <QSqlQuery>
#include <gtest/gtest.h>

using namespace kivra;

namespace {

class Catalogue : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.ok());
        books = BibleBooks();
        ASSERT_FALSE(books->isEmpty());
    }
    test::TempDatabaseFolder folder;
    std::shared_ptr<const BookCatalogue> books;
};

} // namespace

TEST_F(Catalogue, ChapterAndVerseCountsAgreeWithTheVerseTable)
{
    // The last verse of every chapter as the verses themselves have it, with the testament word.
    QSqlQuery q(QStringLiteral("SELECT \"BookAbbreviation\", \"Testament\", \"Chapter\", max(\"Sections\") "
                               "FROM \"tblBible\" GROUP BY \"BookAbbreviation\", \"Chapter\""),
                BibleConnection());
    int chapters = 0;
    while (q.next()) {
        const BibleBook* book = books->bookAbbreviated(q.value(0).toString());
        ASSERT_TRUE(book) << q.value(0).toString().toStdString();
        EXPECT_EQ(book->testament.word, q.value(1).toString()) << book->name.toStdString();
        EXPECT_EQ(book->verses(q.value(2).toInt()), q.value(3).toInt())
            << book->name.toStdString() << ' ' << q.value(2).toInt();
        ++chapters;
    }
    int catalogued = 0;
    for (const BibleBook& book : *books)
        catalogued += book.chapters();
    EXPECT_EQ(catalogued, chapters) << "no chapter without verses";
}

TEST_F(Catalogue, LookupsOfUnknownBooksChaptersAndTestaments)
{
    EXPECT_EQ(books->bookNamed(QStringLiteral("Hezekiah")), nullptr);
    EXPECT_EQ(books->bookNamed(QString()), nullptr);
    EXPECT_EQ(books->bookNamed(QStringLiteral("genesis")), nullptr) << "names match exactly unless asked";
    EXPECT_EQ(books->bookNamed(QStringLiteral("genesis"), Qt::CaseInsensitive), books->bookAbbreviated("Gen"));
    EXPECT_EQ(books->testamentNamed(QStringLiteral("Middle Testament")), nullptr);
    const BibleBook* genesis = books->bookAbbreviated(QStringLiteral("Gen"));
    ASSERT_TRUE(genesis);
    EXPECT_EQ(genesis->testament.name, QStringLiteral("Old Testament"));
    for (const int chapter : {-1, 0, genesis->chapters() + 1})
        EXPECT_EQ(genesis->verses(chapter), 0) << chapter;
    EXPECT_FALSE(genesis->hasVerse(1, 0));
    EXPECT_FALSE(genesis->hasVerse(1, genesis->verses(1) + 1));
    // Every book is in exactly one testament's list, in Bible order.
    qsizetype listed = 0;
    for (const Testament& testament : books->testaments())
        listed += books->booksOf(testament.word).size();
    EXPECT_EQ(listed, std::distance(books->begin(), books->end()));
    EXPECT_EQ(books->booksOf(QStringLiteral("New")).first()->name, QStringLiteral("Matthew"));
}

TEST_F(Catalogue, PassagesExistOnlyWithinOneKnownBookAndForwards)
{
    EXPECT_TRUE(PassageExists({QStringLiteral("Genesis"), 1, 31, 2, 1}));
    EXPECT_FALSE(PassageExists({QStringLiteral("Genesis"), 1, 32, 2, 1})) << "past the chapter's end";
    EXPECT_FALSE(PassageExists({QStringLiteral("Genesis"), 2, 1, 1, 31})) << "backwards";
    EXPECT_FALSE(PassageExists({QStringLiteral("Hezekiah"), 1, 1, 1, 1}));
    auto verses = QueryPassage({QStringLiteral("Genesis"), 1, 31, 2, 2});
    ASSERT_TRUE(verses);
    EXPECT_EQ(verses->recordCount(), 3) << "the range crosses the chapter";
    verses = QueryPassage({QStringLiteral("Hezekiah"), 1, 1, 1, 1});
    ASSERT_TRUE(verses) << "an unknown book is no database error";
    EXPECT_EQ(verses->recordCount(), 0);
}
