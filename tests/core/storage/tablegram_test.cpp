// TableGram reader and writer: the published example, round trips, other writers' forms, hostile input.
#include "storage/TableGram.h"

#include <QCryptographicHash>
#include <QFile>
#include <QRandomGenerator>
#include <gtest/gtest.h>

#include <memory>

using namespace kivra;

namespace {

// The published example TableGram of "SELECT TOP 1 * FROM Publishers" (744 bytes).
QByteArray publishers()
{
    QFile file(QStringLiteral(KIVRA_FIXTURES_DIR "/publishers.adtg"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

// A table as comparable text, keeping NULL, empty text and each value's type apart.
std::string describe(const TableGram& t)
{
    // Built as a QString: GCC 12 at -O2 warns falsely (-Wrestrict) on chained std::string additions.
    QString out = t.tableName + '\n';
    for (const TableGramColumn& c : t.columns) {
        const bool sized = c.type == ColumnType::Text || c.type == ColumnType::Binary;
        out += c.name + ' ' + QString::number(int(c.type)) + (c.nullable ? " null" : "") + (c.key ? " key" : "")
            + (c.autoIncrement ? " auto" : "") + (sized ? ' ' + QString::number(c.maxLength) : QString()) + '\n';
    }
    for (const QList<QVariant>& row : t.rows) {
        for (const QVariant& v : row) {
            if (v.isNull())
                out += "NULL";
            else if (v.typeId() == QMetaType::QByteArray)
                out += "bytes:" + QCryptographicHash::hash(v.toByteArray(), QCryptographicHash::Sha1).toHex();
            else
                out += QString::fromLatin1(v.typeName()) + ':' + v.toString();
            out += " | ";
        }
        out += '\n';
    }
    return out.toStdString();
}

TableGramColumn col(const char* name, ColumnType type, quint32 maxLength = 255)
{
    TableGramColumn c;
    c.name = QString::fromLatin1(name);
    c.type = type;
    c.maxLength = maxLength;
    return c;
}

TableGramColumn indexColumn()
{
    TableGramColumn c = col("Index", ColumnType::Int32);
    c.nullable = false;
    c.key = true;
    c.autoIncrement = true;
    return c;
}

TableGram bookmarks()
{
    TableGram t;
    t.tableName = QStringLiteral("tblBookmark");
    t.columns = {indexColumn(), col("BookMarkTestament", ColumnType::Text, 50), col("BookMarkBook", ColumnType::Text),
                 col("BookMarkChapter", ColumnType::Int32), col("BookMarkSection", ColumnType::Int32),
                 col("BookMarkToBook", ColumnType::Text), col("BookMarkToChapter", ColumnType::Int32),
                 col("BookMarkToSection", ColumnType::Int32), col("BookMarkNotes", ColumnType::LongText),
                 col("BookmarkReference", ColumnType::Text), col("BookmarkHooker", ColumnType::Text),
                 col("AssociatedBookmarkReferenceList", ColumnType::LongText)};
    const QVariant null;
    t.rows.append({1, "Old Testament", "Genesis", 1, 1, "Genesis", 1, 31, "In the beginning…", "BM-1", QString(""), null});
    t.rows.append({2, "New Testament", QString::fromUtf8("Ἰωάννης"), 3, 16, null, null, null,
                   QString::fromUtf8("בְּרֵאשִׁית ‏— 约翰福音 — 🙏 «ü»"), "BM-2", "BM-1", "BM-1;BM-3"});
    t.rows.append({-7, QString(""), QString(127, QChar(0x05D0)), null, null, null, null, null, QString(""), null, null,
                   QString(300, QLatin1Char('r'))});
    return t;
}

TableGram stories(const QByteArray& image)
{
    TableGram t;
    t.tableName = QStringLiteral("tblBibleStory");
    t.columns = {indexColumn(), col("StoryNumber", ColumnType::Int32), col("StoryName", ColumnType::Text),
                 col("StoryNotes", ColumnType::LongText), col("StoryImageType", ColumnType::Text, 10),
                 col("StoryImage", ColumnType::LongBinary), col("Short", ColumnType::Int16),
                 col("Shown", ColumnType::Boolean), col("Thumb", ColumnType::Binary, 16)};
    t.columns[2].nullable = false;
    const QVariant null;
    t.rows.append({1, 4, "Creation", QString(70000, QChar(0x263C)), "gif", image, -32768, true, QByteArray("\x00\x0F\xFF", 3)});
    t.rows.append({2, null, "Flood", null, null, null, 32767, false, QByteArray("")});
    t.rows.append({3, null, QString(""), null, null, QByteArray(""), null, null, null});
    return t;
}

QByteArray picture()
{
    QByteArray bytes(70000, Qt::Uninitialized);
    QRandomGenerator random(1611);
    for (qsizetype i = 0; i < bytes.size(); ++i)
        bytes[i] = char(i < 256 ? i : random.bounded(256));
    return bytes;
}

// Assembles TableGrams by hand, for encodings our own writer never produces.
class GramBuilder {
public:
    explicit GramBuilder(const char* header = "010754472100000000") : m_data(QByteArray::fromHex(header)) {}
    GramBuilder& hex(const char* bytes)
    {
        m_data += QByteArray::fromHex(bytes);
        return *this;
    }
    GramBuilder& column(quint16 ordinal, const char* name, quint16 dbType, quint32 maxLength, quint32 flags,
                        const char* presence = "800000", const char* tail = "")
    {
        QByteArray body = QByteArray::fromHex(presence) + le(ordinal, 2) + le(qstrlen(name), 2);
        for (const char* p = name; *p; ++p)
            body += le(quint8(*p), 2);
        body += le(dbType, 2) + le(maxLength, 4) + le(255, 4) + le(255, 4) + le(flags, 4) + QByteArray::fromHex(tail);
        m_data += '\x06' + le(body.size(), 2) + body;
        return *this;
    }
    QByteArray done() const { return m_data + '\x0F'; }

private:
    static QByteArray le(quint32 value, int size)
    {
        QByteArray out;
        for (int i = 0; i < size; ++i)
            out += char((value >> (8 * i)) & 0xFF);
        return out;
    }
    QByteArray m_data;
};

// Reads from a block of exactly the input's size, so the sanitizer sees any read past the data.
std::optional<TableGram> readExact(const QByteArray& bytes, QString* error = nullptr)
{
    const auto block = std::make_unique<char[]>(std::max<qsizetype>(bytes.size(), 1));
    std::copy(bytes.cbegin(), bytes.cend(), block.get());
    return readTableGram(QByteArray::fromRawData(block.get(), bytes.size()), error);
}

QString readError(const QByteArray& bytes)
{
    QString error;
    EXPECT_FALSE(readExact(bytes, &error).has_value());
    return error;
}

} // namespace

TEST(TableGramExample, ReadsThePublishersRowFromTheDocument)
{
    const QByteArray rdsPrefix = QByteArray::fromHex("090000" "35050000000010008000" "00AA006D2EA4"
                                                     "B692F23F04B2CF118D2300AA005FFE58");
    ASSERT_EQ(rdsPrefix.size(), 35);
    for (const QByteArray& bytes : {publishers(), rdsPrefix + publishers() + "trailing bytes"}) {
        QString error;
        const std::optional<TableGram> table = readTableGram(bytes, &error);
        ASSERT_TRUE(table.has_value()) << error.toStdString();
        EXPECT_EQ(table->tableName, "Publishers");
        ASSERT_EQ(table->columns.size(), 5);
        const QStringList names = {"pub_id", "pub_name", "city", "state", "country"};
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(table->columns.at(i).name, names.at(i));
            EXPECT_EQ(table->columns.at(i).type, ColumnType::Text);
            EXPECT_EQ(table->columns.at(i).nullable, i != 0);
        }
        EXPECT_TRUE(table->columns.at(0).key);
        EXPECT_EQ(table->columns.at(1).maxLength, 40u);
        ASSERT_EQ(table->rows.size(), 1);
        EXPECT_EQ(table->rows.at(0), (QList<QVariant>{"0736", "New Moon Books", "New York", "MA", "USA"}));
        EXPECT_EQ(table->columnIndex("PUB_NAME"), 1);
        EXPECT_EQ(table->columnIndex("publisher"), -1);
    }
}

TEST(TableGramRoundTrip, KeepsBookmarksAndStoriesIntact)
{
    for (const TableGram& table : {bookmarks(), stories(picture())}) {
        QString error;
        const QByteArray bytes = writeTableGram(table, &error);
        ASSERT_FALSE(bytes.isEmpty()) << error.toStdString();
        const std::optional<TableGram> read = readTableGram(bytes, &error);
        ASSERT_TRUE(read.has_value()) << error.toStdString();
        EXPECT_EQ(describe(*read), describe(table));
    }
}

TEST(TableGramWriter, EmitsTheDocumentedLayout)
{
    TableGram t;
    t.tableName = QStringLiteral("T");
    t.columns = {indexColumn(), col("Name", ColumnType::Text, 10), col("Notes", ColumnType::LongText),
                 col("Picture", ColumnType::LongBinary), col("Gone", ColumnType::Text, 5)};
    t.rows = {{7, "Hi", QString::fromUtf8("Ab€"), QByteArray("\x01\x02\xFF", 3), QVariant()}};
    const QByteArray bytes = writeTableGram(t);
    EXPECT_EQ(bytes.left(9).toHex(), "010754472100000000");
    EXPECT_EQ(bytes.mid(9, 13).toHex(), "021900b692f23f04b2cf118d23");
    EXPECT_EQ(bytes.mid(37, 3).toHex(), "032100"); // result descriptor without property sets
    // Key column: name, base table and column, DBTYPE_I4, key + fixed length, auto-increment, visible.
    EXPECT_TRUE(bytes.contains(QByteArray::fromHex("063700" "f00100" "0100" "050049006e00640065007800" "0100" "0100"
                                                   "050049006e00640065007800" "0300" "04000000" "0a000000"
                                                   "ff000000" "10800000" "ffff" "ffff")));
    // Memo column: DBTYPE_WSTR without a maximum, long + may be null + nullable + writable.
    EXPECT_TRUE(bytes.contains(QByteArray::fromHex("4e006f00740065007300" "8200" "ffffffff" "ff000000" "ff000000"
                                                   "e4000000" "0000" "ffff")));
    // The row: presence bits, the key, then each value after its length (1 byte short text, 4 memo and picture).
    EXPECT_EQ(bytes.mid(bytes.indexOf(QByteArray::fromHex("07e0"))).toHex(),
              "07" "e0" "07000000" "04" "48006900" "06000000" "41006200ac20" "03000000" "0102ff" "0f");
}

TEST(TableGramWriter, RejectsTablesItCannotEncode)
{
    TableGram t = bookmarks();
    t.rows[0][0] = QVariant();
    EXPECT_TRUE(writeTableGram(t).isEmpty()); // NULL key
    QString error;
    t = bookmarks();
    t.rows[0][1] = QString(51, QLatin1Char('a'));
    EXPECT_TRUE(writeTableGram(t, &error).isEmpty());
    EXPECT_TRUE(error.contains("BookMarkTestament")) << error.toStdString();
    t = bookmarks();
    t.rows[0][2] = QString(128, QLatin1Char('a')); // its byte count does not fit a one-byte length
    EXPECT_TRUE(writeTableGram(t).isEmpty());
    t = bookmarks();
    t.rows[1].removeLast();
    EXPECT_TRUE(writeTableGram(t).isEmpty());
    t = bookmarks();
    t.rows[0][3] = qint64(1) << 40;
    EXPECT_TRUE(writeTableGram(t).isEmpty());
    EXPECT_TRUE(writeTableGram(TableGram{}).isEmpty());
}

TEST(TableGramReader, RejectsEveryTruncationAndSurvivesCorruption)
{
    const QByteArray pic = picture();
    QByteArray story = writeTableGram(stories(pic));
    // Every cut in the last rows, one in a thousand through the long picture before them.
    for (const QByteArray& whole : {story, writeTableGram(bookmarks()), publishers()})
        for (qsizetype n = 0; n < whole.size(); n += whole.size() - n > 2000 ? 997 : 1)
            EXPECT_FALSE(readError(whole.left(n)).isEmpty()) << "cut at " << n;
    const qsizetype lengthAt = story.indexOf(pic.left(64)) - 4;
    story.replace(lengthAt, 4, QByteArray::fromHex("f0ffffff"));
    EXPECT_TRUE(readError(story).contains("end of data"));

    const QByteArray original = writeTableGram(bookmarks());
    QRandomGenerator random(2718);
    for (int round = 0; round < 3000; ++round) {
        QByteArray bytes = original;
        for (int hits = 1 + random.bounded(4); hits > 0; --hits)
            bytes[random.bounded(bytes.size())] = char(random.bounded(256));
        QString error;
        const std::optional<TableGram> table = readExact(bytes, &error);
        if (!table) {
            EXPECT_FALSE(error.isEmpty());
            continue;
        }
        for (const QList<QVariant>& row : table->rows)
            ASSERT_EQ(row.size(), table->columns.size());
    }
}

TEST(TableGramReader, ReadsTextLengthsInBytesAndInCharacters)
{
    // Text lengths in bytes as published, in characters as older versions wrote them, and mixed.
    using enum TextLengthUnit;
    const struct {
        const char* shortLength;
        const char* longLength;
        TextLengthUnit shortUnit, longUnit;
    } layouts[] = {{"04", "06000000", Bytes, Bytes}, {"02", "03000000", Characters, Characters},
                   {"02", "06000000", Characters, Bytes}};
    for (const auto& l : layouts) {
        const QByteArray bytes = GramBuilder().column(1, "S", 0x82, 50, 0x64).column(2, "M", 0x82, 0xFFFFFFFF, 0xE4)
                                     .hex("07c0").hex(l.shortLength).hex("61006200").hex(l.longLength)
                                     .hex("630064006500").done();
        const std::optional<TableGram> table = readTableGram(bytes);
        ASSERT_TRUE(table.has_value()) << l.shortLength << ' ' << l.longLength;
        EXPECT_EQ(table->rows, (QList<QList<QVariant>>{{"ab", "cde"}}));
        EXPECT_EQ(table->layout.shortText, l.shortUnit);
        EXPECT_EQ(table->layout.longText, l.longUnit);
    }
    // Read as bytes this row would stop at the 0x0F in its text: the reading that uses the whole file wins.
    const std::optional<TableGram> early = readTableGram(GramBuilder().column(1, "S", 0x82, 50, 0x64)
                                                             .hex("0780" "02" "41000f00").done());
    ASSERT_TRUE(early.has_value());
    EXPECT_EQ(early->rows.at(0).at(0).toString(), QStringLiteral("A\x0F"));
    EXPECT_FALSE(early->layout.longText.has_value());
}

TEST(TableGramReader, AcceptsReadingsOtherWritersUse)
{
    // Presence bits starting at 0x01.
    const QByteArray lsbFirst = GramBuilder().column(1, "A", 0x03, 4, 0x74).column(2, "B", 0x03, 4, 0x74)
                                    .hex("0701" "05000000" "0702" "06000000" "0703" "07000000" "08000000").done();
    const std::optional<TableGram> b = readTableGram(lsbFirst);
    ASSERT_TRUE(b.has_value());
    EXPECT_EQ(b->rows, (QList<QList<QVariant>>{{5, QVariant()}, {QVariant(), 6}, {7, 8}}));

    // Pending changes: change, insert, delete mark and a change forcing NULL.
    const QByteArray pending = GramBuilder().column(1, "Id", 0x03, 4, 0x8010).column(2, "Name", 0x82, 9, 0x64)
                                   .hex("0780" "01000000" "014100"            // (1, "A")
                                        "0a" "40" "00" "014200"            // Name changed to "B"
                                        "0d" "c0" "00" "02000000" "014300" // inserted (2, "C")
                                        "0780" "03000000" "014400" "0c"    // (3, "D"), marked deleted
                                        "0780" "04000000" "014500" "0a" "00" "40") // Name forced to NULL
                                   .done();
    const std::optional<TableGram> c = readTableGram(pending);
    ASSERT_TRUE(c.has_value()) << readError(pending).toStdString();
    EXPECT_EQ(c->rows, (QList<QList<QVariant>>{{1, "B"}, {2, "C"}, {3, "D"}, {4, QVariant()}}));

    // Single-byte text in Windows-1252 or, with the unicode flag, UTF-16; unknown descriptor fields skipped.
    const QByteArray ansi = GramBuilder().column(1, "S", 0x81, 20, 0x64, "800100", "0000" "deadbeef")
                                .hex("0780" "04" "8093946b").done();
    const std::optional<TableGram> d = readTableGram(ansi);
    ASSERT_TRUE(d.has_value());
    EXPECT_EQ(d->rows.at(0).at(0).toString(), QString::fromUtf8("€“”k"));
    const QByteArray cyrillic = GramBuilder().hex("050e00" "0100" "01005400" "0000" "e304" "0100" "0000")
                                    .column(1, "S", 0x81, 20, 0x64).hex("0780" "02" "c0e1").done();
    const std::optional<TableGram> e = readTableGram(cyrillic);
    ASSERT_TRUE(e.has_value()) << readError(cyrillic).toStdString();
    EXPECT_EQ(e->tableName, "T");
    EXPECT_EQ(e->rows.at(0).at(0).toString(), QString::fromUtf8("Аб"));
    const QByteArray wide = GramBuilder("010754472100000001").column(1, "S", 0x81, 20, 0x64).hex("0780" "01" "ac20").done();
    ASSERT_TRUE(readTableGram(wide).has_value());
    EXPECT_EQ(readTableGram(wide)->rows.at(0).at(0).toString(), QString::fromUtf8("€"));
}

TEST(TableGramReader, ExplainsWhatItCannotRead)
{
    EXPECT_TRUE(readError(QByteArray(64, 'x') + publishers()).contains("TG!"));
    EXPECT_TRUE(readError(GramBuilder("010754472100000100").column(1, "X", 3, 4, 0x10).done()).contains("big-endian"));
    EXPECT_TRUE(readError(GramBuilder().column(1, "D", 0x07, 8, 0x10).done()).contains("0x0007"));
    EXPECT_TRUE(readError(GramBuilder().column(1, "C", 0x88, 4, 0x2000).done()).contains("hierarchical"));
    EXPECT_TRUE(readError(GramBuilder().column(1, "I", 3, 4, 0x10).hex("80").done()).contains("hierarchical"));
    EXPECT_TRUE(readError(GramBuilder().column(2, "I", 3, 4, 0x10).done()).contains("ordinals"));
    EXPECT_TRUE(readError(GramBuilder().column(1, "I", 3, 4, 0x10).hex("0a").done()).contains("original row"));
    QByteArray announced = writeTableGram(bookmarks()); // 12 column descriptors
    announced.replace(61, 2, QByteArray::fromHex("60ea"));
    EXPECT_TRUE(readError(announced).contains("announces 60000 columns, but 12")) << readError(announced).toStdString();
}
