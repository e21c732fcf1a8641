// The database operations: whole-table reads, bound values, refused accidental mass changes,
// write-back through a recordset, transactions. Unreadable files are the start-up's tests.
#include "support/DatabaseFolder.h"

#include "storage/Database.h"
#include "storage/Globals.h"

#include <gtest/gtest.h>

using namespace kivra;

class DatabaseTest : public test::InFolder<> {
protected:
    static int count(const QSqlDatabase& db, const QString& table)
    {
        return test::TempDatabaseFolder::count(db.connectionName(), table);
    }
    static void addBookmark(const QString& reference, const QString& notes)
    {
        auto rs = selectRows(OptionsConnection(), QStringLiteral("tblBookmark"), {}, {});
        ASSERT_TRUE(rs);
        rs->AddNew();
        rs->setValue(QStringLiteral("BookmarkReference"), reference);
        rs->setValue(QStringLiteral("BookMarkNotes"), notes);
        ASSERT_TRUE(rs->Update());
    }
};

TEST_F(DatabaseTest, SelectsWithAndWithoutCondition)
{
    auto books = selectRows(BibleConnection(), QStringLiteral("tblBibleBook"), QStringLiteral("Testament"),
                                 QStringLiteral("Old"));
    ASSERT_TRUE(books);
    EXPECT_EQ(books->recordCount(), 39);
    EXPECT_EQ(books->text(QStringLiteral("book")), QStringLiteral("Genesis"));  // field names ignore case
    books->MoveLast();
    EXPECT_EQ(books->text(QStringLiteral("Book")), QStringLiteral("Malachi"));
    books->MoveNext();
    EXPECT_TRUE(books->eof());

    // An empty field or value reads the whole table; so does a table name in another case.
    EXPECT_EQ(selectRows(BibleConnection(), QStringLiteral("tblbiblebook"), QStringLiteral("Testament"), {})->recordCount(), 66);
    auto verse = selectRowsByNumber(BibleConnection(), QStringLiteral("tblBible"), QStringLiteral("ID"), QStringLiteral("1234"));
    ASSERT_TRUE(verse);
    EXPECT_EQ(verse->integer(QStringLiteral("ID")), 1234);

    // Failures give an empty reference.
    EXPECT_FALSE(selectRowsByNumber(BibleConnection(), QStringLiteral("tblBible"), QStringLiteral("ID"), QStringLiteral("12a")));
    EXPECT_FALSE(selectRows(BibleConnection(), QStringLiteral("tblNoSuchTable"), {}, {}));
    EXPECT_FALSE(selectRows(BibleConnection(), QStringLiteral("tblBible"), QStringLiteral("NoField"), QStringLiteral("x")));
    EXPECT_FALSE(queryRows(BibleConnection(), QStringLiteral("SELEC nonsense")));
}

TEST_F(DatabaseTest, ValuesWithQuotesAreOrdinaryValues)
{
    const QString notes = QStringLiteral("He said \"Amen\"; DROP TABLE tblBookmark; -- 'x'");
    addBookmark(QStringLiteral("12\"34"), notes);
    auto rs = selectRows(OptionsConnection(), QStringLiteral("tblBookmark"), QStringLiteral("BookmarkReference"),
                              QStringLiteral("12\"34"));
    ASSERT_TRUE(rs);
    ASSERT_EQ(rs->recordCount(), 1);
    EXPECT_EQ(rs->text(QStringLiteral("BookMarkNotes")), notes);
    EXPECT_TRUE(updateRecordSet(OptionsConnection(), QStringLiteral("tblBookmark"), QStringLiteral("BookMarkNotes"),
                                QStringLiteral("\"quoted\""), QStringLiteral("BookmarkReference"), QStringLiteral("12\"34")));
    EXPECT_EQ(selectRows(OptionsConnection(), QStringLiteral("tblBookmark"), {}, {})->text(QStringLiteral("BookMarkNotes")),
              QStringLiteral("\"quoted\""));
}

