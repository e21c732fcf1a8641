#include "storage/ExchangeFile.h"

#include "storage/Database.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <limits>

namespace kivra {

bool ReadWholeFile(const QString& path, QByteArray* bytes, QString* error, qint64 maxBytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return false;
    }
    if (file.size() > maxBytes) {
        *error = QCoreApplication::translate("Exchange", "the file is too large (%1 bytes)").arg(file.size());
        return false;
    }
    *bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        *error = file.errorString();
        return false;
    }
    return true;
}

bool WriteFileSafely(const QString& path, const QByteArray& bytes, QString* error,
                     QFileDevice::Permissions permissions)
{
    QSaveFile file(path);
    auto fail = [&] {
        // The reason reads as a sentence of its own after the name of the file.
        if (error)
            *error = file.errorString() + QLatin1Char('.');
        file.cancelWriting();
        return false;
    };
    // Never fall back to writing in place: that is exactly the half-written file we avoid.
    file.setDirectWriteFallback(false);
    // Unbuffered, so a full disk fails the write itself: a failed flush inside commit() can go
    // unnoticed and leave an empty file under the final name.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail();
    if (permissions && !file.setPermissions(permissions))
        return fail();
    // A short write gives no reason; the next attempt fails with it (a full disk, for one).
    for (qint64 written = 0; written < bytes.size();) {
        const qint64 chunk = file.write(bytes.constData() + written, bytes.size() - written);
        if (chunk <= 0)
            return fail();
        written += chunk;
    }
    if (!file.commit())
        return fail();
    return true;
}

std::optional<TableGram> ReadTableGramFile(const QString& path, QString* error)
{
    QByteArray bytes;
    if (!ReadWholeFile(path, &bytes, error))
        return std::nullopt;
    return readTableGram(bytes, error);
}

namespace {

struct DeclaredColumn {
    QString name;
    QString type;
    bool key = false;
};

QList<DeclaredColumn> declaredColumns(const QSqlDatabase& db, const QString& table)
{
    QList<DeclaredColumn> columns;
    auto info = queryRows(db, QStringLiteral("SELECT name, type, pk FROM pragma_table_info(?)"),
                          {table});
    for (; info && !info->eof(); info->MoveNext())
        columns.append({info->text(QStringLiteral("name")), info->text(QStringLiteral("type")).toUpper(),
                        info->integer(QStringLiteral("pk")) > 0});
    return columns;
}

TableGramColumn columnFor(const QString& name, const QList<DeclaredColumn>& declared, const QStringList& longText)
{
    TableGramColumn column;
    column.name = name;
    for (const DeclaredColumn& d : declared) {
        if (d.name.compare(name, Qt::CaseInsensitive) != 0)
            continue;
        column.name = d.name;
        if (d.type.contains(QLatin1String("INT"))) {
            column.type = ColumnType::Int32;
        } else if (d.type.contains(QLatin1String("BLOB"))) {
            column.type = ColumnType::LongBinary;
        }
        if (d.key) {
            column.key = true;
            column.autoIncrement = true;
            column.nullable = false;
        }
    }
    if (column.type == ColumnType::Text && longText.contains(column.name, Qt::CaseInsensitive))
        column.type = ColumnType::LongText;
    return column;
}

QVariant cellFor(const TableGramColumn& column, const QVariant& value)
{
    if (value.isNull())
        return QVariant();
    switch (column.type) {
    case ColumnType::Int32: {
        bool ok = false;
        const qlonglong n = value.toLongLong(&ok);
        return ok && n >= std::numeric_limits<int>::min() && n <= std::numeric_limits<int>::max() ? QVariant(int(n))
                                                                                                  : QVariant();
    }
    case ColumnType::LongBinary:
        return value.toByteArray();
    default:
        return value.toString();
    }
}

} // namespace

TableGram TableGramFromRecordset(const QSqlDatabase& db, const QString& table, const Recordset& rows,
                                 const QStringList& longText)
{
    TableGram gram;
    gram.tableName = table;
    const QList<DeclaredColumn> declared = declaredColumns(db, table);
    for (const QString& field : rows.fieldNames())
        gram.columns.append(columnFor(field, declared, longText));
    for (int r = 0; r < rows.recordCount(); ++r) {
        QList<QVariant> cells;
        for (int c = 0; c < gram.columns.size(); ++c) {
            const QVariant cell = cellFor(gram.columns[c], rows.at(r, c));
            if (gram.columns[c].type == ColumnType::Text && cell.toString().size() > kMaxShortTextUnits)
                gram.columns[c].type = ColumnType::LongText;
            cells.append(cell);
        }
        gram.rows.append(cells);
    }
    return gram;
}

QString CellAsText(const QVariant& cell)
{
    const QString text = cell.toString();
    return text.isNull() ? QStringLiteral("") : text;
}

bool CellAsInteger(const QVariant& cell, QVariant* value)
{
    if (cell.isNull()) {
        *value = QVariant();
        return true;
    }
    bool ok = false;
    qlonglong n = 0;
    if (cell.typeId() == QMetaType::Bool) {
        n = cell.toBool() ? -1 : 0;  // the stored form of a Boolean true
        ok = true;
    } else if (cell.typeId() == QMetaType::QString) {
        n = cell.toString().trimmed().toLongLong(&ok);
    } else {
        n = cell.toLongLong(&ok);
    }
    if (!ok || n < std::numeric_limits<int>::min() || n > std::numeric_limits<int>::max())
        return false;
    *value = int(n);
    return true;
}

} // namespace kivra
