// The databases the build puts into the program folder, opened read-only as the program opens the
// Bible. Checks what the reader relies on: the complete text, exact verse wording and the seeds.
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>
#include <QVariant>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Rows = std::vector<std::string>;

class ReadOnlyDb {
public:
    explicit ReadOnlyDb(const QString& fileName) : name_(QStringLiteral("data_test:") + fileName)
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
        db.setDatabaseName(QStringLiteral(KIVRA_PROGRAM_DIR "/Db/") + fileName);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        opened_ = db.open();
        EXPECT_TRUE(opened_) << fileName.toStdString() << ": " << db.lastError().text().toStdString();
    }
    ~ReadOnlyDb()
    {
        QSqlDatabase::database(name_, false).close();
        QSqlDatabase::removeDatabase(name_);
    }

    bool opened() const { return opened_; }

    // Every row, its columns joined by '|'; std::string so that failures print readably.
    std::vector<std::string> rows(const QString& sql) const
    {
        QSqlQuery query(QSqlDatabase::database(name_, false));
        EXPECT_TRUE(query.exec(sql)) << sql.toStdString() << ": " << query.lastError().text().toStdString();
        std::vector<std::string> result;
        while (query.next()) {
            QStringList columns;
            for (int c = 0; c < query.record().count(); ++c)
                columns.append(query.value(c).toString());
            result.push_back(columns.join(u'|').toStdString());
        }
        return result;
    }

    std::string value(const QString& sql) const
    {
        const auto all = rows(sql);
        return all.empty() ? "<no row>" : all.front();
    }

    std::string verse(const char* book, int chapter, int section) const
    {
        return value(QStringLiteral(R"(SELECT "Text" FROM "tblBible" WHERE "BookAbbreviation" = '%1' AND "Chapter" = %2 AND "Sections" = %3)")
                         .arg(QLatin1StringView(book))
                         .arg(chapter)
                         .arg(section));
    }

private:
    QString name_;
    bool opened_ = false;
};

TEST(BibleDatabase, HoldsTheWholeCanonInOrder)
{
    ReadOnlyDb db(QStringLiteral("dbBible.dat"));
    ASSERT_TRUE(db.opened());
    EXPECT_EQ(db.value(R"(SELECT COUNT(*), MIN("ID"), MAX("ID") FROM "tblBible")"), "31102|1|31102");
    EXPECT_EQ(db.value(R"(SELECT COUNT(*) FROM "tblGetNumberOfSection")"), "1189");
    EXPECT_EQ(db.rows(R"(SELECT "Testament", COUNT(*) FROM "tblBibleBook" GROUP BY "Testament" ORDER BY 1 DESC)"),
              Rows({"Old|39", "New|27"}));

    // Index order is the canonical order the book selector shows.
    EXPECT_EQ(db.rows(R"(SELECT "Index", "Book", "Testament", "BookAbbreviation" FROM "tblBibleBook"
                         WHERE "Index" IN (1, 19, 22, 39, 40, 66) ORDER BY "Index")"),
              Rows({"1|Genesis|Old|Gen", "19|Psalms|Old|Ps", "22|Song of Solomon|Old|Song", "39|Malachi|Old|Mal",
                           "40|Matthew|New|Matt", "66|Revelation|New|Rev"}));
    EXPECT_EQ(db.value(R"(SELECT "Testament", "BookAbbreviation", "Chapter", "Sections" FROM "tblBible" WHERE "ID" = 23146)"),
              "New|Matt|1|1");

    EXPECT_EQ(db.value(R"(SELECT "NumOfSection" FROM "tblGetNumberOfSection" WHERE "BookAbbreviation" = 'Ps' AND "Chapter" = 119)"),
              "176");
    EXPECT_EQ(db.value(R"(SELECT COUNT(*) FROM "tblBible" WHERE "BookAbbreviation" = 'Ps' AND "Chapter" = 119)"), "176");
}

TEST(BibleDatabase, KeepsVerseTextExactly)
{
    ReadOnlyDb db(QStringLiteral("dbBible.dat"));
    ASSERT_TRUE(db.opened());
    EXPECT_EQ(db.verse("Gen", 1, 1), "In the beginning God created the heaven and the earth.");
    EXPECT_EQ(db.verse("John", 3, 16), "For God so loved the world, that he gave his only begotten Son, that whosoever "
                                       "believeth in him should not perish, but have everlasting life.");
    EXPECT_EQ(db.verse("Rev", 22, 21), "The grace of our Lord Jesus Christ be with you all. Amen.");
    // Blanks the printed text carries; searches for exact phrases depend on them.
    EXPECT_NE(db.verse("Josh", 7, 2).find("view the country.  And the men"), std::string::npos) << db.verse("Josh", 7, 2);
    EXPECT_NE(db.verse("Rev", 19, 3).find("Alleluia.  And her smoke"), std::string::npos) << db.verse("Rev", 19, 3);
    EXPECT_TRUE(db.verse("Mark", 10, 19).ends_with("Honour thy father and mother. ")) << '"' << db.verse("Mark", 10, 19) << '"';
}

TEST(BibleDatabase, CarriesTheSelectorSettings)
{
    ReadOnlyDb db(QStringLiteral("dbBible.dat"));
    ASSERT_TRUE(db.opened());
    EXPECT_EQ(db.rows(R"(SELECT "DataFieldExternalName", "DataFieldInternalName" FROM "tblSettings_ComboBox_Double_Value"
                         WHERE "DataFieldCategory" = 'Testament' ORDER BY "Index")"),
              Rows({"Old Testament|Old", "New Testament|New"}));
    EXPECT_EQ(db.value(R"(SELECT COUNT(*) FROM "tblSettings_ComboBox_Double_Value" WHERE "DataFieldCategory" LIKE 'Operator_')"),
              "4");
    EXPECT_EQ(db.rows(R"(SELECT "ComboxItem" FROM "tblSettings_Combox" WHERE "ComboxCategory" = 'QueryStringOperator' ORDER BY rowid)"),
              Rows({"AND", "OR"}));
}

TEST(UserDatabases, StartWithTheSeededPassageAndNoStories)
{
    ReadOnlyDb options(QStringLiteral("dbOptions.pre"));
    ASSERT_TRUE(options.opened());
    EXPECT_EQ(options.rows(R"(SELECT "BookMarkTestament", "BookMarkBook", "BookMarkChapter", "BookMarkSection",
                              "BookMarkToChapter", "BookMarkToSection" FROM "tblOptions")"),
              Rows({"Old Testament|Genesis|1|1|1|31"}));
    EXPECT_EQ(options.value(R"(SELECT COUNT(*) FROM "tblBookmark")"), "0");

    ReadOnlyDb story(QStringLiteral("dbStory.dat"));
    ASSERT_TRUE(story.opened());
    const QString columns = QStringLiteral(R"(SELECT "name", "type", "notnull", "pk" FROM pragma_table_info('%1'))");
    const auto storyColumns = story.rows(columns.arg("tblBibleStory"));
    EXPECT_EQ(storyColumns.size(), 15);
    EXPECT_EQ(story.rows(columns.arg("tblBibleStory_Backup")), storyColumns);
    EXPECT_EQ(story.value(R"(SELECT (SELECT COUNT(*) FROM "tblBibleStory") + (SELECT COUNT(*) FROM "tblBibleStory_Backup"))"), "0");
}

} // namespace
