#include "bookmarks/BookmarkExchange.h"

#include "bookmarks/BookmarkStore.h"
#include "reading/BookCatalogue.h"
#include "storage/Database.h"
#include "storage/ExchangeFile.h"

#include <QCoreApplication>

namespace kivra {
namespace {

const QStringList TextFields = {
    QStringLiteral("BookMarkTestament"), QStringLiteral("BookMarkBook"),      QStringLiteral("BookMarkToBook"),
    QStringLiteral("BookMarkNotes"),     QStringLiteral("BookmarkHooker"),    QStringLiteral("BookmarkReference"),
    QStringLiteral("AssociatedBookmarkReferenceList")};
const QStringList NumberFields = {QStringLiteral("BookMarkChapter"), QStringLiteral("BookMarkSection"),
                                  QStringLiteral("BookMarkToChapter"), QStringLiteral("BookMarkToSection")};
// Memo columns; the association list grows with every link, so it may pass 255 characters too.
const QStringList LongTextFields = {QStringLiteral("BookMarkNotes"), QStringLiteral("AssociatedBookmarkReferenceList")};

// One bookmark of the file, checked and ready to store.
struct FileBookmark {
    QVariantList values;  // TextFields then NumberFields
    QString reference;
    QStringList links;
    QString passageProblem;  // empty when the passage is in the Bible
    int row = 0;
};

QString insertStatement()
{
    QStringList names, marks;
    for (const QString& f : TextFields + NumberFields) {
        names << QuoteIdentifier(f);
        marks << QStringLiteral("?");
    }
    return QStringLiteral("INSERT INTO \"tblBookmark\" (%1) VALUES (%2)").arg(names.join(u','), marks.join(u','));
}

// Reads every row of the file into bookmarks; false (with the reason) when a column is missing or
// a number field holds something that is not a whole number.
bool checkTable(const TableGram& table, QList<FileBookmark>* rows, QString* error)
{
    QList<int> columns;
    for (const QString& f : TextFields + NumberFields) {
        const int c = table.columnIndex(f);
        if (c < 0) {
            *error = QCoreApplication::translate("Exchange", "it has no column \"%1\".").arg(f);
            return false;
        }
        columns << c;
    }
    const int reference = TextFields.indexOf(QStringLiteral("BookmarkReference"));
    const int list = TextFields.indexOf(QStringLiteral("AssociatedBookmarkReferenceList"));
    const auto books = BuiltInBibleBooks();  // stored passages name the built-in books, whichever Bible is read
    for (int r = 0; r < table.rows.size(); ++r) {
        FileBookmark row;
        for (int i = 0; i < columns.size(); ++i) {
            const QVariant& cell = table.rows[r][columns[i]];
            if (i < TextFields.size()) {
                row.values << CellAsText(cell);
                continue;
            }
            QVariant number;
            if (!CellAsInteger(cell, &number)) {
                *error = QCoreApplication::translate(
                    "Exchange", "row %1 holds \"%2\" in \"%3\", which is no whole number.")
                             .arg(r + 1)
                             .arg(cell.toString(), NumberFields[i - TextFields.size()]);
                return false;
            }
            row.values << number;
        }
        row.reference = row.values[reference].toString();
        row.links = ParseAssociationList(row.values[list].toString());
        const int numbers = int(TextFields.size());
        // A file has no checksum: a value changed by hand or by damage is caught here or not at all.
        row.passageProblem = StoredPassageProblem(
            *books, {row.values[0].toString(), row.values[1].toString(), row.values[numbers],
                     row.values[numbers + 1], row.values[numbers + 2], row.values[numbers + 3]});
        row.row = r + 1;
        rows->append(row);
    }
    return true;
}

bool referencePresent(const QSqlDatabase& db, const QString& reference, bool* present)
{
    auto found = queryRows(
        db, QStringLiteral("SELECT 1 FROM \"tblBookmark\" WHERE \"BookmarkReference\" = ? LIMIT 1"), {reference});
    if (!found)
        return false;
    *present = !found->eof();
    return true;
}

// Stores the checked rows; false leaves the caller to roll back.
bool storeRows(const QSqlDatabase& db, const QList<FileBookmark>& rows, BookmarkImport* result)
{
    const QString insert = insertStatement();
    const QString relation = QStringLiteral(
        "INSERT INTO \"tblBookmark_Relation\" (\"BookmarkReference\", \"HookedBookmarkReference\") VALUES (?, ?)");
    for (const FileBookmark& row : rows) {
        if (!row.passageProblem.isEmpty()) {
            result->refused.append({row.reference, false, row.passageProblem, row.row});
            continue;
        }
        if (!IsUsableBookmarkReference(row.reference)) {
            result->refused.append({row.reference, false, {}, row.row});
            continue;
        }
        bool present = false;
        if (!referencePresent(db, row.reference, &present)) {
            result->error = QCoreApplication::translate("Exchange", "the bookmark store cannot be read.");
            return false;
        }
        if (present) {
            result->refused.append({row.reference, true, {}, row.row});
            continue;
        }
        // The bookmark goes in first: its links are stored only when the bookmark itself was taken.
        if (!ExecuteStatement(db, insert, row.values, &result->error))
            return false;
        for (const QString& hooked : row.links)
            if (!ExecuteStatement(db, relation, {row.reference, hooked}, &result->error))
                return false;
        ++result->added;
    }
    return true;
}

// The relation rows are the links; a list that says otherwise (left by earlier versions) is
// written as they are, so an import elsewhere rebuilds exactly these links.
TableGram withListsFromLinks(const QSqlDatabase& db, TableGram table)
{
    const int reference = table.columnIndex(QStringLiteral("BookmarkReference"));
    const int list = table.columnIndex(QStringLiteral("AssociatedBookmarkReferenceList"));
    if (reference < 0 || list < 0)
        return table;
    for (QList<QVariant>& row : table.rows) {
        const QString links = AssociationList(db, row[reference].toString());
        if (ParseAssociationList(row[list].toString()) != ParseAssociationList(links))
            row[list] = links;
    }
    return table;
}

} // namespace

QStringList ParseAssociationList(const QString& list)
{
    QStringList pieces = list.split(u',');
    pieces.removeLast();  // the text after the last comma is no complete entry
    QStringList references;
    for (const QString& piece : pieces) {
        const QString reference = piece.trimmed();
        if (!reference.isEmpty())
            references << reference;
    }
    return references;
}

bool IsUsableBookmarkReference(const QString& reference)
{
    if (reference.isEmpty())
        return false;
    // References are text throughout, so any length will do: once the two-digit suffixes of a
    // machine are taken its references grow past ten digits, and they must still travel.
    for (QChar c : reference)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

std::optional<TableGram> LinkedBookmarksTable(const QSqlDatabase& db, int bookmarkIndex, QString* error)
{
    // The selected bookmark and the bookmarks its own relation rows point to. Relation rows may
    // hold a reference without its leading zeros (older files kept them as numbers); the panel
    // follows such links, so the export matches them the same way.
    const auto same = [](const char* x, const char* y) {
        return QStringLiteral("(%1 = %2 OR (ltrim(%1, '0') = ltrim(%2, '0') AND ltrim(%2, '0') <> ''))")
            .arg(QLatin1String(x), QLatin1String(y));
    };
    auto rows = queryRows(
        db,
        QStringLiteral("SELECT DISTINCT b1.* FROM \"tblBookmark\" AS b "
                       "INNER JOIN \"tblBookmark_Relation\" AS r ON %1 "
                       "INNER JOIN \"tblBookmark\" AS b1 ON %2 OR %3 "
                       "WHERE b.\"Index\" = ? ORDER BY b1.\"Index\"")
            .arg(same("r.\"BookmarkReference\"", "b.\"BookmarkReference\""),
                 same("b1.\"BookmarkReference\"", "r.\"BookmarkReference\""),
                 same("b1.\"BookmarkReference\"", "r.\"HookedBookmarkReference\"")),
        {bookmarkIndex});
    if (!rows) {
        *error = QCoreApplication::translate("Exchange", "the bookmark store cannot be read.");
        return std::nullopt;
    }
    return withListsFromLinks(db, TableGramFromRecordset(db, QStringLiteral("tblBookmark"), *rows, LongTextFields));
}

std::optional<TableGram> AllBookmarksTable(const QSqlDatabase& db, QString* error)
{
    auto rows = queryRows(db, QStringLiteral("SELECT * FROM \"tblBookmark\" ORDER BY \"Index\""));
    if (!rows) {
        *error = QCoreApplication::translate("Exchange", "the bookmark store cannot be read.");
        return std::nullopt;
    }
    return withListsFromLinks(db, TableGramFromRecordset(db, QStringLiteral("tblBookmark"), *rows, LongTextFields));
}

ExportOutcome WriteExchangeTable(const TableGram& table, const QString& path, QString* error)
{
    if (table.rows.isEmpty())
        return ExportOutcome::NothingToWrite;
    const QByteArray bytes = writeTableGram(table, error);
    if (bytes.isEmpty())
        return ExportOutcome::Failed;
    return WriteFileSafely(path, bytes, error) ? ExportOutcome::Written : ExportOutcome::Failed;
}

BookmarkImport ImportBookmarkTable(const QSqlDatabase& db, const TableGram& table)
{
    BookmarkImport result;
    QList<FileBookmark> rows;
    if (!checkTable(table, &rows, &result.error)) {
        result.fileRejected = true;
        return result;
    }
    Transaction transaction(db);
    if (!transaction.ok()) {
        result.error = QCoreApplication::translate("Exchange", "the bookmark store cannot be changed.");
        return result;
    }
    if (!storeRows(db, rows, &result) || !transaction.commit()) {
        if (result.error.isEmpty())
            result.error = QCoreApplication::translate("Exchange", "the bookmark store cannot be changed.");
        result.added = 0;
        result.refused.clear();
        return result;
    }
    result.ok = true;
    return result;
}

BookmarkImport ImportBookmarkFile(const QSqlDatabase& db, const QString& path)
{
    BookmarkImport result;
    const auto table = ReadTableGramFile(path, &result.error);
    if (!table) {
        result.fileRejected = true;
        return result;
    }
    return ImportBookmarkTable(db, *table);
}

} // namespace kivra
