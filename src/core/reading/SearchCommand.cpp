#include "reading/SearchCommand.h"

#include "reading/BookCatalogue.h"
#include "reading/ChosenBible.h"
#include "reading/Passage.h"
#include "reading/Search.h"
#include "reading/VerseTexts.h"
#include "study/StudyCommand.h"
#include "storage/Database.h"
#include "storage/Globals.h"

#include <QCoreApplication>
#include <QIODevice>
#include <QSqlDriver>
#include <QTextStream>
#include <memory>
#include <sqlite3.h>

namespace kivra {
namespace {

// The testament named by its shown name or its word ("old", "Old Testament"), in any case.
const Testament* testamentCalled(const BookCatalogue& books, const QString& text)
{
    for (const Testament& testament : books.testaments())
        if (testament.name.compare(text, Qt::CaseInsensitive) == 0
            || testament.word.compare(text, Qt::CaseInsensitive) == 0)
            return &testament;
    return nullptr;
}

// The book named by its name or its abbreviation, in any case, within the testament.
const BibleBook* bookCalled(const BookCatalogue& books, const QString& text, const Testament& testament)
{
    const BibleBook* book = books.bookNamed(text, Qt::CaseInsensitive);
    if (!book)
        book = books.bookAbbreviated(text, Qt::CaseInsensitive);
    return book && book->testament.word == testament.word ? book : nullptr;
}

bool parseAdvanced(const QStringList& args, AdvancedSearchInput* in, QString* error)
{
    in->operator1 = in->operator2 = QStringLiteral("LIKE");
    in->joiner = QStringLiteral("AND");
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        const int needed = a == QLatin1String("--scope") ? 3 : 1;
        if (i + needed >= args.size()) {
            *error = QCoreApplication::translate("SearchCommand", "%1 needs %n value(s)", nullptr, needed).arg(a);
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
            const auto books = BibleBooks();
            const Testament* testament = testamentCalled(*books, args[i + 1]);
            if (!testament) {
                *error = QCoreApplication::translate("SearchCommand", "no testament %1").arg(args[i + 1]);
                return false;
            }
            const BibleBook* book = bookCalled(*books, args[i + 2], *testament);
            if (!book) {
                *error = QCoreApplication::translate("SearchCommand", "no book %1 in the %2")
                             .arg(args[i + 2], args[i + 1]);
                return false;
            }
            Passage range;
            if (!ParseVerseRange(args[i + 3], &range)) {
                *error = QCoreApplication::translate("SearchCommand", "not a verse range: %1").arg(args[i + 3]);
                return false;
            }
            // The scope is checked as the passage command checks its range.
            range.book = book->name;
            if (!PassageExists(range)) {
                *error = QCoreApplication::translate("SearchCommand", "%1 has no verse range %2").arg(book->name, args[i + 3]);
                return false;
            }
            in->testamentWord = testament->word;
            in->bookAbbreviation = book->abbreviation;
            in->fromChapter = range.fromChapter;
            in->fromSection = range.fromVerse;
            in->toChapter = range.toChapter;
            in->toSection = range.toVerse;
            i += 3;
        } else {
            *error = QCoreApplication::translate("SearchCommand", "unknown option %1").arg(a);
            return false;
        }
    }
    return true;
}

// The connection's own SQLite handle, or nullptr when the driver is not SQLite.
sqlite3* sqliteHandle(const QSqlDatabase& db)
{
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3* const*>(handle.constData());
}

bool bindAll(sqlite3_stmt* statement, const QVariantList& params)
{
    for (int i = 0; i < params.size(); ++i) {
        const QVariant& value = params[i];
        const bool number = value.typeId() == QMetaType::Int || value.typeId() == QMetaType::LongLong;
        const int rc = number ? sqlite3_bind_int64(statement, i + 1, value.toLongLong())
                              : sqlite3_bind_text(statement, i + 1, value.toString().toUtf8().constData(), -1,
                                                  SQLITE_TRANSIENT);
        if (rc != SQLITE_OK)
            return false;
    }
    return true;
}

// Writes one line per hit ("Gen 1:1<TAB>text") and returns their number, or -1 when the statement
// fails. The rows go from SQLite's UTF-8 straight into large blocks: a common word gives tens of
// thousands of lines, and the driver's way through UTF-16 strings cost more than the search.
int writeHits(const SearchQuery& q, QIODevice& out)
{
    sqlite3* db = sqliteHandle(BibleConnection());
    sqlite3_stmt* statement = nullptr;
    const QByteArray sql = q.sql.toUtf8();
    if (!db || sqlite3_prepare_v2(db, sql.constData(), int(sql.size()), &statement, nullptr) != SQLITE_OK)
        return -1;
    const std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> finalizer(statement, sqlite3_finalize);
    if (!bindAll(statement, q.params))
        return -1;
    const int book = int(SearchColumnNames.indexOf(QStringLiteral("BookAbbreviation")));
    const int chapter = int(SearchColumnNames.indexOf(QStringLiteral("Chapter")));
    const int verse = int(SearchColumnNames.indexOf(QStringLiteral("Sections")));
    const int text = int(SearchColumnNames.indexOf(QStringLiteral("Text")));
    constexpr qsizetype BlockSize = 1 << 16;
    QByteArray block;
    block.reserve(BlockSize + 4096);
    int found = 0;
    int rc = SQLITE_ROW;
    while ((rc = sqlite3_step(statement)) == SQLITE_ROW) {
        block += reinterpret_cast<const char*>(sqlite3_column_text(statement, book));
        block += ' ';
        block += QByteArray::number(sqlite3_column_int(statement, chapter));
        block += ':';
        block += QByteArray::number(sqlite3_column_int(statement, verse));
        block += '\t';
        block += reinterpret_cast<const char*>(sqlite3_column_text(statement, text));
        block += '\n';
        ++found;
        if (block.size() >= BlockSize) {
            out.write(block);
            block.clear();
        }
    }
    out.write(block);
    return rc == SQLITE_DONE ? found : -1;
}

// Writes the lines of writeHits for the verses the query's filter selects from the texts held in
// memory, which alone can tell whole words; returns their number, or -1 when the texts cannot be read.
int writeFilteredHits(const SearchQuery& q, QIODevice& out)
{
    const std::shared_ptr<const VerseTexts> verses = BibleVerseTexts();
    if (!verses)
        return -1;
    const auto column = [](const char* name) { return int(SearchColumnNames.indexOf(QLatin1String(name))); };
    const QList<int> rows = verses->matching(q.filter);
    QByteArray block;
    for (int row : rows) {
        block += verses->cell(row, column("BookAbbreviation")).toString().toUtf8() + ' '
                 + QByteArray::number(verses->cell(row, column("Chapter")).toInt()) + ':'
                 + QByteArray::number(verses->cell(row, column("Sections")).toInt()) + '\t'
                 + verses->cell(row, column("Text")).toString().toUtf8() + '\n';
    }
    out.write(block);
    return int(rows.size());
}

} // namespace

