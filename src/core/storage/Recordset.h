#pragma once
// The rows of one statement read into memory, with a current row that callers move, read and change.
// A recordset opened on one base table can write its current row back (Update) by that table's rowid.
#include <QList>
#include <QSqlDatabase>
#include <QStringList>
#include <QVariant>
#include <memory>

namespace kivra {

class Recordset {
public:
    // Runs sql with the bound params. When baseTable is given, sql must select "rowid" as its first
    // column (see RowidColumn) so changed rows can be written back.
    static std::unique_ptr<Recordset> open(const QSqlDatabase& db, const QString& sql,
                                           const QVariantList& params = {}, const QString& baseTable = {},
                                           QString* error = nullptr);
    static const QString RowidColumn;
    // Rows made in memory, as a statement over these columns would give them; read only.
    static std::unique_ptr<Recordset> fromRows(const QStringList& fields, const QList<QList<QVariant>>& rows);

    bool eof() const { return m_pos >= m_rows.size() || m_pos < 0; }
    bool bof() const { return m_pos < 0 || m_rows.isEmpty(); }
    int recordCount() const { return int(m_rows.size()); }
    int position() const { return m_pos; }
    void setPosition(int row) { m_pos = row; }
    void MoveFirst() { m_pos = 0; }
    void MoveNext() { if (m_pos < m_rows.size()) ++m_pos; }
    void MovePrevious() { if (m_pos >= 0) --m_pos; }
    void MoveLast() { m_pos = int(m_rows.size()) - 1; }

    const QStringList& fieldNames() const { return m_fields; }
    int fieldIndex(const QString& field) const;  // case-insensitive; -1 when absent
    bool hasField(const QString& field) const { return fieldIndex(field) >= 0; }
    QVariant value(const QString& field) const;  // of the current row; invalid at EOF or unknown field
    QString text(const QString& field) const;    // value as text, a null as the empty text
    int integer(const QString& field) const;     // value as a number, 0 for null or text that is no number
    QVariant at(int row, int column) const;
    qint64 rowid(int row) const;

    // Changes go into the current row and reach the file on Update().
    void setValue(const QString& field, const QVariant& value);
    void AddNew();
    bool Update(QString* error = nullptr);

    void Sort(const QString& field, bool ascending = true);
    void Close() { m_rows.clear(); m_rowids.clear(); m_pos = 0; }

private:
    QSqlDatabase m_db;
    QString m_baseTable;
    QStringList m_fields;
    QList<QList<QVariant>> m_rows;
    QList<qint64> m_rowids;
    int m_pos = 0;
    QList<int> m_dirty;       // fields changed since the last Update
    bool m_adding = false;
};

using RecordsetPtr = std::unique_ptr<Recordset>;

} // namespace kivra
