#pragma once
// A query bound to views: holds the rows of one statement, exposes them as a table model and keeps
// a current row that bound text boxes follow (the way a data control feeds a grid).
#include "storage/Recordset.h"

#include <QAbstractTableModel>
#include <QSqlDatabase>
#include <functional>

namespace kivra {

class DataControl : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit DataControl(QObject* parent = nullptr);

    // Runs the statement and replaces the rows; the current row becomes the first (or none).
    bool bind(const QSqlDatabase& db, const QString& sql, const QVariantList& params = {});
    bool refresh();  // the same statement again
    void clear();

    // Rows that exist only as a count and a way to make any one cell: a view asks for the few it
    // shows, so a long result costs no time for the rows nobody looks at.
    using CellSource = std::function<QVariant(int row, int column)>;
    void bindRows(const QStringList& fields, int count, CellSource cell);

    Recordset* recordset() const { return m_rs.get(); }
    int recordCount() const { return m_rs ? m_rs->recordCount() : m_cellCount; }
    int currentRow() const { return m_current; }
    void setCurrentRow(int row);
    QVariant currentValue(const QString& field) const;
    QString currentText(const QString& field) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    void setHeaderCaption(int column, const QString& caption);
    // The tooltip of the cells of one column, made from the cell's value (the value itself in the
    // other columns); column -1 for none.
    using TipSource = std::function<QString(const QVariant& value)>;
    void setToolTipColumn(int column, TipSource tip);

signals:
    void currentRowChanged(int row);

private:
    QSqlDatabase m_db;
    QString m_sql;
    QVariantList m_params;
    RecordsetPtr m_rs;
    int m_current = -1;
    QHash<int, QString> m_captions;
    QStringList m_cellFields;
    int m_cellCount = 0;
    CellSource m_cell;
    int m_tipColumn = -1;
    TipSource m_tip;

    void resetRows();
    QVariant valueAt(int row, int column) const;
    int fieldIndex(const QString& field) const;
    const QStringList& fieldNames() const;
};

} // namespace kivra
