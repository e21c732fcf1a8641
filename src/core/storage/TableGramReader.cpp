// Reads one flat table from a TableGram. Metadata elements carry their size, so fields this reader
// does not know are skipped; rows carry no size, so every cell must be decoded to find the next row.
// Every length is checked against the bytes left before anything is allocated.

#include "storage/TableGram.h"
#include "storage/TableGramWire.h"

#include <QStringDecoder>

#include <algorithm>
#include <optional>

namespace kivra {
namespace {

using namespace tablegram;

// A NULL-heavy file can describe many cells with few bytes; this caps the memory one file can claim.
constexpr qint64 kMaxCells = qint64(1) << 22;

// Bounds-checked little-endian cursor. The first error sticks: later reads return zeros and empty
// values, so callers may check failed() once after a group of reads.
class Cursor {
public:
    Cursor(const QByteArray& data, qsizetype begin, qsizetype end) : m_data(data), m_pos(begin), m_end(end) {}

    qsizetype pos() const { return m_pos; }
    qint64 left() const { return m_end - m_pos; }
    bool failed() const { return !m_error.isEmpty(); }
    const QString& error() const { return m_error; }

    void fail(const QString& message)
    {
        if (m_error.isEmpty())
            m_error = message + QStringLiteral(" (offset %1)").arg(m_pos);
        m_pos = m_end;
    }
    bool need(qint64 n)
    {
        if (failed())
            return false;
        if (n < 0 || n > left()) {
            fail(QStringLiteral("unexpected end of data"));
            return false;
        }
        return true;
    }
    quint8 peek() const { return m_pos < m_end ? quint8(m_data.at(m_pos)) : 0; }
    quint8 u8() { return need(1) ? quint8(m_data.at(m_pos++)) : 0; }
    quint16 u16()
    {
        const quint16 low = u8();
        return quint16(low | (u8() << 8));
    }
    quint32 u32()
    {
        const quint32 low = u16();
        return low | (quint32(u16()) << 16);
    }
    QByteArrayView take(qint64 n)
    {
        if (!need(n))
            return {};
        const QByteArrayView view(m_data.constData() + m_pos, qsizetype(n));
        m_pos += qsizetype(n);
        return view;
    }
    void skip(qint64 n) { take(n); }
    QString lps() { return utf16(u16()); }
    QString utf16(qint64 units) { return fromUtf16(take(units * 2)); }

    // A cursor over the next n bytes (an element body); this cursor moves past them.
    Cursor sub(qint64 n)
    {
        const qsizetype begin = m_pos;
        skip(n);
        return failed() ? Cursor(m_data, m_end, m_end) : Cursor(m_data, begin, m_pos);
    }

    static QString fromUtf16(QByteArrayView bytes)
    {
        QString text(bytes.size() / 2, Qt::Uninitialized);
        QChar* out = text.data();
        for (qsizetype i = 0; i + 1 < bytes.size(); i += 2)
            *out++ = QChar(char16_t(quint8(bytes[i]) | (quint8(bytes[i + 1]) << 8)));
        return text;
    }

private:
    const QByteArray& m_data;
    qsizetype m_pos;
    qsizetype m_end;
    QString m_error;
};

enum class CellKind { Int16, Int32, Boolean, Narrow, Wide, Bytes };

struct ColumnInfo {
    quint16 ordinal = 0;
    quint16 dbType = 0;
    quint32 maxLength = 0;
    quint32 flags = 0;
    CellKind kind = CellKind::Wide;
    int nullBit = -1; // index among the nullable columns, or -1
    TableGramColumn column;

