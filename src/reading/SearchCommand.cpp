#include "reading/SearchCommand.h"

#include "reading/Passage.h"
#include "reading/Search.h"
#include "storage/Database.h"
#include "storage/Globals.h"

#include <QSqlQuery>
#include <QTextStream>

namespace kivra {
namespace {

// The book's abbreviation from its name (or its abbreviation), within the testament word.
QString abbreviationOf(const QString& book, const QString& testamentWord)
{
    auto rs = GetADORecordSetByQueryString(
        BibleConnection(),
        QStringLiteral(R"(SELECT "BookAbbreviation" FROM "tblBibleBook" WHERE "Testament" = ?
                          AND (lower("Book") = lower(?) OR lower("BookAbbreviation") = lower(?)))"),
        {testamentWord, book, book});
    return rs && !rs->eof() ? rs->text(QStringLiteral("BookAbbreviation")) : QString();
}

bool parseAdvanced(const QStringList& args, AdvancedSearchInput* in, QString* error)
{
    in->operator1 = in->operator2 = QStringLiteral("LIKE");
    in->joiner = QStringLiteral("AND");
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        const int needed = a == QLatin1String("--scope") ? 3 : 1;
        if (i + needed >= args.size()) {
            *error = QStringLiteral("%1 needs %2 value(s)").arg(a).arg(needed);
            return false;
        }
        if (a == QLatin1String("--text1")) {
            in->text1 = args[++i];
        } else if (a == QLatin1String("--op1")) {
            in->operator1 = args[++i];
        } else if (a == QLatin1String("--join")) {
            in->joiner = args[++i];
        } else if (a == QLatin1String("--text2")) {
            in->text2 = args[++i];
        } else if (a == QLatin1String("--op2")) {
            in->operator2 = args[++i];
        } else if (a == QLatin1String("--scope")) {
            in->withinScope = true;
            const QString testament = args[i + 1].toLower();
            if (testament == QLatin1String("old") || testament == QLatin1String("old testament"))
                in->testamentWord = QStringLiteral("Old");
            else if (testament == QLatin1String("new") || testament == QLatin1String("new testament"))
                in->testamentWord = QStringLiteral("New");
            else {
                *error = QStringLiteral("no testament %1").arg(args[i + 1]);
                return false;
            }
            in->bookAbbreviation = abbreviationOf(args[i + 2], in->testamentWord);
            if (in->bookAbbreviation.isEmpty()) {
                *error = QStringLiteral("no book %1 in the %2").arg(args[i + 2], args[i + 1]);
                return false;
            }
            if (!ParseVerseRange(args[i + 3], &in->fromChapter, &in->fromSection, &in->toChapter, &in->toSection)) {
                *error = QStringLiteral("not a verse range: %1").arg(args[i + 3]);
                return false;
            }
            i += 3;
        } else {
            *error = QStringLiteral("unknown option %1").arg(a);
            return false;
        }
    }
    return true;
}

} // namespace

int RunSearchCommand(const QStringList& operands, QTextStream& out, QTextStream& err)
{
    const QString command = operands.value(0);
    SearchQuery q;
    if (command == QLatin1String("search") && operands.size() == 2) {
        if (operands[1].isEmpty()) {
            out << FoundStatusText(0) << '\n';  // the box ignores an empty text; nothing is searched
            return 0;
        }
        q = BuildQuickSearch(BibleConnection(), TrimBlanks(operands[1]));
    } else if (command == QLatin1String("advanced-search")) {
        AdvancedSearchInput in;
        QString error, badOperator;
        if (!parseAdvanced(operands.mid(1), &in, &error)) {
            err << error << '\n';
            return 2;
        }
        q = BuildAdvancedQuery(in, &badOperator);
        if (!q.valid()) {
            err << "unknown operator: " << badOperator << '\n';
            return 2;
        }
    } else {
        err << "usage: search TEXT | advanced-search [options]\n";
        return 2;
    }
    // Each row is written as it is read: a common word gives tens of thousands of lines.
    QSqlQuery query(BibleConnection());
    query.setForwardOnly(true);
    if (!RunPrepared(query, q.sql, q.params)) {
        err << "the search failed\n";
        return 1;
    }
    const int book = int(SearchColumnNames.indexOf(QStringLiteral("BookAbbreviation")));
    const int chapter = int(SearchColumnNames.indexOf(QStringLiteral("Chapter")));
    const int verse = int(SearchColumnNames.indexOf(QStringLiteral("Sections")));
    const int text = int(SearchColumnNames.indexOf(QStringLiteral("Text")));
    int found = 0;
    for (; query.next(); ++found)
        out << query.value(book).toString() << ' ' << query.value(chapter).toInt() << ':' << query.value(verse).toInt()
            << '\t' << query.value(text).toString() << '\n';
    out << FoundStatusText(found) << '\n';
    return 0;
}

} // namespace kivra
