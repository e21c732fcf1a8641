#pragma once
// Reading and writing whole exchange files (and imported pictures) safely, and turning the rows of
// a table into a TableGram with the column kinds the schema declares.
#include "storage/Recordset.h"
#include "storage/TableGram.h"

#include <QFileDevice>
#include <QSqlDatabase>
#include <QString>
#include <optional>

namespace kivra {

// Reads the whole file; false with a reason in *error when it is missing, unreadable or larger
// than maxBytes.
bool ReadWholeFile(const QString& path, QByteArray* bytes, QString* error, qint64 maxBytes = qint64(1) << 31);

// Writes through a temporary file that replaces the target only when every byte is on disk, so a
// failed or interrupted write never destroys the file that was there. A new file gets permissions
// when given, else the usual ones. The reason in *error ends with a full stop.
bool WriteFileSafely(const QString& path, const QByteArray& bytes, QString* error,
                     QFileDevice::Permissions permissions = {});

// The whole file parsed as a TableGram, or nullopt with a reason.
std::optional<TableGram> ReadTableGramFile(const QString& path, QString* error);

// The recordset's rows (all of them, from the first) as a TableGram of the base table: the column
// kinds follow the declared types of that table; longText names text columns that hold memo text.
// A text column with a value too long for a short text (kMaxShortTextUnits) is written as long text.
TableGram TableGramFromRecordset(const QSqlDatabase& db, const QString& table, const Recordset& rows,
                                 const QStringList& longText);

// The cell of a TableGram row as text for the store: a NULL or missing value becomes the empty text
// (never a null QString, which would be stored as NULL).
QString CellAsText(const QVariant& cell);

// The cell of a TableGram row as a whole number: true for a NULL (*value becomes a null QVariant)
// or any integer, Boolean or number text; false for anything else.
bool CellAsInteger(const QVariant& cell, QVariant* value);

} // namespace kivra
