#include "reading/Search.h"

#include "reading/Passage.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QSet>
#include <QSqlQuery>

#include <algorithm>
#include <climits>

namespace kivra {

QString TrimBlanks(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == u' ')
        ++first;
    while (last > first && text[last - 1] == u' ')
        --last;
    return text.mid(first, last - first);
}

QString ContainsPattern(const QString& text)
{
    return QLatin1Char('%') + text + QLatin1Char('%');
}

QStringList PatternTrigrams(const QString& pattern)
{
    for (QChar c : pattern)
        if (c.unicode() > 127)
            return {};
    QStringList trigrams;
    QSet<QString> seen;
    const QString lower = pattern.toLower();
    for (const QString& run : lower.split(QRegularExpression(QStringLiteral("[%_]")), Qt::SkipEmptyParts)) {
        for (qsizetype i = 0; i + 3 <= run.size(); ++i) {
            const QString t = run.mid(i, 3);
            if (!seen.contains(t)) {
                seen.insert(t);
                trigrams << t;
            }
        }
    }
    return trigrams;
}

static QString selectVerses(const QString& where)
{
    return QStringLiteral(R"(SELECT %1 FROM "tblBible" WHERE %2 ORDER BY "ID")").arg(SearchColumns, where);
}

static VerseFilter containing(const QString& text)
{
    VerseFilter filter;
    filter.texts.append({ContainsPattern(text), false, text});
    return filter;
}

SearchQuery QuickSearchScan(const QString& text)
{
    return {selectVerses(QStringLiteral(R"("Text" LIKE ?)")), {ContainsPattern(text)}, false, containing(text)};
}

SearchQuery QuickSearchIndexed(const QString& text)
{
    // The index only proposes candidates; LIKE on tblBible decides, so the rows are the scan's.
    const QString pattern = ContainsPattern(text);
    return {selectVerses(QStringLiteral(R"("ID" IN (SELECT rowid FROM "%1" WHERE "Text" LIKE ?) AND "Text" LIKE ?)")
                             .arg(SearchIndexTable)),
            {pattern, pattern},
            true,
            containing(text)};
}

static bool hasSearchIndex(const QSqlDatabase& db)
{
    QSqlQuery query(db);
    query.prepare(QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE name IN (?, ?)"));
    query.addBindValue(SearchIndexTable);
    query.addBindValue(SearchVocabTable);
    return query.exec() && query.next() && query.value(0).toInt() == 2;
}

// True when the index narrows the pattern to few verses: some trigram is in no verse at all, or
// the rarest one is in no more than CommonTrigramVerses. Common patterns read faster by a scan.
static bool indexPays(const QSqlDatabase& db, const QStringList& trigrams)
{
    QStringList marks(trigrams.size(), QStringLiteral("?"));
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.prepare(QStringLiteral(R"(SELECT "doc" FROM "%1" WHERE "term" IN (%2))")
                           .arg(SearchVocabTable, marks.join(QLatin1Char(',')))))
        return false;
    for (const QString& t : trigrams)
        query.addBindValue(t);
    if (!query.exec())
        return false;
    int found = 0;
    int rarest = INT_MAX;
    while (query.next()) {
        ++found;
        rarest = std::min(rarest, query.value(0).toInt());
    }
    return found < trigrams.size() || rarest <= CommonTrigramVerses;
}

SearchQuery BuildQuickSearch(const QSqlDatabase& db, const QString& text)
{
    const QStringList trigrams = PatternTrigrams(text);
    if (!trigrams.isEmpty() && hasSearchIndex(db) && indexPays(db, trigrams))
        return QuickSearchIndexed(text);
    return QuickSearchScan(text);
}

QString FoundStatusText(int count)
{
    // Two texts, not a plural form: English says "0 verse found", as the status line always has.
    return (count >= 2 ? QCoreApplication::translate("Search", "%1 verses found")
                       : QCoreApplication::translate("Search", "%1 verse found"))
        .arg(count);
}