    bool fixedLength() const { return flags & FlagFixedLength; }
    bool shortPrefix() const { return maxLength <= kShortLengthLimit; }
};

struct Metadata {
    bool unicodeNarrowText = false; // header flag: DBTYPE_STR cells travel as UTF-16
    bool haveTable = false;
    std::optional<quint16> announcedColumns; // the result descriptor's total column count
    int codePage = 0;
    int nullableCount = 0;
    QString tableName;
    QList<quint16> keyOrdinals;
    QList<ColumnInfo> columns;
};

QString hex(quint32 value, int width)
{
    return QStringLiteral("0x") + QString::number(value, 16).toUpper().rightJustified(width, QLatin1Char('0'));
}

qsizetype findSignature(const QByteArray& data)
{
    const QByteArray head = data.left(kSignatureSearchLimit + kSignatureSize - 1);
    return head.indexOf(QByteArrayView(kSignature, kSignatureSize));
}

bool parseHeader(Cursor& c, Metadata& meta)
{
    c.u8(); // token, already matched by the signature search
    const quint8 size = c.u8();
    Cursor body = c.sub(size);
    body.skip(3); // "TG!"
    body.u16();   // version
    const quint8 byteOrder = body.u8();
    meta.unicodeNarrowText = body.u8() != 0;
    if (body.failed()) {
        c.fail(QStringLiteral("the header is too short"));
        return false;
    }
    if (byteOrder != 0)
        c.fail(QStringLiteral("big-endian TableGrams are not supported"));
    return !c.failed();
}

void parseResultDescriptor(Cursor& c, Metadata& meta)
{
    if (meta.announcedColumns)
        return; // a child recordset's; hierarchies are refused with their chapter column
    c.skip(16 + 3); // descriptor GUID, reserved byte, cursor model, normalization
    c.u16();        // visible columns
    meta.announcedColumns = c.u16();
}

void parseTableDescriptor(Cursor& c, Metadata& meta)
{
    if (meta.haveTable)
        return; // a join: rows are attributed to the first base table
    c.u16(); // table ordinal
    const QString original = c.lps();
    const QString update = c.lps();
    meta.codePage = c.u16();
    c.u16(); // columns from this table
    const quint16 keys = c.u16();
    for (int i = 0; i < keys && !c.failed(); ++i)
        meta.keyOrdinals.append(c.u16());
    meta.tableName = update.isEmpty() ? original : update;
    meta.haveTable = true;
}

void parseColumnDescriptor(Cursor& c, Metadata& meta)
{
    ColumnInfo info;
    const quint8 present1 = c.u8();
    const quint8 present2 = c.u8();
    c.u8();
    info.ordinal = c.u16();
    if (present1 & HasColumnName)
        info.column.name = c.lps();
    if (present1 & HasBaseTableOrdinal)
        c.u16();
    if (present1 & HasBaseColumnOrdinal)
        c.u16();
    if (present1 & HasBaseColumnName)
        info.column.baseColumnName = c.lps();
    info.dbType = c.u16();
    info.maxLength = c.u32();
    c.u32(); // precision
    c.u32(); // scale
    info.flags = c.u32();
    if (present1 & HasCatalogName)
        c.lps();
    if (present1 & HasSchemaName)
        c.lps();
    // The auto-increment flag is only reachable when no field of unknown size precedes it.
    const quint8 unsized = HasCollatingSequence | HasComputeMode | HasDateTimePrecision | HasVariantDefault;
    if ((present2 & HasAutoIncrement) && !(present2 & unsized))
        info.column.autoIncrement = c.u16() != 0;
    if (info.column.name.isEmpty())
        info.column.name = info.column.baseColumnName;
    if (info.column.baseColumnName == info.column.name)
        info.column.baseColumnName.clear();
    meta.columns.append(info);
}

// Reads handler options, result descriptor, recordset context, table and column descriptors,
// in whatever order they come, up to the first byte that is not a metadata token.
bool parseMetadata(Cursor& c, Metadata& meta)
{
    while (!c.failed()) {
        const quint8 token = c.peek();
        if (token != HandlerOptions && token != ResultDescriptor && token != RecordsetContext
            && token != TableDescriptor && token != ColumnDescriptor)
            break;
        const qsizetype start = c.pos();
        c.u8();
        Cursor body = c.sub(c.u16());
        if (token == ResultDescriptor)
            parseResultDescriptor(body, meta);
        else if (token == TableDescriptor)
            parseTableDescriptor(body, meta);
        else if (token == ColumnDescriptor)
            parseColumnDescriptor(body, meta);
        if (c.failed() || body.failed()) {
            c.fail(QStringLiteral("element %1 at offset %2 is truncated or too short").arg(hex(token, 2)).arg(start));
            return false;
        }
    }
    return !c.failed();
}

std::optional<CellKind> cellKind(quint16 dbType)
{
    switch (dbType) {
    case DbI2: return CellKind::Int16;
    case DbI4: return CellKind::Int32;
    case DbBool: return CellKind::Boolean;
    case DbStr: return CellKind::Narrow;
    case DbWStr: return CellKind::Wide;
    case DbBytes: return CellKind::Bytes;
    default: return std::nullopt;
    }
}

ColumnType columnType(const ColumnInfo& info)
{
    switch (info.kind) {
    case CellKind::Int16: return ColumnType::Int16;
    case CellKind::Int32: return ColumnType::Int32;
    case CellKind::Boolean: return ColumnType::Boolean;
    case CellKind::Bytes: return info.shortPrefix() ? ColumnType::Binary : ColumnType::LongBinary;
    case CellKind::Narrow:
    case CellKind::Wide: break;
    }
    return info.shortPrefix() ? ColumnType::Text : ColumnType::LongText;
}

// Orders the columns by ordinal and fills in the model fields; returns an error text or nothing.
QString finishColumns(Metadata& meta)
{
    if (meta.columns.isEmpty())
        return QStringLiteral("the TableGram describes no columns");
    if (meta.announcedColumns && *meta.announcedColumns != meta.columns.size())
        return QStringLiteral("the result descriptor announces %1 columns, but %2 column descriptors follow")
            .arg(*meta.announcedColumns)
            .arg(meta.columns.size());
    std::sort(meta.columns.begin(), meta.columns.end(),
              [](const ColumnInfo& a, const ColumnInfo& b) { return a.ordinal < b.ordinal; });
    for (int i = 0; i < meta.columns.size(); ++i) {
        ColumnInfo& info = meta.columns[i];
        const QString name = QStringLiteral("column \"%1\"").arg(info.column.name);
        if (info.ordinal != i + 1)
            return QStringLiteral("column ordinals are not numbered 1 to %1").arg(meta.columns.size());
        if (info.flags & FlagChapter)
            return name + QStringLiteral(" is a chapter; hierarchical recordsets are not supported");
        const std::optional<CellKind> kind = cellKind(info.dbType);
        if (!kind)
            return name + QStringLiteral(" has data type %1, which this reader cannot decode").arg(hex(info.dbType, 4));
        info.kind = *kind;
        if (info.kind == CellKind::Narrow && meta.unicodeNarrowText)
            info.kind = CellKind::Wide;
        info.column.type = columnType(info);
        info.column.maxLength = info.shortPrefix() ? info.maxLength : 0;
        info.column.nullable = info.flags & (FlagNullable | FlagMayBeNull);
        info.column.key = (info.flags & FlagKeyColumn) || meta.keyOrdinals.contains(info.ordinal);
        info.nullBit = info.column.nullable ? meta.nullableCount++ : -1;
    }
    return {};
}

// Single-byte text. Windows-1252 is built in because it is the usual code page of these files.
class NarrowCodec {
public:
    bool open(int codePage)
    {
        m_codePage = codePage;
        if (codePage == 1252 || codePage == 28591 || codePage == 20127 || codePage == 65001)
            return true;
        m_decoder.emplace(QByteArray("windows-" + QByteArray::number(codePage)).constData());
        return m_decoder->isValid();
    }
    QString decode(QByteArrayView bytes)
    {
        if (m_codePage == 65001)
            return QString::fromUtf8(bytes);
        if (m_decoder) {
            m_decoder->resetState(); // a cell never continues the previous one's byte sequence
            return (*m_decoder)(bytes);
        }
        QString text = QString::fromLatin1(bytes);
        if (m_codePage == 1252) {
            for (QChar& ch : text) {
                if (ch.unicode() >= 0x80 && ch.unicode() < 0xA0)
                    ch = QChar(kWindows1252High[ch.unicode() - 0x80]);
            }
        }
        return text;
    }

private:
    // 0x80..0x9F; the five unassigned bytes keep their C1 control code, as Windows maps them.
    static constexpr char16_t kWindows1252High[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    int m_codePage = 1252;
    std::optional<QStringDecoder> m_decoder;
};

class RowDecoder {
public:
    RowDecoder(Cursor cursor, const Metadata& meta, TableGramLayout layout, NarrowCodec& codec)
        : m_c(std::move(cursor)), m_meta(meta), m_layout(layout), m_codec(codec)
    {
    }

