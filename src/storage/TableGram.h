#pragma once
// One flat table in the ADTG "TableGram" binary format (ADO recordsets persisted with adPersistADTG).
// Bookmark (.kbm) and story (.kbs) exchange files are such tables.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QVariant>

#include <optional>

namespace kivra {

// How a column's values are stored; the reader maps every wire type it understands onto one of these.
enum class ColumnType {
    Int16,      // QVariant int
    Int32,      // QVariant int
    Boolean,    // QVariant bool
    Text,       // QVariant QString of at most maxLength (<= 255) UTF-16 code units
    LongText,   // QVariant QString of any length (memo)
    Binary,     // QVariant QByteArray, at most maxLength (<= 255) bytes
    LongBinary, // QVariant QByteArray of any length (pictures)
};

struct TableGramColumn {
    QString name;
    ColumnType type = ColumnType::Text;
    bool nullable = true;
    bool key = false;           // part of the base table's primary key
    bool autoIncrement = false;
    quint32 maxLength = 255;    // Text: UTF-16 code units, Binary: bytes; ignored for the other types
    QString baseColumnName;     // name in the base table; empty means the same as name
};

struct TableGram {
    QString tableName;          // base table, e.g. "tblBookmark" or "tblBibleStory"
    QList<TableGramColumn> columns;
    QList<QList<QVariant>> rows; // one cell per column; a null QVariant is SQL NULL

    // Index of the column with that name, compared case-insensitively, or -1.
    int columnIndex(const QString& name) const;
};

struct TableGramReadOptions {
    // Code page of single-byte (DBTYPE_STR) text when the file's table descriptor gives none.
    int defaultCodePage = 1252;
};

// Serialises the table as a bare TableGram (no prefix). Returns an empty array and sets *error when
// the table cannot be written as described (wrong cell count, NULL in a non-nullable column,
// a Text value longer than its column allows, ...).
QByteArray writeTableGram(const TableGram& table, QString* error = nullptr);

// Parses a TableGram, optionally preceded by a short prefix (the signature is searched for in the
// first 64 bytes). Returns std::nullopt and sets *error for anything it cannot decode safely.
std::optional<TableGram> readTableGram(const QByteArray& data, QString* error = nullptr,
                                       const TableGramReadOptions& options = {});

} // namespace kivra
