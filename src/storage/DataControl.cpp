#include "storage/DataControl.h"

namespace kivra {

DataControl::DataControl(QObject* parent) : QAbstractTableModel(parent) {}

bool DataControl::bind(const QSqlDatabase& db, const QString& sql, const QVariantList& params)
{
    m_db = db;
    m_sql = sql;
    m_params = params;
    return refresh();
}

bool DataControl::refresh()
{
    beginResetModel();
    m_rs = m_sql.isEmpty() ? nullptr : Recordset::open(m_db, m_sql, m_params);
    m_current = recordCount() > 0 ? 0 : -1;
    if (m_rs)
        m_rs->setPosition(m_current < 0 ? 0 : m_current);
    endResetModel();
    emit currentRowChanged(m_current);
    return m_rs != nullptr;
}

void DataControl::clear()
{
    beginResetModel();
    m_rs.reset();
    m_sql.clear();
    m_params.clear();
    m_current = -1;
    endResetModel();
    emit currentRowChanged(m_current);
}

void DataControl::setCurrentRow(int row)
{
    if (row < 0 || row >= recordCount() || row == m_current)
        return;
    m_current = row;
    m_rs->setPosition(row);
    emit currentRowChanged(row);
}

QVariant DataControl::currentValue(const QString& field) const
{
    if (!m_rs || m_current < 0)
        return {};
    const int column = m_rs->fieldIndex(field);
    return column < 0 ? QVariant() : m_rs->at(m_current, column);
}

QString DataControl::currentText(const QString& field) const
{
    const QVariant v = currentValue(field);
    return v.isNull() ? QString() : v.toString();
}

int DataControl::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : recordCount();
}

int DataControl::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() || !m_rs ? 0 : int(m_rs->fieldNames().size());
}

QVariant DataControl::data(const QModelIndex& index, int role) const
{
    if (!m_rs || !index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return {};
    return m_rs->at(index.row(), index.column());
}

QVariant DataControl::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    if (m_captions.contains(section))
        return m_captions.value(section);
    return m_rs && section < m_rs->fieldNames().size() ? m_rs->fieldNames().at(section) : QVariant();
}

void DataControl::setHeaderCaption(int column, const QString& caption)
{
    m_captions.insert(column, caption);
    emit headerDataChanged(Qt::Horizontal, column, column);
}

} // namespace kivra