    bool run(QList<QList<QVariant>>& rows);
    QString error() const { return m_c.error(); }
    bool usedAllData() const { return m_c.left() == 0; }

private:
    bool bit(QByteArrayView map, int index) const;
    void readUnchanged(QList<QVariant>& row);
    void readUpdate(QList<QVariant>& row);
    QVariant readCell(const ColumnInfo& info);
    QVariant readVariable(const ColumnInfo& info);

    Cursor m_c;
    const Metadata& m_meta;
    TableGramLayout m_layout;
    NarrowCodec& m_codec;
};

bool RowDecoder::bit(QByteArrayView map, int index) const
{
    if (index / 8 >= map.size())
        return false;
    const int shift = m_layout.presenceLsbFirst ? index % 8 : 7 - index % 8;
    return (quint8(map[index / 8]) >> shift) & 1;
}

// Pending changes are folded in: an insert is a row, a change updates the row before it, and a
// delete mark leaves the row before it in place.
bool RowDecoder::run(QList<QList<QVariant>>& rows)
{
    const int columnCount = int(m_meta.columns.size());
    const QList<QVariant> empty(columnCount);
    bool haveOriginal = false;
    while (!m_c.failed()) {
        if (m_c.left() == 0) {
            m_c.fail(QStringLiteral("the data ends before the done token"));
            break;
        }
        const quint8 token = m_c.u8();
        if (token == Done)
            return true;
        if ((token == ChangeRow || token == DeleteRow) && !haveOriginal) {
            m_c.fail(QStringLiteral("a change or delete record has no original row"));
            break;
        }
        if (token == UnchangedRow || token == InsertRow) {
            if (qint64(rows.size() + 1) * columnCount > kMaxCells) {
                m_c.fail(QStringLiteral("the TableGram holds more cells than this reader accepts"));
                break;
            }
            rows.append(empty);
        }
        if (token == UnchangedRow)
            readUnchanged(rows.last());
        else if (token == InsertRow || token == ChangeRow)
            readUpdate(rows.last());
        else if (token >= FirstChildRow && token <= LastChildRow)
            m_c.fail(QStringLiteral("hierarchical recordsets are not supported"));
        else if (token != DeleteRow)
            m_c.fail(QStringLiteral("unexpected byte %1 where a row or the done token belongs").arg(hex(token, 2)));
        haveOriginal = token == UnchangedRow;
    }
    return false;
}

void RowDecoder::readUnchanged(QList<QVariant>& row)
{
    const QByteArrayView presence = m_c.take((m_meta.nullableCount + 7) / 8);
    for (int i = 0; i < m_meta.columns.size() && !m_c.failed(); ++i) {
        const ColumnInfo& info = m_meta.columns.at(i);
        if (info.nullBit < 0 || bit(presence, info.nullBit))
            row[i] = readCell(info);
    }
}

// Insert and change records: a map of updated columns, a map of columns forced to NULL, then the
// cells of the updated, non-null columns.
void RowDecoder::readUpdate(QList<QVariant>& row)
{
    const qint64 mapSize = (m_meta.columns.size() + 7) / 8;
    const QByteArrayView updated = m_c.take(mapSize);
    const QByteArrayView forcedNull = m_c.take(mapSize);
    for (int i = 0; i < m_meta.columns.size() && !m_c.failed(); ++i) {
        if (bit(forcedNull, i))
            row[i] = QVariant();
        else if (bit(updated, i))
            row[i] = readCell(m_meta.columns.at(i));
    }
}

QVariant RowDecoder::readCell(const ColumnInfo& info)
{
    switch (info.kind) {
    case CellKind::Int16: return int(qint16(m_c.u16()));
    case CellKind::Int32: return int(qint32(m_c.u32()));
    case CellKind::Boolean: return m_c.u16() != 0;
    case CellKind::Narrow:
    case CellKind::Wide:
    case CellKind::Bytes: break;
    }
    return readVariable(info);
}

QVariant RowDecoder::readVariable(const ColumnInfo& info)
{
    qint64 count = info.maxLength;
    if (!info.fixedLength())
        count = info.shortPrefix() ? m_c.u8() : m_c.u32();
    qint64 bytes = count;
    if (info.kind == CellKind::Wide) {
        const std::optional<TextLengthUnit>& unit = info.shortPrefix() ? m_layout.shortText : m_layout.longText;
        const bool inBytes = !info.fixedLength() && unit == TextLengthUnit::Bytes;
        if (!inBytes)
            bytes = count * 2;
        else if (count % 2 != 0)
            m_c.fail(QStringLiteral("odd byte count for UTF-16 text"));
    }
    const QByteArrayView raw = m_c.take(bytes);
    if (m_c.failed())
        return {};
    if (info.kind == CellKind::Bytes)
        return raw.toByteArray();
    QString text = info.kind == CellKind::Wide ? Cursor::fromUtf16(raw) : m_codec.decode(raw);
    if (info.fixedLength()) {
        while (text.endsWith(QChar(0)))
            text.chop(1);
    }
    return text;
}

// The readings to try, most likely first: the published layout, then what earlier versions of this
// program wrote, then the mixtures. A unit is left open where no column has such a length.
QList<TableGramLayout> candidateLayouts(const Metadata& meta)
{
    bool shortWide = false;
    bool longWide = false;
    for (const ColumnInfo& info : meta.columns) {
        if (info.kind == CellKind::Wide && !info.fixedLength())
            (info.shortPrefix() ? shortWide : longWide) = true;
    }
    using enum TextLengthUnit;
    const std::pair<TextLengthUnit, TextLengthUnit> units[] = {
        {Bytes, Bytes}, {Characters, Characters}, {Characters, Bytes}, {Bytes, Characters}};
    QList<TableGramLayout> layouts;
    for (bool lsbFirst : {false, true}) {
        for (const auto& [shortUnit, longUnit] : units) {
            TableGramLayout layout;
            if (shortWide)
                layout.shortText = shortUnit;
            if (longWide)
                layout.longText = longUnit;
            layout.presenceLsbFirst = lsbFirst;
            if (!layouts.contains(layout))
                layouts.append(layout);
        }
    }
    return layouts;
}

// A reading that meets a done token before the end of the data may have misread a file of another
// layout, so one that uses the data to its last byte wins; files with a trailing remainder take the
// first reading that succeeds.
std::optional<TableGram> readWithMetadata(const QByteArray& data, qsizetype rowsStart, const Metadata& meta,
                                          NarrowCodec& codec, QString* error)
{
    QString firstError;
    std::optional<TableGram> endsEarly;
    for (const TableGramLayout& layout : candidateLayouts(meta)) {
        RowDecoder decoder(Cursor(data, rowsStart, data.size()), meta, layout, codec);
        TableGram table;
        if (!decoder.run(table.rows)) {
            if (firstError.isEmpty())
                firstError = decoder.error();
            continue;
        }
        table.tableName = meta.tableName;
        for (const ColumnInfo& info : meta.columns)
            table.columns.append(info.column);
        table.layout = layout;
        if (decoder.usedAllData())
            return table;
        if (!endsEarly)
            endsEarly = std::move(table);
    }
    if (!endsEarly && error)
        *error = firstError;
    return endsEarly;
}

} // namespace

std::optional<TableGram> readTableGram(const QByteArray& data, QString* error, const TableGramReadOptions& options)
{
    auto fail = [error](const QString& message) -> std::optional<TableGram> {
        if (error)
            *error = message;
        return std::nullopt;
    };
    const qsizetype start = findSignature(data);
    if (start < 0)
        return fail(QStringLiteral("not a TableGram: no \"TG!\" header in the first %1 bytes").arg(kSignatureSearchLimit));
    Cursor cursor(data, start, data.size());
    Metadata meta;
    if (!parseHeader(cursor, meta) || !parseMetadata(cursor, meta))
        return fail(cursor.error());
    if (const QString problem = finishColumns(meta); !problem.isEmpty())
        return fail(problem);
    NarrowCodec codec;
    const int codePage = meta.codePage != 0 ? meta.codePage : options.defaultCodePage;
    const bool narrowText = std::any_of(meta.columns.cbegin(), meta.columns.cend(),
                                        [](const ColumnInfo& info) { return info.kind == CellKind::Narrow; });
    if (narrowText && !codec.open(codePage))
        return fail(QStringLiteral("single-byte text uses code page %1, which this reader cannot decode").arg(codePage));
    std::optional<TableGram> table = readWithMetadata(data, cursor.pos(), meta, codec, error);
    if (table && error)
        error->clear();
    return table;
}

} // namespace kivra
