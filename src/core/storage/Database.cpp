#include "storage/Database.h"

#include "resources/Logging.h"

#include <QDebug>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>

namespace kivra {
namespace {

QHash<QString, QHash<QString, QStringList>>& schemaCache()
{
    static QHash<QString, QHash<QString, QStringList>> cache;  // connection -> lower table -> columns
    return cache;
}

QSet<QString>& connectionsInTransaction()
{
    static QSet<QString> set;
    return set;
}

bool isNumberText(const QString& text)
{
    bool ok = false;
    text.trimmed().toLongLong(&ok);
    return ok;
}

QString whereClause(const QString& field, const QString& op)
{
    return QStringLiteral(" WHERE (%1 %2 ?)").arg(QuoteIdentifier(field), op);
}

bool checkTable(const QSqlDatabase& db, const QString& table)
{
    if (IsKnownTable(db, table))
        return true;
    qCWarning(lcStorage).noquote() << "Unknown table" << table << "on" << db.connectionName();
    return false;
}

bool checkField(const QSqlDatabase& db, const QString& table, const QString& field)
{
    if (field.isEmpty() || IsKnownField(db, table, field))
        return true;
    qCWarning(lcStorage).noquote() << "Unknown field" << field << "in" << table;
    return false;
}

} // namespace

QSqlDatabase OpenDatabaseConnection(const QString& connectionName, const QString& fullPath, OpenMode mode,
                                    QString* error)
{
    auto fail = [&](const QString& why) {
        if (error)
            *error = why;
        qCWarning(lcStorage).noquote() << "Cannot open" << fullPath << ":" << why;
        if (QSqlDatabase::contains(connectionName))
            QSqlDatabase::removeDatabase(connectionName);
        return QSqlDatabase();
    };
    const QFileInfo info(fullPath);
    if (!info.isFile())
        return fail(QStringLiteral("file not found"));
    schemaCache().remove(connectionName);
    if (QSqlDatabase::contains(connectionName))
        QSqlDatabase::removeDatabase(connectionName);
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
    db.setDatabaseName(fullPath);
    if (mode == OpenMode::ReadOnly)
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    if (!db.open())
        return fail(db.lastError().text());
    // A file that is not a database opens fine and fails on the first read: read the schema now.
    QSqlQuery probe(db);
    if (!probe.exec(QStringLiteral("SELECT count(*) FROM sqlite_master"))) {
        const QString why = probe.lastError().text();
        probe = QSqlQuery();
        db.close();
        db = QSqlDatabase();
        return fail(why);
    }
    probe.finish();
    QSqlQuery pragma(db);
    pragma.exec(QStringLiteral("PRAGMA foreign_keys=OFF"));
    // A second copy of the program on the same folder (an import, a bookmark being saved) then waits
    // its turn instead of failing at once; readers wait too while a writer commits.
    pragma.exec(QStringLiteral("PRAGMA busy_timeout=%1").arg(BusyTimeoutMs));
    return db;
}

QString QuoteIdentifier(const QString& name)
{
    return QLatin1Char('"') + QString(name).replace(QLatin1Char('"'), QLatin1String("\"\"")) + QLatin1Char('"');
}

QStringList TableColumns(const QSqlDatabase& db, const QString& table)
{
    auto& perConnection = schemaCache()[db.connectionName()];
    const QString key = table.toLower();
    auto it = perConnection.find(key);
    if (it != perConnection.end())
        return *it;
    QStringList columns;
    QSqlQuery query(db);
    query.prepare(QStringLiteral("SELECT name FROM pragma_table_info(?)"));
    query.addBindValue(table);
    if (query.exec())
        while (query.next())
            columns << query.value(0).toString();
    if (!columns.isEmpty())
        perConnection.insert(key, columns);
    return columns;
}

bool IsKnownTable(const QSqlDatabase& db, const QString& table)
{
    return !table.isEmpty() && !TableColumns(db, table).isEmpty();
}

bool TableIsReadable(const QSqlDatabase& db, const QString& table)
{
    // Counting without an index visits every page of the table's own tree.
    QSqlQuery count(db);
    if (count.exec(QStringLiteral("SELECT count(*) FROM %1 NOT INDEXED").arg(QuoteIdentifier(table))) && count.next())
        return true;
    qCWarning(lcStorage).noquote() << "Table" << table << "of" << db.databaseName() << "cannot be read:" << count.lastError().text();
    return false;
}

bool IsKnownField(const QSqlDatabase& db, const QString& table, const QString& field)
{
    const QStringList columns = TableColumns(db, table);
    for (const QString& c : columns)
        if (c.compare(field, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

static QString selectHead(const QString& table)
{
    return QStringLiteral("SELECT rowid AS %1, * FROM %2").arg(Recordset::RowidColumn, QuoteIdentifier(table));
}

RecordsetPtr selectRows(const QSqlDatabase& db, const QString& table, const QString& field,
                        const QString& value, const QString& op)
{
    static const QStringList operators = {QStringLiteral("="), QStringLiteral("<>"), QStringLiteral("<"),
                                          QStringLiteral(">"), QStringLiteral("<="), QStringLiteral(">="),
                                          QStringLiteral("LIKE"), QStringLiteral("NOT LIKE")};
    if (!checkTable(db, table) || !operators.contains(op.trimmed().toUpper()))
        return nullptr;
    QString sql = selectHead(table);
    QVariantList params;
    if (!field.isEmpty() && !value.isEmpty()) {
        if (!checkField(db, table, field))
            return nullptr;
        sql += whereClause(field, op.trimmed().toUpper());
        params << value;
    }
    return Recordset::open(db, sql, params, table);
}

RecordsetPtr queryRows(const QSqlDatabase& db, const QString& sql, const QVariantList& params)
{
    return Recordset::open(db, sql, params);
}

RecordsetPtr selectRowsByNumber(const QSqlDatabase& db, const QString& table, const QString& field,
                                const QString& value)
{
    if (!checkTable(db, table))
        return nullptr;
    QString sql = selectHead(table);
    QVariantList params;
    if (!field.isEmpty() && !value.isEmpty()) {
        if (!checkField(db, table, field) || !isNumberText(value)) {
            qCWarning(lcStorage).noquote() << "Not a number:" << value;
            return nullptr;
        }
        sql += whereClause(field, QStringLiteral("="));
        params << value.trimmed().toLongLong();
    }
    return Recordset::open(db, sql, params, table);
}

static bool runUpdate(const QSqlDatabase& db, const QString& table, const QString& field, const QVariant& value,
                      const QString& keyField, const QVariant& keyValue, bool hasKeyValue)
{
    if (!checkTable(db, table) || !checkField(db, table, field) || field.isEmpty() || !checkField(db, table, keyField))
        return false;
    if (!keyField.isEmpty() && !hasKeyValue) {
        qCWarning(lcStorage).noquote() << "Refusing to update every row of" << table << "for an empty" << keyField;
        return false;
    }
    QString sql = QStringLiteral("UPDATE %1 SET %2=?").arg(QuoteIdentifier(table), QuoteIdentifier(field));
    QVariantList params{value};
    if (!keyField.isEmpty()) {
        sql += whereClause(keyField, QStringLiteral("="));
        params << keyValue;
    }
    return ExecuteStatement(db, sql, params);
}

bool updateRecordSet(const QSqlDatabase& db, const QString& table, const QString& field, const QVariant& value,
                     const QString& keyField, const QString& keyValue)
{
    return runUpdate(db, table, field, value, keyField, keyValue, !keyValue.isEmpty());
}

bool updateNumericRecordSet(const QSqlDatabase& db, const QString& table, const QString& field, qint64 value,
                            const QString& keyField, qint64 keyValue)
{
    return runUpdate(db, table, field, value, keyField, keyValue, keyValue != 0);
}

static bool runDelete(const QSqlDatabase& db, const QString& table, const QString& field, const QVariant& value,
                      bool hasValue)
{
    if (!checkTable(db, table) || !checkField(db, table, field))
        return false;
    if (!field.isEmpty() && !hasValue) {
        qCWarning(lcStorage).noquote() << "Refusing to delete every row of" << table << "for an empty" << field;
        return false;
    }
    QString sql = QStringLiteral("DELETE FROM %1").arg(QuoteIdentifier(table));
    QVariantList params;
    if (!field.isEmpty()) {
        sql += whereClause(field, QStringLiteral("="));
        params << value;
    }
    return ExecuteStatement(db, sql, params);
}

bool DeleteRecord(const QSqlDatabase& db, const QString& table, const QString& field, const QString& value)
{
    // An exact match that ignores case, as the stored keys were always compared.
    if (!field.isEmpty() && !value.isEmpty()) {
        if (!checkTable(db, table) || !checkField(db, table, field))
            return false;
        return ExecuteStatement(db, QStringLiteral("DELETE FROM %1 WHERE (%2 = ? COLLATE NOCASE)")
                                        .arg(QuoteIdentifier(table), QuoteIdentifier(field)),
                                {value});
    }
    return runDelete(db, table, field, value, !value.isEmpty());
}

bool DeleteNumericRecord(const QSqlDatabase& db, const QString& table, const QString& field, qint64 value)
{
    return runDelete(db, table, field, value, value != 0);
}

bool CopyRecord(const QSqlDatabase& db, const QString& source, const QString& destination, const QString& field,
                qint64 value)
{
    if (!checkTable(db, source) || !checkTable(db, destination) || field.isEmpty() || !checkField(db, source, field))
        return false;
    Transaction tx(db);
    const bool ok = ExecuteStatement(db, QStringLiteral("INSERT INTO %1 SELECT * FROM %2 WHERE (%3 = ?)")
                                             .arg(QuoteIdentifier(destination), QuoteIdentifier(source),
                                                  QuoteIdentifier(field)),
                                     {value});
    return ok && tx.commit();
}

QString GetMaxFieldValue(const QSqlDatabase& db, const QString& table, const QString& orderField,
                         const QString& field)
{
    if (!checkTable(db, table) || !checkField(db, table, orderField) || !checkField(db, table, field))
        return {};
    auto rs = Recordset::open(db, QStringLiteral("SELECT %1 FROM %2 ORDER BY %3 DESC LIMIT 1")
                                      .arg(QuoteIdentifier(field), QuoteIdentifier(table), QuoteIdentifier(orderField)));
    if (!rs || rs->eof())
        return {};
    const QVariant v = rs->at(0, 0);
    return v.isNull() ? QString() : v.toString();
}

bool RunPrepared(QSqlQuery& query, const QString& sql, const QVariantList& params, QString* error)
{
    bool ok = query.prepare(sql);
    if (ok) {
        for (const QVariant& p : params)
            query.addBindValue(p);
        ok = query.exec();
    }
    if (!ok) {
        qCWarning(lcStorage).noquote() << "Statement failed:" << query.lastError().text() << "in" << sql;
        if (error)
            *error = query.lastError().text();
    }
    return ok;
}

bool ExecuteStatement(const QSqlDatabase& db, const QString& sql, const QVariantList& params, QString* error)
{
    QSqlQuery query(db);
    return RunPrepared(query, sql, params, error);
}

Transaction::Transaction(const QSqlDatabase& db) : m_db(db)
{
    const QString name = db.connectionName();
    if (connectionsInTransaction().contains(name)) {
        m_ok = true;  // joined the outer transaction, which commits or rolls back
        return;
    }
    // IMMEDIATE takes the write lock at once, while the busy timeout can still wait for it; a plain
    // BEGIN that has read first fails at once with "database is locked" when another writer holds it.
    m_ok = ExecuteStatement(db, QStringLiteral("BEGIN IMMEDIATE"));
    m_owner = m_ok;
    if (m_owner)
        connectionsInTransaction().insert(name);
    else
        qCWarning(lcStorage).noquote() << "Cannot begin a transaction on" << name;
}

Transaction::~Transaction()
{
    if (m_owner && !m_done) {
        ExecuteStatement(m_db, QStringLiteral("ROLLBACK"));
        connectionsInTransaction().remove(m_db.connectionName());
    }
}

bool Transaction::commit()
{
    if (!m_ok)
        return false;
    if (!m_owner)
        return true;
    const bool ok = ExecuteStatement(m_db, QStringLiteral("COMMIT"));
    if (!ok)
        ExecuteStatement(m_db, QStringLiteral("ROLLBACK"));
    m_done = true;
    connectionsInTransaction().remove(m_db.connectionName());
    return ok;
}

} // namespace kivra