TEST_F(DatabaseTest, EmptyConditionValuesNeverTouchEveryRow)
{
    addBookmark(QStringLiteral("1"), QStringLiteral("a"));
    addBookmark(QStringLiteral("2"), QStringLiteral("b"));
    const QSqlDatabase db = OptionsConnection();
    const QString table = QStringLiteral("tblBookmark");
    EXPECT_FALSE(updateRecordSet(db, table, QStringLiteral("BookMarkNotes"), QStringLiteral("x"), QStringLiteral("BookmarkReference"), {}));
    EXPECT_FALSE(updateNumericRecordSet(db, table, QStringLiteral("BookMarkChapter"), 5, QStringLiteral("Index"), 0));
    EXPECT_FALSE(DeleteRecord(db, table, QStringLiteral("BookmarkReference"), {}));
    EXPECT_FALSE(DeleteNumericRecord(db, table, QStringLiteral("Index"), 0));
    EXPECT_EQ(count(db, table), 2);

    // The exact-text delete ignores case and uses no wildcards.
    EXPECT_TRUE(DeleteRecord(db, table, QStringLiteral("BookmarkReference"), QStringLiteral("%")));
    EXPECT_EQ(count(db, table), 2);
    EXPECT_TRUE(DeleteRecord(db, table, QStringLiteral("BookmarkReference"), QStringLiteral("1")));
    EXPECT_EQ(count(db, table), 1);

    // Naming no condition field at all is the deliberate whole-table form (emptying a backup table).
    EXPECT_TRUE(DeleteNumericRecord(db, table, {}, 0));
    EXPECT_EQ(count(db, table), 0);
}

TEST_F(DatabaseTest, RecordsetWritesBackAndSorts)
{
    auto rs = selectRows(OptionsConnection(), QStringLiteral("tblOptions"), {}, {});
    ASSERT_TRUE(rs);
    rs->setValue(QStringLiteral("BookMarkBook"), QStringLiteral("Exodus"));
    ASSERT_TRUE(rs->Update());
    EXPECT_EQ(selectRows(OptionsConnection(), QStringLiteral("tblOptions"), {}, {})->text(QStringLiteral("BookMarkBook")),
              QStringLiteral("Exodus"));

    addBookmark(QStringLiteral("30"), QStringLiteral("c"));
    addBookmark(QStringLiteral("10"), QStringLiteral("a"));
    auto bookmarks = selectRows(OptionsConnection(), QStringLiteral("tblBookmark"), {}, {});
    EXPECT_GT(bookmarks->integer(QStringLiteral("Index")), 0);  // the auto-numbered key is read back
    bookmarks->Sort(QStringLiteral("BookMarkNotes"), false);
    EXPECT_EQ(bookmarks->text(QStringLiteral("BookMarkNotes")), QStringLiteral("c"));
    bookmarks->Sort(QStringLiteral("BookMarkNotes"), true);
    EXPECT_EQ(bookmarks->text(QStringLiteral("BookMarkNotes")), QStringLiteral("a"));
}

TEST_F(DatabaseTest, MaxValueCopyAndTransactions)
{
    const QSqlDatabase db = StoryConnection();
    EXPECT_EQ(GetMaxFieldValue(db, QStringLiteral("tblBibleStory"), QStringLiteral("StoryNumber"), QStringLiteral("StoryNumber")), QString());
    ASSERT_TRUE(test::TempDatabaseFolder::exec(StoryConnectionName,
        QStringLiteral("INSERT INTO tblBibleStory (StoryNumber, StoryPartNumber, StoryName) VALUES (3,0,'a'),(7,0,'b'),(7,1,'b')")));
    EXPECT_EQ(GetMaxFieldValue(db, QStringLiteral("tblBibleStory"), QStringLiteral("StoryNumber"), QStringLiteral("StoryNumber")), QStringLiteral("7"));
    EXPECT_TRUE(CopyRecord(db, QStringLiteral("tblBibleStory"), QStringLiteral("tblBibleStory_Backup"), QStringLiteral("StoryNumber"), 7));
    EXPECT_EQ(count(db, QStringLiteral("tblBibleStory_Backup")), 2);
    // Copying again collides on the kept Index values: the whole copy fails and nothing is added.
    EXPECT_FALSE(CopyRecord(db, QStringLiteral("tblBibleStory"), QStringLiteral("tblBibleStory_Backup"), QStringLiteral("StoryNumber"), 7));
    EXPECT_EQ(count(db, QStringLiteral("tblBibleStory_Backup")), 2);

    {
        Transaction tx(db);
        ASSERT_TRUE(tx.ok());
        EXPECT_TRUE(DeleteNumericRecord(db, QStringLiteral("tblBibleStory"), QStringLiteral("StoryNumber"), 7));
        // no commit: rolled back when tx ends
    }
    EXPECT_EQ(count(db, QStringLiteral("tblBibleStory")), 3);
    {
        Transaction tx(db);
        EXPECT_TRUE(DeleteNumericRecord(db, QStringLiteral("tblBibleStory"), QStringLiteral("StoryNumber"), 7));
        EXPECT_TRUE(tx.commit());
    }
    EXPECT_EQ(count(db, QStringLiteral("tblBibleStory")), 1);
}
