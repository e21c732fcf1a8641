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
    Text,       // QVariant QString of at most maxLength (<= 255) and kMaxShortTextUnits UTF-16 code units
    LongText,   // QVariant QString of any length (memo)
    Binary,     // QVariant QByteArray, at most maxLength (<= 255) bytes
    LongBinary, // QVariant QByteArray of any length (pictures)
};

// A short text's one-byte length counts bytes, two for each UTF-16 code unit, so a Text value holds
// at most this many code units whatever its column's maximum length; longer text is LongText.
inline constexpr int kMaxShortTextUnits = 127;

// What the length before a UTF-16 text value counts. The published format says bytes; earlier
// versions of this program wrote characters (code units), and other writers may too.
enum class TextLengthUnit { Bytes, Characters };

// The readings of a file's rows where writers differ. The reader reports the one the file used;
// the writer always uses the published one (lengths in bytes, the first nullable column in the
// presence bitmap's 0x80 bit).
struct TableGramLayout {
    std::optional<TextLengthUnit> shortText; // one-byte lengths; none when no column has them
    std::optional<TextLengthUnit> longText;  // four-byte lengths; none when no column has them
    bool presenceLsbFirst = false;           // the first nullable column is bit 0x01

    bool operator==(const TableGramLayout&) const = default;
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
    TableGramLayout layout;      // filled in by the reader; the writer ignores it

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
