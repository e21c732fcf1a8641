#include "storage/Recordset.h"

#include "resources/Logging.h"
#include "storage/Database.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QDebug>
#include <algorithm>

namespace kivra {

const QString Recordset::RowidColumn = QStringLiteral("__rowid__");

std::unique_ptr<Recordset> Recordset::open(const QSqlDatabase& db, const QString& sql, const QVariantList& params,
                                           const QString& baseTable, QString* error)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!RunPrepared(query, sql, params, error))
        return nullptr;
    auto rs = std::unique_ptr<Recordset>(new Recordset);
    rs->m_db = db;
    rs->m_baseTable = baseTable;
    const QSqlRecord record = query.record();
    const bool hasRowid = !baseTable.isEmpty() && record.count() > 0 && record.fieldName(0) == RowidColumn;
    const int first = hasRowid ? 1 : 0;
    for (int i = first; i < record.count(); ++i)
        rs->m_fields << record.fieldName(i);
    const int width = record.count();
    while (query.next()) {
        QList<QVariant> row;
        row.reserve(width - first);
        for (int i = first; i < width; ++i)
            row << query.value(i);
        rs->m_rows << std::move(row);
        rs->m_rowids << (hasRowid ? query.value(0).toLongLong() : -1);
    }
    if (!hasRowid)
        rs->m_baseTable.clear();
    return rs;
}

std::unique_ptr<Recordset> Recordset::fromRows(const QStringList& fields, const QList<QList<QVariant>>& rows)
{
    auto rs = std::make_unique<Recordset>();
    rs->m_fields = fields;
    rs->m_rows = rows;
    return rs;
}

int Recordset::fieldIndex(const QString& field) const
{
    for (int i = 0; i < m_fields.size(); ++i)
        if (m_fields[i].compare(field, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QVariant Recordset::value(const QString& field) const
{
    const int column = fieldIndex(field);
    if (column < 0 || eof())
        return {};
    return m_rows[m_pos][column];
}

QString Recordset::text(const QString& field) const
{
    const QVariant v = value(field);
    return v.isNull() ? QString() : v.toString();
}

int Recordset::integer(const QString& field) const
{
    return value(field).toInt();
}

QVariant Recordset::at(int row, int column) const
{
    if (row < 0 || row >= m_rows.size() || column < 0 || column >= m_fields.size())
        return {};
    return m_rows[row][column];
}

qint64 Recordset::rowid(int row) const
{
    return row >= 0 && row < m_rowids.size() ? m_rowids[row] : -1;
}

void Recordset::setValue(const QString& field, const QVariant& value)
{
    const int column = fieldIndex(field);
    if (column < 0 || eof()) {
        qCWarning(lcStorage).noquote() << "Recordset: no field" << field << "or no current row";
        return;
    }
    m_rows[m_pos][column] = value;
    if (!m_dirty.contains(column))
        m_dirty << column;
}

void Recordset::AddNew()
{
    QList<QVariant> row;
    for (int i = 0; i < m_fields.size(); ++i)
        row << QVariant();
    m_rows << row;
    m_rowids << -1;
    m_pos = int(m_rows.size()) - 1;
    m_adding = true;
    m_dirty.clear();
}

bool Recordset::Update(QString* error)
{
    if (m_baseTable.isEmpty() || eof()) {
        if (error)
            *error = QCoreApplication::translate("Exchange", "The recordset cannot be written back.");
        return false;
    }
    QSqlQuery query(m_db);
    QStringList names;
    for (int column : m_dirty)
        names << QuoteIdentifier(m_fields[column]);
    QString sql;
    if (m_adding) {
        QStringList marks(names.size(), QStringLiteral("?"));
        sql = names.isEmpty() ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(QuoteIdentifier(m_baseTable))
                              : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                    .arg(QuoteIdentifier(m_baseTable), names.join(QLatin1Char(',')),
                                         marks.join(QLatin1Char(',')));
    } else {
        if (names.isEmpty())
            return true;
        for (QString& n : names)
            n += QStringLiteral("=?");
        sql = QStringLiteral("UPDATE %1 SET %2 WHERE rowid=?").arg(QuoteIdentifier(m_baseTable), names.join(QLatin1Char(',')));
    }
    QVariantList values;
    for (int column : m_dirty)
        values << m_rows[m_pos][column];
    if (!m_adding)
        values << m_rowids[m_pos];
    if (!RunPrepared(query, sql, values, error))
        return false;
    if (m_adding) {
        // Read the stored row back so columns the store fills (the auto-numbered Index) are known.
        const qint64 id = query.lastInsertId().toLongLong();
        m_rowids[m_pos] = id;
        QSqlQuery reread(m_db);
        reread.prepare(QStringLiteral("SELECT * FROM %1 WHERE rowid=?").arg(QuoteIdentifier(m_baseTable)));
        reread.addBindValue(id);
        if (reread.exec() && reread.next()) {
            const QSqlRecord rec = reread.record();
            for (int i = 0; i < rec.count(); ++i) {
                const int column = fieldIndex(rec.fieldName(i));
                if (column >= 0)
                    m_rows[m_pos][column] = reread.value(i);
            }
        }
    }
    m_adding = false;
    m_dirty.clear();
    return true;
}

void Recordset::Sort(const QString& field, bool ascending)
{
    const int column = fieldIndex(field);
    if (column < 0)
        return;
    QList<int> order(m_rows.size());
    for (int i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const QVariant& x = m_rows[a][column];
        const QVariant& y = m_rows[b][column];
        const auto cmp = QVariant::compare(x, y);
        return ascending ? cmp == QPartialOrdering::Less : cmp == QPartialOrdering::Greater;
    });
    QList<QList<QVariant>> rows;
    QList<qint64> ids;
    for (int i : order) {
        rows << m_rows[i];
        ids << m_rowids[i];
    }
    m_rows = std::move(rows);
    m_rowids = std::move(ids);
    m_pos = 0;
}

} // namespace kivra
