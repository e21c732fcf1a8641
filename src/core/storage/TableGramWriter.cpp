// Writes one flat table as a bare TableGram: header, handler options, result descriptor, recordset
// context, table descriptor, column descriptors, unchanged rows and the done token.

#include "storage/TableGram.h"
#include "storage/TableGramWire.h"

#include <QCoreApplication>

#include <algorithm>
#include <limits>

namespace kivra {
namespace {

using namespace tablegram;

class ByteWriter {
public:
    void u8(quint8 v) { m_data.append(char(v)); }
    void u16(quint16 v)
    {
        u8(quint8(v & 0xFF));
        u8(quint8(v >> 8));
    }
    void u32(quint32 v)
    {
        u16(quint16(v & 0xFFFF));
        u16(quint16(v >> 16));
    }
    void bytes(const QByteArray& b) { m_data.append(b); }
    void bytes(const quint8* p, qsizetype n) { m_data.append(reinterpret_cast<const char*>(p), n); }
    void utf16(const QString& s)
    {
        for (QChar c : s)
            u16(c.unicode());
    }
    // Length-prefixed UTF-16 string; callers keep names far below 64 Ki units.
    void lps(const QString& s)
    {
        u16(quint16(s.size()));
        utf16(s);
    }
    const QByteArray& data() const { return m_data; }

private:
    QByteArray m_data;
};

// Appends token, u16 size and body; false when the body does not fit the size field.
bool appendElement(ByteWriter& out, quint8 token, const QByteArray& body)
{
    if (body.size() > 0xFFFF)
        return false;
    out.u8(token);
    out.u16(quint16(body.size()));
    out.bytes(body);
    return true;
}

struct WireColumn {
    quint16 dbType = DbWStr;
    quint32 maxLength = 0;
    quint32 precision = 255;
    quint32 flags = 0;
};

WireColumn wireColumn(const TableGramColumn& column)
{
    WireColumn wire;
    switch (column.type) {
    case ColumnType::Int16: wire = {DbI2, 2, 5, FlagFixedLength}; break;
    case ColumnType::Int32: wire = {DbI4, 4, 10, FlagFixedLength}; break;
    case ColumnType::Boolean: wire = {DbBool, 2, 255, FlagFixedLength}; break;
    case ColumnType::Text: wire = {DbWStr, column.maxLength, 255, 0}; break;
    case ColumnType::LongText: wire = {DbWStr, 0xFFFFFFFF, 255, FlagLong}; break;
    case ColumnType::Binary: wire = {DbBytes, column.maxLength, 255, 0}; break;
    case ColumnType::LongBinary: wire = {DbBytes, 0xFFFFFFFF, 255, FlagLong}; break;
    }
    if (column.key)
        wire.flags |= FlagKeyColumn;
    if (!column.autoIncrement)
        wire.flags |= FlagWrite;
    if (column.nullable)
        wire.flags |= FlagNullable | FlagMayBeNull;
    return wire;
}

bool isShort(ColumnType type)
{
    return type == ColumnType::Text || type == ColumnType::Binary;
}

bool isLong(ColumnType type)
{
    return type == ColumnType::LongText || type == ColumnType::LongBinary;
}

QString describeColumn(const TableGramColumn& column)
{
    return QCoreApplication::translate("Exchange", "column \"%1\"").arg(column.name);
}

void writeHeader(ByteWriter& out)
{
    out.bytes(reinterpret_cast<const quint8*>(kSignature), kSignatureSize);
    out.u16(0); // version 0.0
    out.u8(0);  // little-endian
    out.u8(0);  // DBTYPE_STR data stays single-byte
}

void writeHandlerOptions(ByteWriter& out)
{
    ByteWriter body;
    body.bytes(kHandlerGuid, 16);
    body.u8(1); // update type
    for (int i = 0; i < 3; ++i)
        body.lps(QString());
    body.u16(1); // async option
    appendElement(out, HandlerOptions, body.data());
}

void writeResultDescriptor(ByteWriter& out, const TableGram& table)
{
    ByteWriter body;
    body.bytes(kResultGuid, 16);
    body.u8(0); // reserved
    body.u8(0); // cursor model
    body.u8(0); // normalization
    body.u16(quint16(table.columns.size())); // visible
    body.u16(quint16(table.columns.size())); // total
    body.u16(0);                             // computed
    body.u16(1);                             // base tables
    body.u16(0);                             // order-by columns
    body.u32(quint32(table.rows.size()));
    appendElement(out, ResultDescriptor, body.data());
}

bool writeTableDescriptor(ByteWriter& out, const TableGram& table)
{
    ByteWriter body;
    body.u16(1); // table ordinal
    body.lps(table.tableName);
    body.lps(table.tableName); // update table
    body.u16(0);               // code page: only DBTYPE_WSTR text is written
    body.u16(quint16(table.columns.size()));
    QList<quint16> keys;
    for (int i = 0; i < table.columns.size(); ++i) {
        if (table.columns.at(i).key)
            keys.append(quint16(i + 1));
    }
    body.u16(quint16(keys.size()));
    for (quint16 ordinal : keys)
        body.u16(ordinal);
    return appendElement(out, TableDescriptor, body.data());
}

bool writeColumnDescriptor(ByteWriter& out, const TableGramColumn& column, quint16 ordinal)
{
    const WireColumn wire = wireColumn(column);
    ByteWriter body;
    body.u8(HasColumnName | HasBaseTableOrdinal | HasBaseColumnOrdinal | HasBaseColumnName);
    body.u8(HasAutoIncrement);
    body.u8(0);
    body.u16(ordinal);
    body.lps(column.name);
    body.u16(1); // base table ordinal
    body.u16(ordinal);
    body.lps(column.baseColumnName.isEmpty() ? column.name : column.baseColumnName);
    body.u16(wire.dbType);
    body.u32(wire.maxLength);
    body.u32(wire.precision);
    body.u32(255); // scale: not meaningful for these types
    body.u32(wire.flags);
    body.u16(column.autoIncrement ? 0xFFFF : 0);
    body.u16(0xFFFF); // visible
    return appendElement(out, ColumnDescriptor, body.data());
}

QString checkColumns(const TableGram& table)
{
    if (table.columns.isEmpty())
        return QCoreApplication::translate("Exchange", "the table has no columns");
    if (table.columns.size() > 0xFFFF)
        return QCoreApplication::translate("Exchange", "the table has more than 65535 columns");
    for (const TableGramColumn& column : table.columns) {
        if (column.name.isEmpty())
            return QCoreApplication::translate("Exchange", "a column has no name");
        if (isShort(column.type) && (column.maxLength == 0 || column.maxLength > kShortLengthLimit))
            return describeColumn(column)
                + QCoreApplication::translate("Exchange", " needs a maximum length of 1 to 255");
    }
    return {};
}

bool fitsInteger(const QVariant& value, qlonglong min, qlonglong max, qlonglong* number)
{
    bool ok = false;
    *number = value.toLongLong(&ok);
    return ok && *number >= min && *number <= max;
}

// Appends the length before a text or binary value: the number of bytes that follow, in one byte
// for short columns and in four for long ones.
QString writeLength(ByteWriter& out, const TableGramColumn& column, qint64 bytes)
{
    if (!isLong(column.type)) {
        out.u8(quint8(bytes));
        return {};
    }
    if (bytes > qint64(std::numeric_limits<quint32>::max()))
        return QCoreApplication::translate("Exchange", "has more than 4 GiB");
    out.u32(quint32(bytes));
    return {};
}

// Appends one non-null cell; returns an error text when the value does not fit the column.
QString writeCell(ByteWriter& out, const TableGramColumn& column, const QVariant& value)
{
    qlonglong number = 0;
    switch (column.type) {
    case ColumnType::Int16:
        if (!fitsInteger(value, std::numeric_limits<qint16>::min(), std::numeric_limits<qint16>::max(), &number))
            return QCoreApplication::translate("Exchange", "is not a 16-bit integer");
        out.u16(quint16(number));
        return {};
    case ColumnType::Int32:
        if (!fitsInteger(value, std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max(), &number))
            return QCoreApplication::translate("Exchange", "is not a 32-bit integer");
        out.u32(quint32(number));
        return {};
    case ColumnType::Boolean:
        out.u16(value.toBool() ? 0xFFFF : 0);
        return {};
    case ColumnType::Text:
    case ColumnType::LongText: {
        const QString text = value.toString();
        const qsizetype limit = std::min<qsizetype>(column.maxLength, kMaxShortTextUnits);
        if (column.type == ColumnType::Text && text.size() > limit)
            return QCoreApplication::translate("Exchange", "has %1 characters, more than the %2 the column can hold")
                .arg(text.size())
                .arg(limit);
        if (const QString problem = writeLength(out, column, 2 * qint64(text.size())); !problem.isEmpty())
            return problem;
        out.utf16(text);
        return {};
    }
    case ColumnType::Binary:
    case ColumnType::LongBinary: {
        const QByteArray bytes = value.toByteArray();
        if (column.type == ColumnType::Binary && quint32(bytes.size()) > column.maxLength)
            return QCoreApplication::translate("Exchange", "has %1 bytes, more than the column's %2")
                .arg(bytes.size())
                .arg(column.maxLength);
        if (const QString problem = writeLength(out, column, bytes.size()); !problem.isEmpty())
            return problem;
        out.bytes(bytes);
        return {};
    }
    }
    return QCoreApplication::translate("Exchange", "has an unknown column type");
}

// Unchanged row: token, one presence bit per nullable column (first column = 0x80), then the
// non-null cells in column order.
QString writeRow(ByteWriter& out, const TableGram& table, int rowIndex)
{
    const QList<QVariant>& row = table.rows.at(rowIndex);
    const QString where = QCoreApplication::translate("Exchange", "row %1").arg(rowIndex + 1);
    if (row.size() != table.columns.size())
        return where
            + QCoreApplication::translate("Exchange", " has %1 cells for %2 columns")
                  .arg(row.size())
                  .arg(table.columns.size());
    QByteArray bitmap;
    int bit = 0;
    for (int i = 0; i < row.size(); ++i) {
        const TableGramColumn& column = table.columns.at(i);
        if (!column.nullable) {
            if (row.at(i).isNull())
                return where + QStringLiteral(", ") + describeColumn(column)
                    + QCoreApplication::translate("Exchange", " is NULL but not nullable");
            continue;
        }
        if (bit % 8 == 0)
            bitmap.append('\0');
        if (!row.at(i).isNull())
            bitmap[bit / 8] = char(quint8(bitmap.at(bit / 8)) | (0x80 >> (bit % 8)));
        ++bit;
    }
    out.u8(UnchangedRow);
    out.bytes(bitmap);
    for (int i = 0; i < row.size(); ++i) {
        if (row.at(i).isNull())
            continue;
        const QString problem = writeCell(out, table.columns.at(i), row.at(i));
        if (!problem.isEmpty())
            return where + QStringLiteral(", ") + describeColumn(table.columns.at(i)) + QLatin1Char(' ') + problem;
    }
    return {};
}

} // namespace

QByteArray writeTableGram(const TableGram& table, QString* error)
{
    auto fail = [error](const QString& message) {
        if (error)
            *error = message;
        return QByteArray();
    };
    if (const QString problem = checkColumns(table); !problem.isEmpty())
        return fail(problem);
    ByteWriter out;
    writeHeader(out);
    writeHandlerOptions(out);
    writeResultDescriptor(out, table);
    appendElement(out, RecordsetContext, {});
    if (!writeTableDescriptor(out, table))
        return fail(QCoreApplication::translate("Exchange", "the table descriptor exceeds 64 KiB"));
    for (int i = 0; i < table.columns.size(); ++i) {
        if (!writeColumnDescriptor(out, table.columns.at(i), quint16(i + 1)))
            return fail(describeColumn(table.columns.at(i))
                + QCoreApplication::translate("Exchange", ": descriptor exceeds 64 KiB"));
    }
    for (int r = 0; r < table.rows.size(); ++r) {
        if (const QString problem = writeRow(out, table, r); !problem.isEmpty())
            return fail(problem);
    }
    out.u8(Done);
    if (error)
        error->clear();
    return out.data();
}

} // namespace kivra
