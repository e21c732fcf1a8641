// The databases the build puts into the program folder: the complete text, exact verse wording and
// the seeds the reader relies on.
#include "support/DatabaseFolder.h"

#include "storage/Globals.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>
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
    // Book and verse counts per chapter are checked against the verses by the catalogue's test.
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
