#pragma once
// The one way the program talks to its three database files. Every value travels as a bound
// parameter; table and field names come from code and are checked against the file's schema.
#include "storage/Recordset.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>

namespace kivra {

enum class OpenMode { ReadOnly, ReadWrite };

// How long a statement waits for another program's lock on the same database file before it fails.
inline constexpr int BusyTimeoutMs = 5000;

// Opens an existing SQLite file under the given connection name; never creates a file.
// On failure returns an invalid QSqlDatabase and sets error.
QSqlDatabase OpenDatabaseConnection(const QString& connectionName, const QString& fullPath, OpenMode mode,
                                    QString* error = nullptr);

QString QuoteIdentifier(const QString& name);
bool IsKnownTable(const QSqlDatabase& db, const QString& table);
bool IsKnownField(const QSqlDatabase& db, const QString& table, const QString& field);
QStringList TableColumns(const QSqlDatabase& db, const QString& table);
// Whether the table exists and every page of it can be read. The walk over its rows finds a
// damaged page of the Bible text in a few milliseconds, where SQLite's quick_check of the whole
// file would hold up every start for about a tenth of a second.
bool TableIsReadable(const QSqlDatabase& db, const QString& table);

// SELECT * FROM T [WHERE F op V]; no condition when F or V is empty. op is one of = <> < > <= >= LIKE.
RecordsetPtr selectRows(const QSqlDatabase& db, const QString& table, const QString& field,
                        const QString& value, const QString& op = QStringLiteral("="));
RecordsetPtr queryRows(const QSqlDatabase& db, const QString& sql, const QVariantList& params = {});
// SELECT * FROM T [WHERE F = V] with V a number given as text; a value that is no number gives nullptr.
RecordsetPtr selectRowsByNumber(const QSqlDatabase& db, const QString& table, const QString& field,
                                const QString& value);

// Updates and deletes act on the whole table only when no condition field is named. A condition
// field with an empty (or zero) value is refused: that is how callers lose data by accident.
bool updateRecordSet(const QSqlDatabase& db, const QString& table, const QString& field, const QVariant& value,
                     const QString& keyField, const QString& keyValue);
bool updateNumericRecordSet(const QSqlDatabase& db, const QString& table, const QString& field, qint64 value,
                            const QString& keyField, qint64 keyValue);
bool DeleteRecord(const QSqlDatabase& db, const QString& table, const QString& field, const QString& value);
bool DeleteNumericRecord(const QSqlDatabase& db, const QString& table, const QString& field, qint64 value);
// Copies the rows of source whose field equals value (a number) into destination, in one transaction.
bool CopyRecord(const QSqlDatabase& db, const QString& source, const QString& destination, const QString& field,
                qint64 value);
// The value of field in the first row ordered by orderField descending, or the empty text.
QString GetMaxFieldValue(const QSqlDatabase& db, const QString& table, const QString& orderField,
                         const QString& field);

// Prepares sql on query, binds params in order and runs it; on failure logs the statement and
// sets error. Every statement of the program goes through here.
bool RunPrepared(QSqlQuery& query, const QString& sql, const QVariantList& params, QString* error = nullptr);

// Runs one statement that returns no rows.
bool ExecuteStatement(const QSqlDatabase& db, const QString& sql, const QVariantList& params = {},
                      QString* error = nullptr);

// A transaction that rolls back unless commit() succeeds. Nested use joins the outer transaction.
class Transaction {
public:
    explicit Transaction(const QSqlDatabase& db);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    bool ok() const { return m_ok; }
    bool commit();

private:
    QSqlDatabase m_db;
    bool m_ok = false;
    bool m_owner = false;
    bool m_done = false;
};

} // namespace kivra
