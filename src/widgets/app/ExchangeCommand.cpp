#include "app/ExchangeCommand.h"

#include "bookmarks/BookmarkImportReport.h"
#include "storage/ExchangeFile.h"
#include "storage/Globals.h"
#include "stories/StoryImportReport.h"

#include <QCoreApplication>
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

QString lengthText(const QString& which, TextLengthUnit unit)
{
    return which.arg(unit == TextLengthUnit::Bytes ? QCoreApplication::translate("ExchangeCommand", "bytes")
                                                   : QCoreApplication::translate("ExchangeCommand", "characters"));
}

// Which reading of the rows the file needed, so a file from another writer can be told apart.
QString layoutText(const TableGramLayout& layout)
{
    QString name = QCoreApplication::translate("ExchangeCommand", "another writer's");
    if (usesOnly(layout, TextLengthUnit::Bytes))
        name = QCoreApplication::translate("ExchangeCommand", "published");
    else if (usesOnly(layout, TextLengthUnit::Characters))
        name = QCoreApplication::translate("ExchangeCommand", "earlier versions of this program");
    QStringList details;
    if (layout.shortText)
        details << lengthText(
            QCoreApplication::translate("ExchangeCommand", "short text lengths in %1"), *layout.shortText);
    if (layout.longText)
        details << lengthText(
            QCoreApplication::translate("ExchangeCommand", "long text lengths in %1"), *layout.longText);
    if (layout.presenceLsbFirst)
        details << QCoreApplication::translate("ExchangeCommand", "presence bits from 0x01");
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
    s << QCoreApplication::translate("ExchangeCommand", "Table: %1")
             .arg(table.tableName.isEmpty() ? QCoreApplication::translate("ExchangeCommand", "(unnamed)")
                                            : table.tableName)
      << '\n';
    s << QCoreApplication::translate("ExchangeCommand", "Layout: %1").arg(layoutText(table.layout)) << '\n';
    s << QCoreApplication::translate("ExchangeCommand", "Columns: %1").arg(table.columns.size()) << '\n';
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
    s << QCoreApplication::translate("ExchangeCommand", "Rows: %1").arg(table.rows.size()) << '\n';
    for (int r = 0; r < table.rows.size(); ++r) {
        s << QCoreApplication::translate("ExchangeCommand", "Row %1").arg(r + 1) << '\n';
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

int writeCommand(const std::optional<TableGram>& table, const QString& path, QString error, const QString& nothing)
{
    if (!table) {
        err() << error << Qt::endl;
        return 1;
    }
    switch (WriteExchangeTable(*table, path, &error)) {
    case ExportOutcome::Written:
        QTextStream(stdout) << QCoreApplication::translate(
            "ExchangeCommand", "Exported %n rows to %1", nullptr, int(table->rows.size()))
                                   .arg(path)
                            << Qt::endl;
        return 0;
    case ExportOutcome::NothingToWrite:
        err() << nothing << Qt::endl;
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
    return writeCommand(AllBookmarksTable(OptionsConnection(), &error), path, error,
        QCoreApplication::translate("ExchangeCommand", "There are no bookmarks to export; no file was written."));
}

int RunExportStoriesCommand(const QString& path)
{
    QString error;
    return writeCommand(AllStoriesTable(StoryConnection(), &error), path, error,
        QCoreApplication::translate("ExchangeCommand", "There are no stories to export; no file was written."));
}

int RunImportBookmarksCommand(const QString& path)
{
    const BookmarkImport result = ImportBookmarkFile(OptionsConnection(), path);
    ReportBookmarkImport(result, path, nullptr);
    if (!result.ok) {
        err() << path << ": " << result.error << Qt::endl;  // the detail the message leaves out
        return 1;
    }
    QTextStream(stdout) << QCoreApplication::translate(
        "ExchangeCommand", "Imported %n bookmarks; refused %1", nullptr, result.added)
                               .arg(result.refused.size())
                        << Qt::endl;
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
    const int count = int(result.storyNumbers.size());
    QTextStream(stdout) << (numbers.isEmpty()
            ? QCoreApplication::translate("ExchangeCommand", "Imported %n stories", nullptr, count)
            : QCoreApplication::translate("ExchangeCommand", "Imported %n stories as %1", nullptr, count)
                  .arg(numbers.join(QStringLiteral(", "))))
                        << Qt::endl;
    return 0;
}

} // namespace kivra