int RunSearchCommand(const QStringList& commandOperands, QIODevice& out, QTextStream& err)
{
    const QString command = commandOperands.value(0);
    // The options end at "--": what follows is taken as it stands, a text starting with '-' included.
    QStringList options = commandOperands.mid(1);
    QStringList operands;
    if (const qsizetype end = options.indexOf(QStringLiteral("--")); end >= 0) {
        operands = options.mid(end + 1);
        options = options.first(end);
    }
    if (command == QLatin1String("search") && options.value(0) == QLatin1String("--strongs"))
        return RunStrongsSearchCommand(options.mid(1) + operands, out, err);
    const bool wholeWords = options.removeAll(QStringLiteral("--whole-words")) > 0;
    SearchQuery q;
    if (command == QLatin1String("search") && options.size() + operands.size() == 1) {
        const QString text = (options + operands).constFirst();
        if (text.isEmpty()) {
            out.write((FoundStatusText(0) + QLatin1Char('\n')).toUtf8());  // the box ignores an empty text
            return 0;
        }
        q = ChosenModuleText() ? QuickSearchScan(TrimBlanks(text)) : BuildQuickSearch(BibleConnection(), TrimBlanks(text));
    } else if (command == QLatin1String("advanced-search") && operands.isEmpty()) {
        AdvancedSearchInput in;
        QString error, badOperator;
        if (!parseAdvanced(options, &in, &error)) {
            err << error << '\n';
            return 2;
        }
        q = BuildAdvancedQuery(in, &badOperator);
        if (!q.valid()) {
            err << QCoreApplication::translate("SearchCommand", "unknown operator: %1").arg(badOperator) << '\n';
            return 2;
        }
    } else {
        err << QCoreApplication::translate(
            "SearchCommand", "usage: search [--whole-words] [--] TEXT | advanced-search [--whole-words] [options]")
            << '\n';
        return 2;
    }
    q.filter.wholeWords = wholeWords;
    // A SWORD Bible has no statement to run: its texts are only in memory.
    const int found = wholeWords || ChosenModuleText() ? writeFilteredHits(q, out) : writeHits(q, out);
    if (found < 0) {
        err << QCoreApplication::translate("SearchCommand", "the search failed") << '\n';
        return 1;
    }
    out.write((FoundStatusText(found) + QLatin1Char('\n')).toUtf8());
    return 0;
}

} // namespace kivra
