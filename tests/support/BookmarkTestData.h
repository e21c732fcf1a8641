#pragma once
// Arranging bookmark rows for the bookmark tests, and reading the two tables back.
#include "storage/Globals.h"
#include "support/DatabaseFolder.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>
#include <QVariant>


namespace kivra::test {

struct SeedBookmark {
    QString book = QStringLiteral("Genesis");
    int c = 1, s = 1, tc = 1, ts = 1;
    QString reference;
    QString notes;
    QString testament = QStringLiteral("Old Testament");
    QVariant associations;  // the AssociatedBookmarkReferenceList text
};

// Genesis c:1-1:1 with the given reference and notes.
inline SeedBookmark Bm(int c, const QString& reference, const QString& notes = {})
{
    SeedBookmark b;
    b.c = c;
    b.reference = reference;
    b.notes = notes;
    return b;
}

// book c:s-tc:ts with the given reference and notes.
inline SeedBookmark Range(const QString& book, int c, int s, int tc, int ts, const QString& reference,
                          const QString& notes, const QString& testament = QStringLiteral("Old Testament"))
{
    return {book, c, s, tc, ts, reference, notes, testament, {}};
}

// Inserts the bookmark; returns its Index (0 on failure).
inline qint64 AddBookmark(const SeedBookmark& b)
{
    QSqlQuery q(OptionsConnection());
    q.prepare(QStringLiteral("INSERT INTO \"tblBookmark\" (\"BookMarkTestament\", \"BookMarkBook\", \"BookMarkChapter\","
                             " \"BookMarkSection\", \"BookMarkToBook\", \"BookMarkToChapter\", \"BookMarkToSection\","
                             " \"BookMarkNotes\", \"BookmarkReference\", \"BookmarkHooker\","
                             " \"AssociatedBookmarkReferenceList\") VALUES (?,?,?,?,?,?,?,?,?,?,?)"));
    for (const QVariant& v : QVariantList{b.testament, b.book, b.c, b.s, b.book, b.tc, b.ts, b.notes, b.reference,
                                          b.reference, b.associations})
        q.addBindValue(v);
    return q.exec() ? q.lastInsertId().toLongLong() : 0;
}

inline void AddLink(const QString& from, const QString& to)
{
    QSqlQuery q(OptionsConnection());
    q.prepare(QStringLiteral("INSERT INTO \"tblBookmark_Relation\" VALUES (?, ?)"));
    q.addBindValue(from);
    q.addBindValue(to);
    q.exec();
}

inline void ClearBookmarks()
{
    QSqlQuery(QStringLiteral("DELETE FROM \"tblBookmark\""), OptionsConnection());
    QSqlQuery(QStringLiteral("DELETE FROM \"tblBookmark_Relation\""), OptionsConnection());
}

// Rows as "a>b" in insertion order.
inline QStringList Links()
{
    QStringList links;
    QSqlQuery q(QStringLiteral("SELECT \"BookmarkReference\", \"HookedBookmarkReference\" FROM \"tblBookmark_Relation\""
                               " ORDER BY rowid"),
                OptionsConnection());
    while (q.next())
        links << q.value(0).toString() + QLatin1Char('>') + q.value(1).toString();
    return links;
}

// Every bookmark row as one text, in Index order, to compare whole tables.
inline QStringList BookmarkRows()
{
    QStringList rows;
    QSqlQuery q(QStringLiteral("SELECT * FROM \"tblBookmark\" ORDER BY \"Index\""), OptionsConnection());
    while (q.next()) {
        QStringList fields;
        for (int i = 0; i < q.record().count(); ++i)
            fields << q.value(i).toString();
        rows << fields.join(QLatin1Char('|'));
    }
    return rows;
}

inline QString Field(qint64 index, const QString& field)
{
    QSqlQuery q(OptionsConnection());
    q.prepare(QStringLiteral("SELECT \"%1\" FROM \"tblBookmark\" WHERE \"Index\" = ?").arg(field));
    q.addBindValue(index);
    return q.exec() && q.next() ? q.value(0).toString() : QStringLiteral("<no row>");
}

} // namespace kivra::test
