// The databases the build ships and the operations on them; unreadable files are the start-up's tests.
#include "support/DatabaseFolder.h"

#include "storage/Database.h"
#include "storage/Globals.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace kivra;

namespace {

using Rows = std::vector<std::string>;

// Every row, its columns joined by '|'; std::string so that failures print readably.
Rows rows(const QSqlDatabase& db, const QString& sql)
{
    QSqlQuery query(db);
    EXPECT_TRUE(query.exec(sql)) << sql.toStdString() << ": " << query.lastError().text().toStdString();
    Rows result;
    while (query.next()) {
        QStringList columns;
        for (int c = 0; c < query.record().count(); ++c)
            columns.append(query.value(c).toString());
        result.push_back(columns.join(u'|').toStdString());
    }
    return result;
}

std::string value(const QSqlDatabase& db, const QString& sql)
{
    const Rows all = rows(db, sql);
    return all.empty() ? "<no row>" : all.front();
}

std::string verse(const char* book, int chapter, int section)
{
    return value(BibleConnection(), QStringLiteral(R"(SELECT "Text" FROM "tblBible" WHERE "BookAbbreviation" = '%1' AND "Chapter" = %2 AND "Sections" = %3)")
                                        .arg(QLatin1StringView(book)).arg(chapter).arg(section));
}

using ProgramData = test::InFolder<>;

TEST_F(ProgramData, TheBibleHoldsTheWholeCanonInOrder)
{
    const QSqlDatabase db = BibleConnection();
    EXPECT_EQ(value(db, R"(SELECT COUNT(*), MIN("ID"), MAX("ID") FROM "tblBible")"), "31102|1|31102");
    EXPECT_EQ(value(db, R"(SELECT COUNT(*) FROM "tblGetNumberOfSection")"), "1189");
    // Index order is the canonical order the book selector shows.
    EXPECT_EQ(rows(db, R"(SELECT "Index", "Book", "Testament", "BookAbbreviation" FROM "tblBibleBook"
                          WHERE "Index" IN (1, 22, 39, 40, 66) ORDER BY "Index")"),
              Rows({"1|Genesis|Old|Gen", "22|Song of Solomon|Old|Song", "39|Malachi|Old|Mal", "40|Matthew|New|Matt",
                    "66|Revelation|New|Rev"}));
    EXPECT_EQ(rows(db, R"(SELECT "ComboxItem" FROM "tblSettings_Combox" WHERE "ComboxCategory" = 'QueryStringOperator' ORDER BY rowid)"),
              Rows({"AND", "OR"}));
}

TEST_F(ProgramData, VersesKeepTheirTextExactly)
{
    EXPECT_EQ(verse("Rev", 22, 21), "The grace of our Lord Jesus Christ be with you all. Amen.");
    // Blanks the printed text carries; searches for exact phrases depend on them.
    EXPECT_NE(verse("Josh", 7, 2).find("view the country.  And the men"), std::string::npos) << verse("Josh", 7, 2);
    EXPECT_TRUE(verse("Mark", 10, 19).ends_with("Honour thy father and mother. ")) << '"' << verse("Mark", 10, 19) << '"';
}

TEST_F(ProgramData, UserDatabasesStartWithoutBookmarksOrStories)
{
    EXPECT_EQ(value(OptionsConnection(), R"(SELECT COUNT(*) FROM "tblBookmark")"), "0");
    const QSqlDatabase story = StoryConnection();
    const QString columns = QStringLiteral(R"(SELECT "name", "type", "notnull", "pk" FROM pragma_table_info('%1'))");
    const Rows storyColumns = rows(story, columns.arg("tblBibleStory"));
    EXPECT_EQ(storyColumns.size(), 15);
    EXPECT_EQ(rows(story, columns.arg("tblBibleStory_Backup")), storyColumns);
    EXPECT_EQ(value(story, R"(SELECT (SELECT COUNT(*) FROM "tblBibleStory") + (SELECT COUNT(*) FROM "tblBibleStory_Backup"))"), "0");
}

} // namespace

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
