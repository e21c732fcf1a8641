#pragma once
// The statements behind the quick search and the advanced search, built without widgets so tests
// and the command line use exactly what the windows run. Search texts always travel as bound
// parameters; '%' and '_' in them keep their LIKE meaning, every other character (a double quote
// included) is matched as itself. LIKE ignores case for ASCII letters only, as the text is ASCII.
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariantList>

namespace kivra {

// The condition of a search as data, for a scan of texts held in memory; it selects exactly the
// verses of the statement it travels with.
struct VerseFilter {
    struct TextCondition {
        QString pattern;  // a LIKE pattern
        bool negated = false;
        QString text;     // as typed, the pattern without its outer '%' signs
    };
    QList<TextCondition> texts;  // none, one or two
    bool eitherText = false;     // OR between two texts instead of AND
    bool wholeWords = false;     // texts as whole words (SearchMatcher); the statement then selects more
    bool withinScope = false;
    QString testamentWord, bookAbbreviation;
    int fromKey = 0, toKeyExclusive = 0;  // chapter * 1000 + verse
};

struct SearchQuery {
    QString sql;          // empty when the inputs cannot make a statement
    QVariantList params;  // in the order of the '?' marks
    bool usesIndex = false;
    VerseFilter filter;
    bool valid() const { return !sql.isEmpty(); }
};

// The columns of every search, in the positions the results grid reads them.
inline const QStringList SearchColumnNames = {QStringLiteral("ID"),      QStringLiteral("Testament"),
                                              QStringLiteral("BookAbbreviation"), QStringLiteral("Chapter"),
                                              QStringLiteral("Sections"), QStringLiteral("Text")};
inline const QString SearchColumns =
    QStringLiteral(R"("ID", "Testament", "BookAbbreviation", "Chapter", "Sections", "Text")");
inline const QString SearchIndexTable = QStringLiteral("tblBibleSearch");
inline const QString SearchVocabTable = QStringLiteral("tblBibleSearchVocab");

// A pattern the index is not worth for: more verses than this hold its rarest trigram.
inline constexpr int CommonTrigramVerses = 4000;

// The text with leading and trailing blanks removed (blanks only, as the search box trims).
QString TrimBlanks(const QString& text);
// The LIKE pattern of "contains text".
QString ContainsPattern(const QString& text);
// The distinct lower-case trigrams of the pattern's literal runs of three or more characters; empty
// when there are none or the pattern holds a character outside ASCII (the index then cannot help).
QStringList PatternTrigrams(const QString& pattern);

// Every verse containing text, in ID order, read by a scan of the whole text.
SearchQuery QuickSearchScan(const QString& text);
// The same verses, narrowed first through the trigram index.
SearchQuery QuickSearchIndexed(const QString& text);
// Chooses: the index when db has it and the pattern's rarest trigram is not common, else the scan.
SearchQuery BuildQuickSearch(const QSqlDatabase& db, const QString& text);

// "0 verse found", "1 verse found", "12 verses found"
QString FoundStatusText(int count);

// Every member has an initializer, so a caller may name only the members it sets.
struct AdvancedSearchInput {
    QString text1{}, operator1{};  // operator: internal name, LIKE or NOT LIKE
    QString joiner{};              // AND or OR, used only when both texts are given
    QString text2{}, operator2{};
    bool withinScope = false;      // false: all books
    bool wholeWords = false;
    QString testamentWord{};       // Old or New
    QString bookAbbreviation{};
    int fromChapter = 0, fromSection = 0, toChapter = 0, toSection = 0;
};

bool IsMatchOperator(const QString& op);
bool IsLogicalOperator(const QString& op);

// The advanced search: each non-empty text (untrimmed) as "contains" or "does not contain", the
// joiner between them when both are given, and within the scope the verses of the book from the
// from-verse up to the to-verse inclusive. Operators outside the known ones give an invalid query
// and, when badOperator is given, the operator in it.
SearchQuery BuildAdvancedQuery(const AdvancedSearchInput& input, QString* badOperator = nullptr);

// The row the results cursor moves to on key (Qt::Key_End, Key_Home, Key_Up, Key_Down) from row
// current of count rows; current itself for any other key or when no move is possible.
int ResultCursorTarget(int current, int count, int key);

} // namespace kivra