bool IsMatchOperator(const QString& op)
{
    const QString o = op.trimmed().toUpper();
    return o == QLatin1String("LIKE") || o == QLatin1String("NOT LIKE");
}

bool IsLogicalOperator(const QString& op)
{
    const QString o = op.trimmed().toUpper();
    return o == QLatin1String("AND") || o == QLatin1String("OR");
}

static bool isNegation(const QString& matchOperator)
{
    return matchOperator.trimmed().toUpper() == QLatin1String("NOT LIKE");
}

// The operators come from the Bible database's lists; only known ones reach the statement.
static bool checked(const QString& op, bool (*known)(const QString&), QString* badOperator)
{
    if (known(op))
        return true;
    if (badOperator)
        *badOperator = op;
    return false;
}

SearchQuery BuildAdvancedQuery(const AdvancedSearchInput& in, QString* badOperator)
{
    SearchQuery q;
    QString textCondition;
    if (!in.text1.isEmpty()) {
        if (!checked(in.operator1, IsMatchOperator, badOperator))
            return {};
        textCondition = QStringLiteral(R"(("Text" %1 ?) )").arg(in.operator1.trimmed().toUpper());
        q.params << ContainsPattern(in.text1);
        q.filter.texts.append({ContainsPattern(in.text1), isNegation(in.operator1), in.text1});
    }
    if (!in.text2.isEmpty()) {
        if (!checked(in.operator2, IsMatchOperator, badOperator))
            return {};
        QString joiner;
        if (!textCondition.isEmpty()) {
            if (!checked(in.joiner, IsLogicalOperator, badOperator))
                return {};
            joiner = in.joiner.trimmed().toUpper() + QLatin1Char(' ');
            q.filter.eitherText = joiner.startsWith(QLatin1String("OR"));
        }
        textCondition = QStringLiteral(R"((%1%2("Text" %3 ?) ))")
                            .arg(textCondition, joiner, in.operator2.trimmed().toUpper());
        q.params << ContainsPattern(in.text2);
        q.filter.texts.append({ContainsPattern(in.text2), isNegation(in.operator2), in.text2});
    }

    q.filter.wholeWords = in.wholeWords;
    QString range;
    if (in.withinScope) {
        // chapter*1000+verse orders like the six-digit "cccvvv" key; the upper end is the key of
        // the verse after the to-verse, excluded, so the to-verse is in whatever chapter it ends.
        range = QStringLiteral(R"(("Testament" = ?) AND ("BookAbbreviation" = ?) AND )"
                               R"(("Chapter" * 1000 + "Sections" >= ?) AND ("Chapter" * 1000 + "Sections" < ?))");
        q.filter.withinScope = true;
        q.filter.testamentWord = in.testamentWord;
        q.filter.bookAbbreviation = in.bookAbbreviation;
        q.filter.fromKey = VerseKey(in.fromChapter, in.fromSection);
        q.filter.toKeyExclusive = VerseKey(in.toChapter, in.toSection) + 1;
        q.params << in.testamentWord << in.bookAbbreviation << q.filter.fromKey << q.filter.toKeyExclusive;
    }

    QString where;
    if (!textCondition.isEmpty() && !range.isEmpty())
        where = QStringLiteral("WHERE ( %1 AND %2 ) ").arg(textCondition, range);
    else if (!textCondition.isEmpty())
        where = QStringLiteral("WHERE ( %1 ) ").arg(textCondition);
    else if (!range.isEmpty())
        where = QStringLiteral("WHERE ( %1 ) ").arg(range);
    q.sql = QStringLiteral(R"(SELECT %1 FROM "tblBible" %2ORDER BY "ID")").arg(SearchColumns, where);
    return q;
}

int ResultCursorTarget(int current, int count, int key)
{
    if (count <= 0)
        return current;
    switch (key) {
    case Qt::Key_End:
        return count - 1;
    case Qt::Key_Home:
        return 0;
    case Qt::Key_Up:
        return current > 0 ? current - 1 : current;
    case Qt::Key_Down:
        return current < count - 1 ? current + 1 : current;
    default:
        return current;
    }
}

} // namespace kivra
