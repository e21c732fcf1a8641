// The book catalogue and the search statements against the real Bible text, with and without the index.
#include "reading/BookCatalogue.h"
#include "reading/Passage.h"
#include "reading/Search.h"
#include "reading/LikePattern.h"
#include "reading/SearchCommand.h"
#include "reading/SearchMatcher.h"
#include "reading/VerseTexts.h"
#include "storage/Database.h"
#include "storage/Globals.h"
#include "support/DatabaseFolder.h"
#include "support/WholeWords.h"

#include <QBuffer>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QTextStream>
#include <algorithm>
#include <gtest/gtest.h>

using namespace kivra;
using namespace Qt::StringLiterals;

namespace {

std::vector<int> ids(const SearchQuery& q)
{
    std::vector<int> result;
    QSqlQuery query(BibleConnection());
    query.setForwardOnly(true);
    EXPECT_TRUE(RunPrepared(query, q.sql, q.params)) << q.sql.toStdString();
    while (query.next())
        result.push_back(query.value(QStringLiteral("ID")).toInt());
    return result;
}

// The IDs the in-memory scan finds for the same search.
std::vector<int> scanned(const SearchQuery& q)
{
    std::vector<int> result;
    const auto verses = BibleVerseTexts();
    EXPECT_TRUE(verses);
    if (verses)
        for (int row : verses->matching(q.filter))
            result.push_back(verses->cell(row, 0).toInt());
    return result;
}

// "Gen 1:4" for each row, to compare with verses a reader can check.
QStringList references(const SearchQuery& q)
{
    QStringList result;
    auto rs = queryRows(BibleConnection(), q.sql, q.params);
    EXPECT_TRUE(rs) << q.sql.toStdString();
    if (rs)
        for (rs->MoveFirst(); !rs->eof(); rs->MoveNext())
            result << QStringLiteral("%1 %2:%3")
                          .arg(rs->text(QStringLiteral("BookAbbreviation")), rs->text(QStringLiteral("Chapter")),
                               rs->text(QStringLiteral("Sections")));
    return result;
}

using SearchQueries = test::InFolder<>;

TEST_F(SearchQueries, IndexAndMemoryScanFindExactlyWhatTheStatementFinds)
{
    const QStringList patterns = {
        "grace", "GRACE", "LORD", "lord", "the", "a", "in the beginning", "gr_ce", "lo%god", "%", "_", "ye",
        "qu", "zz", "xyzzy", "\"", "'s", "Jesus wept", "shalt not", "Selah", "  ", "ah", "ion", "eth,",
        "and the", "ZION", "o'er", "[a]", "a_b", "__ce__", "wept.", "I AM", "Mar%rod", "God; ", "nevertheless",
        "thee", "unto", "Babylon", "x", "j", "Hallelujah", "A%B%C", "", "%%", "_%_", "LoRd%Go_", "gr\u00e2ce",
        "\u00e9", "t_e_e", "%the", "the%", ". ", "____________________________________________________"};
    int indexed = 0;
    for (const QString& p : patterns) {
        const SearchQuery scan = QuickSearchScan(p);
        const std::vector<int> expected = ids(scan);
        EXPECT_EQ(ids(QuickSearchIndexed(p)), expected) << p.toStdString();
        EXPECT_EQ(scanned(scan), expected) << p.toStdString();
        const SearchQuery chosen = BuildQuickSearch(BibleConnection(), p);
        if (chosen.usesIndex) {
            EXPECT_EQ(ids(chosen), expected) << p.toStdString();
        }
        indexed += chosen.usesIndex;
    }
    EXPECT_GT(indexed, 10);  // the index is in use, not only present
    EXPECT_TRUE(BuildQuickSearch(BibleConnection(), QStringLiteral("grace")).usesIndex);
    EXPECT_FALSE(BuildQuickSearch(BibleConnection(), QStringLiteral("the")).usesIndex);  // too common to pay
    EXPECT_FALSE(BuildQuickSearch(BibleConnection(), QStringLiteral("ye")).usesIndex);   // too short for trigrams
}

// The counts the search box reports are checked in the window; these are the matching rules.
TEST_F(SearchQueries, QuickSearchMatchesSubstringsIgnoringCaseWithWildcards)
{
    const auto all = ids(BuildQuickSearch(BibleConnection(), QString()));
    EXPECT_TRUE(std::is_sorted(all.begin(), all.end()));
    EXPECT_EQ(references(BuildQuickSearch(BibleConnection(), QStringLiteral("jesus WEPT"))), QStringList({"John 11:35"}));
    // '_' is any one character, '%' any run.
    EXPECT_EQ(references(BuildQuickSearch(BibleConnection(), QStringLiteral("Jes_s%wept."))),
              QStringList({"Mark 14:72", "John 11:35"}));
}

AdvancedSearchInput genesisScope(int fc, int fs, int tc, int ts)
{
    return {.operator1 = u"LIKE"_s, .joiner = u"AND"_s, .operator2 = u"LIKE"_s, .withinScope = true,
            .testamentWord = u"Old"_s, .bookAbbreviation = u"Gen"_s,
            .fromChapter = fc, .fromSection = fs, .toChapter = tc, .toSection = ts};
}

TEST_F(SearchQueries, AdvancedQueryJoinsOnlyTheTextsGivenAndRefusesUnknownOperators)
{
    AdvancedSearchInput in{.operator1 = u"LIKE"_s, .joiner = u"OR"_s, .operator2 = u"NOT LIKE"_s};
    EXPECT_EQ(ids(BuildAdvancedQuery(in)).size(), 31102u) << "nothing given: every verse";

    // Only the second text: no joiner, whatever the logical operator shows.
    in.text2 = QStringLiteral("the");
    const SearchQuery withoutThe{QStringLiteral(R"(SELECT * FROM "tblBible" WHERE "Text" NOT LIKE '%the%' ORDER BY "ID")"), {}, false, {}};
    EXPECT_EQ(ids(BuildAdvancedQuery(in)), ids(withoutThe));

    // Operators are data of the Bible file: only known ones reach the statement.
    in.text1 = QStringLiteral("grace");
    QString bad;
    in.joiner = QStringLiteral("OR 1=1; DROP TABLE tblBible; --");
    EXPECT_FALSE(BuildAdvancedQuery(in, &bad).valid());
    EXPECT_EQ(bad, in.joiner);
    in.joiner = QStringLiteral("AND");
    in.operator1 = QStringLiteral("=");
    EXPECT_FALSE(BuildAdvancedQuery(in).valid());
    in.text1.clear();  // an unused operator does not matter
    EXPECT_TRUE(BuildAdvancedQuery(in).valid());
}

TEST_F(SearchQueries, MemoryScanFindsWhatEveryAdvancedStatementFinds)
{
    const std::pair<const char*, const char*> texts[] = {{"light", "dark"}, {"LORD", ""}, {"", "th_e"}};
    for (const auto& [text1, text2] : texts)
        for (const char* op1 : {"LIKE", "NOT LIKE"})
            for (const char* op2 : {"like", "NOT LIKE"})
                for (const char* joiner : {"AND", "or"})
                    for (bool scoped : {false, true}) {
                        AdvancedSearchInput in = genesisScope(1, 3, 3, 8);
                        in.withinScope = scoped;
                        in.text1 = QString::fromLatin1(text1);
                        in.text2 = QString::fromLatin1(text2);
                        in.operator1 = QString::fromLatin1(op1);
                        in.operator2 = QString::fromLatin1(op2);
                        in.joiner = QString::fromLatin1(joiner);
                        const SearchQuery q = BuildAdvancedQuery(in);
                        EXPECT_EQ(scanned(q), ids(q)) << q.sql.toStdString() << ' ' << text1 << ' ' << text2;
                    }
}

// Patterns and non-ASCII texts against SQLite itself (given both sides lowered: it folds ASCII only).
TEST_F(SearchQueries, LikePatternAgreesWithSqliteOnAnchorsAndCharacters)
{
    const QStringList textsToTry = {"", "a", "abc", "ABC", "a\u00e9c", "\u00c9t\u00e9", "aXbXc", "a_c", "ab%c", "banana"};
    const QStringList patterns = {"",   "a",  "abc",  "ABC", "a_c", "a%", "%c",  "a%c", "_", "___", "a%b%c",
                                  "%a%", "__%", "%__", "\u00e9", "a_", "%\u00e9%", "\u00e9t\u00e9", "\u00c9%", "b%n%a", "%ana", "ban%ana"};
    QSqlQuery sql(BibleConnection());
    for (const QString& text : textsToTry)
        for (const QString& pattern : patterns) {
            ASSERT_TRUE(sql.prepare(QStringLiteral("SELECT ? LIKE ?")));
            sql.addBindValue(text.toLower());
            sql.addBindValue(pattern.toLower());
            ASSERT_TRUE(sql.exec() && sql.next());
            const QByteArray lowered = FoldCase(text.toUtf8());
            EXPECT_EQ(LikePattern(pattern).matches(std::string_view(lowered.constData(), size_t(lowered.size()))),
                      sql.value(0).toBool())
                << text.toStdString() << " LIKE " << pattern.toStdString();
        }
}

TEST_F(SearchQueries, AdvancedRangeRunsFromTheFromVerseThroughTheToVerse)
{
    AdvancedSearchInput in = genesisScope(1, 1, 2, 5);
    in.text1 = QStringLiteral("light");
    in.text2 = QStringLiteral("dark");
    EXPECT_EQ(references(BuildAdvancedQuery(in)), QStringList({"Gen 1:4", "Gen 1:5", "Gen 1:18"}));

    // The to-verse is included although it ends its chapter; the next chapter's first is not.
    EXPECT_EQ(references(BuildAdvancedQuery(genesisScope(2, 24, 2, 25))), QStringList({"Gen 2:24", "Gen 2:25"}));
    EXPECT_EQ(references(BuildAdvancedQuery(genesisScope(2, 25, 3, 1))), QStringList({"Gen 2:25", "Gen 3:1"}));
    // Verse 10 must not sort before verse 9 as it would in a naive text key.
    EXPECT_EQ(BuildAdvancedQuery(genesisScope(1, 9, 1, 10)).params.size(), 4);
    EXPECT_EQ(references(BuildAdvancedQuery(genesisScope(1, 9, 1, 10))), QStringList({"Gen 1:9", "Gen 1:10"}));
    // From after to: nothing, no error.
    EXPECT_TRUE(ids(BuildAdvancedQuery(genesisScope(3, 1, 2, 1))).empty());
    // Another book's verses with the same numbers stay out.
    AdvancedSearchInput exodus = genesisScope(1, 1, 1, 3);
    exodus.bookAbbreviation = QStringLiteral("Exod");
    EXPECT_EQ(references(BuildAdvancedQuery(exodus)), QStringList({"Exod 1:1", "Exod 1:2", "Exod 1:3"}));
}

// The IDs of the verses in which every one of the texts matches as whole words (none: no texts).
std::vector<int> regularExpressionScan(const QStringList& texts, const QStringList& leftOut = {})
{
    std::vector<int> result;
    QSqlQuery query(BibleConnection());
    EXPECT_TRUE(query.exec(QStringLiteral(R"(SELECT "ID", "Text" FROM "tblBible" ORDER BY "ID")")));
    QList<QRegularExpression> wanted, unwanted;
    for (const QString& t : texts)
        wanted << test::WholeWordsExpression(t);
    for (const QString& t : leftOut)
        unwanted << test::WholeWordsExpression(t);
    const auto matchesIn = [](const QString& verse) {
        return [&verse](const QRegularExpression& e) { return e.match(verse).hasMatch(); };
    };
    while (query.next()) {
        const QString verse = query.value(1).toString();
        if (std::all_of(wanted.begin(), wanted.end(), matchesIn(verse))
            && std::none_of(unwanted.begin(), unwanted.end(), matchesIn(verse)))
            result.push_back(query.value(0).toInt());
    }
    return result;
}

SearchQuery wholeWordsSearch(const QString& text)
{
    SearchQuery q = QuickSearchScan(text);
    q.filter.wholeWords = true;
    return q;
}

TEST_F(SearchQueries, WholeWordsFindWhatARegularExpressionScanFinds)
{
    const QStringList texts = {"faith", "FAITH", "the", "a", "in the beginning", "lord's", "s", "'",  "o'er", "moses",
                               "moses'", "lord",
                               "f_ith", "faith%", "%ful", "l%d", "gr_ce", "_", "%", "the l%", "ye,", ", and",
                               "wept.", "selah", "ah", "a%b", "xyzzy", "Jesus wept", "_o_"};
    for (const QString& text : texts)
        EXPECT_EQ(scanned(wholeWordsSearch(text)), regularExpressionScan({text})) << text.toStdString();

    const std::vector<int> faith = scanned(wholeWordsSearch(QStringLiteral("faith")));
    EXPECT_LT(faith.size(), scanned(QuickSearchScan(QStringLiteral("faith"))).size());  // "faithful" left out
    // A possessive after the word keeps it a word: "But Moses' hands were heavy" (Exodus 17:12).
    const std::vector<int> moses = scanned(wholeWordsSearch(QStringLiteral("moses")));
    const std::vector<int> possessive = scanned(QuickSearchScan(QStringLiteral("moses' hands")));
    ASSERT_FALSE(possessive.empty());
    EXPECT_TRUE(std::includes(moses.begin(), moses.end(), possessive.begin(), possessive.end()));

    const AdvancedSearchInput in{.text1 = u"faithful"_s, .operator1 = u"LIKE"_s, .joiner = u"AND"_s,
                                 .text2 = u"faith"_s, .operator2 = u"NOT LIKE"_s, .wholeWords = true};
    EXPECT_EQ(scanned(BuildAdvancedQuery(in)), regularExpressionScan({"faithful"}, {"faith"}));
}

TEST(SearchMarks, MarksEveryMatchOfTheTextsLookedFor)
{
    const QString verse = QStringLiteral("Faith, faithful; the FAITH of faithfulness.");
    EXPECT_EQ(MatchMarks(wholeWordsSearch(QStringLiteral("faith")).filter).ranges(verse),
              (QList<QPair<int, int>>{{0, 5}, {21, 5}}));
    EXPECT_EQ(MatchMarks(QuickSearchScan(QStringLiteral("faith")).filter).ranges(verse).size(), 4);
    EXPECT_EQ(MatchMarks(wholeWordsSearch(QStringLiteral("f_ith%")).filter).ranges(verse),
              (QList<QPair<int, int>>{{0, 5}, {7, 8}, {21, 5}, {30, 12}}));
    EXPECT_EQ(MatchMarks(QuickSearchScan(QStringLiteral("the%of")).filter).ranges(verse),
              (QList<QPair<int, int>>{{17, 12}}));

    const AdvancedSearchInput in{.text1 = u"faith"_s, .operator1 = u"NOT LIKE"_s, .joiner = u"OR"_s,
                                 .text2 = u"the"_s, .operator2 = u"LIKE"_s};
    EXPECT_EQ(MatchMarks(BuildAdvancedQuery(in).filter).ranges(verse), (QList<QPair<int, int>>{{17, 3}}));
}

// Runs a search command: its exit code and what it printed.
std::pair<int, QString> runSearch(const QStringList& args)
{
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    QString errors;
    QTextStream e(&errors);
    const int code = RunSearchCommand(args, out, e);
    return {code, QString::fromUtf8(out.data())};
}

TEST_F(SearchQueries, CommandsPrintTheHitsThenTheCount)
{
    EXPECT_EQ(runSearch({"search", "Jesus wept"}), std::pair(0, QStringLiteral("John 11:35\tJesus wept.\n1 verse found\n")));
    const auto [code, out] = runSearch({"advanced-search", "--text1", "light", "--join", "AND", "--text2", "dark",
                                        "--scope", "Old Testament", "Genesis", "1:1-2:5"});
    EXPECT_EQ(code, 0);
    EXPECT_TRUE(out.startsWith(QStringLiteral("Gen 1:4\t"))) << out.toStdString();
    EXPECT_TRUE(out.endsWith(QStringLiteral("\n3 verses found\n"))) << out.toStdString();
    EXPECT_EQ(runSearch({"advanced-search", "--text1", "x", "--op1", "GLOB"}).first, 2);
    EXPECT_EQ(runSearch({"advanced-search", "--scope", "Old", "Matthew", "1:1-1:2"}).first, 2);
    EXPECT_EQ(runSearch({"advanced-search", "--scope", "Old Testament", "Genesis", "1:1-99:1"}).first, 2);
    // "--" ends the options: what follows is the text, even one that looks like an option.
    EXPECT_EQ(runSearch({"search", "--", "Jesus wept"}), runSearch({"search", "Jesus wept"}));
    EXPECT_EQ(runSearch({"search", "--", "--whole-words"}), std::pair(0, QStringLiteral("0 verse found\n")));

    // Whole words: the count is the regular expression's.
    EXPECT_TRUE(runSearch({"search", "--whole-words", "faith"})
                    .second.endsWith(QStringLiteral("\n%1 verses found\n").arg(regularExpressionScan({"faith"}).size())));
    EXPECT_TRUE(runSearch({"advanced-search", "--whole-words", "--text1", "faithful", "--op1", "LIKE", "--text2", "faith",
                           "--op2", "NOT LIKE"})
                    .second.endsWith(QStringLiteral("\n%1 verses found\n").arg(regularExpressionScan({"faithful"}, {"faith"}).size())));
}

using Catalogue = test::InFolder<>;

TEST_F(Catalogue, ChapterAndVerseCountsAgreeWithTheVerseTable)
{
    const auto books = BibleBooks();
    ASSERT_FALSE(books->isEmpty());
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
    const auto books = BibleBooks();
    ASSERT_FALSE(books->isEmpty());
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

} // namespace
