#include "storage/DataControl.h"

namespace kivra {

DataControl::DataControl(QObject* parent) : QAbstractTableModel(parent) {}

bool DataControl::bind(const QSqlDatabase& db, const QString& sql, const QVariantList& params)
{
    m_db = db;
    m_sql = sql;
    m_params = params;
    m_cell = nullptr;  // a statement replaces rows made on demand
    return refresh();
}

void DataControl::resetRows()
{
    m_rs.reset();
    m_cellFields.clear();
    m_cellCount = 0;
    m_cell = nullptr;
}

bool DataControl::refresh()
{
    if (m_cell)
        return true;  // rows made on demand have no statement to run again
    beginResetModel();
    resetRows();
    m_rs = m_sql.isEmpty() ? nullptr : Recordset::open(m_db, m_sql, m_params);
    m_current = recordCount() > 0 ? 0 : -1;
    if (m_rs)
        m_rs->setPosition(m_current < 0 ? 0 : m_current);
    endResetModel();
    emit currentRowChanged(m_current);
    return m_rs != nullptr;
}

void DataControl::bindRows(const QStringList& fields, int count, CellSource cell)
{
    beginResetModel();
    resetRows();
    m_sql.clear();
    m_params.clear();
    m_cellFields = fields;
    m_cellCount = count;
    m_cell = std::move(cell);
    m_current = count > 0 ? 0 : -1;
    endResetModel();
    emit currentRowChanged(m_current);
}

void DataControl::clear()
{
    beginResetModel();
    resetRows();
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
    if (m_rs)
        m_rs->setPosition(row);
    emit currentRowChanged(row);
}

const QStringList& DataControl::fieldNames() const
{
    return m_rs ? m_rs->fieldNames() : m_cellFields;
}

int DataControl::fieldIndex(const QString& field) const
{
    const QStringList& fields = fieldNames();
    for (int i = 0; i < fields.size(); ++i)
        if (fields[i].compare(field, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QVariant DataControl::valueAt(int row, int column) const
{
    if (m_rs)
        return m_rs->at(row, column);
    return m_cell ? m_cell(row, column) : QVariant();
}

QVariant DataControl::currentValue(const QString& field) const
{
    if (m_current < 0)
        return {};
    const int column = fieldIndex(field);
    return column < 0 ? QVariant() : valueAt(m_current, column);
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
    return parent.isValid() ? 0 : int(fieldNames().size());
}

QVariant DataControl::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return {};
    const QVariant value = valueAt(index.row(), index.column());
    if (role == Qt::ToolTipRole && index.column() == m_tipColumn && m_tip)
        return m_tip(value);
    return value;
}

void DataControl::setToolTipColumn(int column, TipSource tip)
{
    m_tipColumn = column;
    m_tip = std::move(tip);
}

QVariant DataControl::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    if (m_captions.contains(section))
        return m_captions.value(section);
    return section < fieldNames().size() ? fieldNames().at(section) : QVariant();
}

void DataControl::setHeaderCaption(int column, const QString& caption)
{
    m_captions.insert(column, caption);
    emit headerDataChanged(Qt::Horizontal, column, column);
}

} // namespace kivra
