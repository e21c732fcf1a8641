#pragma once
// Bookmark exchange files (".kbm"): rows of tblBookmark as a TableGram. Links travel in each row's
// association list and become relation rows again on import.
#include "storage/TableGram.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QStringList>
#include <optional>

namespace kivra {

// Translated where a file dialog shows it (context "Exchange").
inline constexpr const char* BookmarkFileFilter = QT_TRANSLATE_NOOP("Exchange", "Kivra! Bible Bookmark (*.kbm)");

// The references an association list such as "12,34," links to: the pieces before the last comma,
// trimmed, empty ones skipped ("12,34" gives only 12).
QStringList ParseAssociationList(const QString& list);

// A reference the bookmark lists can hold: a text of decimal digits, of any length.
bool IsUsableBookmarkReference(const QString& reference);

// The bookmark with that Index and every bookmark its relation rows point to, each once; no rows
// when it links to nothing. nullopt when the store cannot be read.
std::optional<TableGram> LinkedBookmarksTable(const QSqlDatabase& db, int bookmarkIndex, QString* error);
// Every bookmark, in the store's order.
std::optional<TableGram> AllBookmarksTable(const QSqlDatabase& db, QString* error);

enum class ExportOutcome { Written, NothingToWrite, Failed };
// Writes the table to path unless it has no row.
ExportOutcome WriteExchangeTable(const TableGram& table, const QString& path, QString* error);

struct BookmarkImport {
    bool ok = false;           // false: nothing was stored; error says why
    bool fileRejected = false; // the file itself was unreadable or unfit (else the store failed)
    QString error;
    int added = 0;
    struct Refusal {
        QString reference;
        bool duplicate = false; // already present; otherwise the reference is no bookmark number,
        QString passageProblem; // or, when this is not empty, the passage is not in the Bible
        int row = 0;            // in the file, from 1
    };
    QList<Refusal> refused;    // in file order; those bookmarks and their links were not added
};

// Checks the whole table first, then adds its bookmarks and their relation rows in one transaction.
BookmarkImport ImportBookmarkTable(const QSqlDatabase& db, const TableGram& table);
BookmarkImport ImportBookmarkFile(const QSqlDatabase& db, const QString& path);

} // namespace kivra
