#include "app/ExchangeCommand.h"

#include "bookmarks/BookmarkImportReport.h"
#include "storage/ExchangeFile.h"
#include "storage/Globals.h"
#include "stories/StoryImportReport.h"

#include <QDate>
#include <QTextStream>

namespace kivra {
namespace {

QString kindText(const TableGramColumn& c)
{
    switch (c.type) {
    case ColumnType::Int16: return QStringLiteral("Int16");
    case ColumnType::Int32: return QStringLiteral("Int32");
    case ColumnType::Boolean: return QStringLiteral("Boolean");
    case ColumnType::Text: return QStringLiteral("Text(%1)").arg(c.maxLength);
    case ColumnType::LongText: return QStringLiteral("LongText");
    case ColumnType::Binary: return QStringLiteral("Binary(%1)").arg(c.maxLength);
    case ColumnType::LongBinary: return QStringLiteral("LongBinary");
    }
    return QStringLiteral("?");
}

QString quoted(const QString& text)
{
    QString out = QStringLiteral("\"");
    for (QChar c : text) {
        if (c == u'"' || c == u'\\')
            out += u'\\' + QString(c);
        else if (c == u'\n')
            out += QStringLiteral("\\n");
        else if (c == u'\r')
            out += QStringLiteral("\\r");
        else if (c == u'\t')
            out += QStringLiteral("\\t");
        else if (c.unicode() < 0x20)
            out += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out + u'"';
}

QString cellText(const QVariant& cell)
{
    if (cell.isNull())
        return QStringLiteral("NULL");
    switch (cell.typeId()) {
    case QMetaType::QByteArray: {
        const QByteArray bytes = cell.toByteArray();
        QString text = QStringLiteral("<%1 bytes>").arg(bytes.size());
        if (!bytes.isEmpty())
            text += u' ' + QString::fromLatin1(bytes.left(16).toHex(' ')) + (bytes.size() > 16 ? QStringLiteral(" ...") : QString());
        return text;
    }
    case QMetaType::QString: return quoted(cell.toString());
    case QMetaType::Bool: return cell.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    default: return cell.toString();
    }
}

bool usesOnly(const TableGramLayout& layout, TextLengthUnit unit)
{
    return !layout.presenceLsbFirst && layout.shortText.value_or(unit) == unit && layout.longText.value_or(unit) == unit;
}

QString lengthText(const char* which, TextLengthUnit unit)
{
    return QStringLiteral("%1 text lengths in %2")
        .arg(QLatin1String(which), unit == TextLengthUnit::Bytes ? QStringLiteral("bytes") : QStringLiteral("characters"));
}

// Which reading of the rows the file needed, so a file from another writer can be told apart.
QString layoutText(const TableGramLayout& layout)
{
    QString name = QStringLiteral("another writer's");
    if (usesOnly(layout, TextLengthUnit::Bytes))
        name = QStringLiteral("published");
    else if (usesOnly(layout, TextLengthUnit::Characters))
        name = QStringLiteral("earlier versions of this program");
    QStringList details;
    if (layout.shortText)
        details << lengthText("short", *layout.shortText);
    if (layout.longText)
        details << lengthText("long", *layout.longText);
    if (layout.presenceLsbFirst)
        details << QStringLiteral("presence bits from 0x01");
    return details.isEmpty() ? name : name + QStringLiteral(" (") + details.join(QStringLiteral(", ")) + u')';
}

QTextStream& err()
{
    static QTextStream stream(stderr);
    return stream;
}

} // namespace

QString DumpTableGram(const TableGram& table)
{
    QString out;
    QTextStream s(&out);
    s << "Table: " << (table.tableName.isEmpty() ? QStringLiteral("(unnamed)") : table.tableName) << '\n';
    s << "Layout: " << layoutText(table.layout) << '\n';
    s << "Columns: " << table.columns.size() << '\n';
    for (int i = 0; i < table.columns.size(); ++i) {
        const TableGramColumn& c = table.columns[i];
        QStringList flags;
        if (c.key)
            flags << QStringLiteral("key");
        if (c.autoIncrement)
            flags << QStringLiteral("auto-increment");
        flags << (c.nullable ? QStringLiteral("nullable") : QStringLiteral("not null"));
        s << "  " << (i + 1) << ". " << c.name << "  " << kindText(c) << "  " << flags.join(QStringLiteral(", "))
          << '\n';
    }
    s << "Rows: " << table.rows.size() << '\n';
    for (int r = 0; r < table.rows.size(); ++r) {
        s << "Row " << (r + 1) << '\n';
        for (int i = 0; i < table.columns.size(); ++i)
            s << "  " << table.columns[i].name << " = " << cellText(table.rows[r].value(i)) << '\n';
    }
    return out;
}

int RunDumpCommand(const QString& path)
{
    QString error;
    const auto table = ReadTableGramFile(path, &error);
    if (!table) {
        err() << path << ": " << error << Qt::endl;
        return 1;
    }
    QTextStream(stdout) << DumpTableGram(*table);
    return 0;
}

namespace {

int writeCommand(const std::optional<TableGram>& table, const QString& path, QString error, const char* what)
{
    if (!table) {
        err() << error << Qt::endl;
        return 1;
    }
    switch (WriteExchangeTable(*table, path, &error)) {
    case ExportOutcome::Written:
        QTextStream(stdout) << "Exported " << table->rows.size() << " rows to " << path << Qt::endl;
        return 0;
    case ExportOutcome::NothingToWrite:
        err() << "There are no " << what << " to export; no file was written." << Qt::endl;
        return 1;
    case ExportOutcome::Failed:
        break;
    }
    err() << path << ": " << error << Qt::endl;
    return 1;
}

} // namespace

int RunExportBookmarksCommand(const QString& path)
{
    QString error;
    return writeCommand(AllBookmarksTable(OptionsConnection(), &error), path, error, "bookmarks");
}

int RunExportStoriesCommand(const QString& path)
{
    QString error;
    return writeCommand(AllStoriesTable(StoryConnection(), &error), path, error, "stories");
}

int RunImportBookmarksCommand(const QString& path)
{
    const BookmarkImport result = ImportBookmarkFile(OptionsConnection(), path);
    ReportBookmarkImport(result, path, nullptr);
    if (!result.ok) {
        err() << path << ": " << result.error << Qt::endl;  // the detail the message leaves out
        return 1;
    }
    QTextStream(stdout) << "Imported " << result.added << " bookmarks; refused " << result.refused.size() << Qt::endl;
    return 0;
}

int RunImportStoriesCommand(const QString& path)
{
    const StoryImport result = ImportStoryFile(StoryConnection(), path, ImageFolder(), QDate::currentDate());
    ReportStoryImport(result, path, nullptr);
    if (!result.ok) {
        if (!result.error.isEmpty())
            err() << path << ": " << result.error << Qt::endl;  // the detail the message leaves out
        return 1;
    }
    QStringList numbers;
    for (int n : result.storyNumbers)
        numbers << QString::number(n);
    QTextStream(stdout) << "Imported " << result.storyNumbers.size() << " stories"
                        << (numbers.isEmpty() ? QString() : QStringLiteral(" as ") + numbers.join(QStringLiteral(", ")))
                        << Qt::endl;
    return 0;
}

} // namespace kivra
