#include "bookmarks/BookmarkStore.h"

#include "bookmarks/BookmarkReference.h"
#include "storage/Database.h"
#include "storage/Globals.h"
#include "resources/Logging.h"

#include <QDebug>
#include <QSqlError>
#include <QSqlQuery>

namespace kivra {
namespace {

// A function, not a global: the rowid column's name is another file's static.
QString selectBookmarkHead()
{
    return QStringLiteral("SELECT rowid AS %1, * FROM \"tblBookmark\"").arg(Recordset::RowidColumn);
}

// A condition on a reference column that also matches the reference stored without its leading
// zeros (as older relation rows and association lists hold them). Binds the reference three times.
QString referenceCondition(const QString& column)
{
    const QString c = QuoteIdentifier(column);
    return QStringLiteral("(%1 = ? OR (ltrim(%1, '0') = ltrim(?, '0') AND ltrim(?, '0') <> ''))").arg(c);
}

QVariantList referenceParams(const QString& reference)
{
    return {reference, reference, reference};
}

// The association list of reference made again from its relation rows.
bool writeAssociationList(const QSqlDatabase& db, const QString& reference)
{
    return reference.isEmpty()
        || updateRecordSet(db, BookmarkTable, QStringLiteral("AssociatedBookmarkReferenceList"),
                           AssociationList(db, reference), QStringLiteral("BookmarkReference"), reference);
}

} // namespace

QString BookmarkRangeSql()
{
    // Text fields compare without regard to case, as the stored bookmarks always have.
    return selectBookmarkHead()
        + QStringLiteral(" WHERE (\"BookMarkBook\" = ? COLLATE NOCASE)"
                         " AND (\"BookMarkChapter\" = ?) AND (\"BookMarkSection\" = ?)"
                         " AND (\"BookMarkToBook\" = ? COLLATE NOCASE) AND (\"BookMarkToChapter\" = ?)"
                         " AND (\"BookMarkToSection\" = ?) ORDER BY \"Index\"");
}

QVariantList BookmarkRangeParams(const Passage& p)
{
    return {p.book, p.fromChapter, p.fromVerse, p.book, p.toChapter, p.toVerse};
}

RecordsetPtr BookmarkRangeQuery(const QSqlDatabase& db, const Passage& passage)
{
    return Recordset::open(db, BookmarkRangeSql(), BookmarkRangeParams(passage), BookmarkTable);
}

Passage BookmarkPassage(const Recordset& row)
{
    return ReadPassageFields(row, QStringLiteral("BookMark"));
}

QString BookmarkListText(const QString& book, int fromChapter, int fromSection, int toChapter, int toSection)
{
    const QString padding(std::max<qsizetype>(0, 20 - book.size()), QLatin1Char(' '));
    return ListIndent + book + padding
           + QStringLiteral("%1 : %2 - %3 : %4")
                 .arg(QString::number(fromChapter), QString::number(fromSection), QString::number(toChapter),
                      QString::number(toSection));
}

QString RelatedBookmarkText(const QString& book, int fromChapter, int fromSection, int toChapter, int toSection)
{
    return ListIndent + book + ListIndent
        + QStringLiteral("%1 : %2 - %3 : %4 ").arg(fromChapter).arg(fromSection).arg(toChapter).arg(toSection);
}

QList<BookmarkListRow> ReadBookmarkList(const QSqlDatabase& db)
{
    // Read straight from a forward-only query: ten thousand bookmarks held as a recordset of
    // variants first cost most of the time the list took to appear.
    QList<BookmarkListRow> rows;
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT \"Index\", \"BookMarkBook\", \"BookMarkChapter\", \"BookMarkSection\","
                                   " \"BookMarkToChapter\", \"BookMarkToSection\", \"BookmarkReference\""
                                   " FROM \"tblBookmark\" ORDER BY \"Index\""))) {
        qCWarning(lcBookmarks).noquote() << "The bookmark list cannot be read:" << query.lastError().text();
        return rows;
    }
    while (query.next()) {
        const QVariant reference = query.value(6);
        rows.append({query.value(0).toLongLong(),
                     BookmarkListText(query.value(1).toString(), query.value(2).toInt(), query.value(3).toInt(),
                                      query.value(4).toInt(), query.value(5).toInt()),
                     reference.isNull() ? QString() : reference.toString()});
    }
    return rows;
}

QString GetBookmarkReference(const QSqlDatabase& db, qint64 index)
{
    auto rs = selectRowsByNumber(db, BookmarkTable, QStringLiteral("Index"), QString::number(index));
    if (!rs || rs->eof())
        return {};
    return rs->text(QStringLiteral("BookmarkReference"));
}

QString GetBookmarkReference(qint64 index)
{
    return GetBookmarkReference(OptionsConnection(), index);
}

RecordsetPtr FindBookmarkByReference(const QSqlDatabase& db, const QString& reference)
{
    if (reference.isEmpty())
        return nullptr;
    auto rs = Recordset::open(db, selectBookmarkHead() + QStringLiteral(" WHERE (\"BookmarkReference\" = ?)"),
                              {reference}, BookmarkTable);
    if (rs && rs->recordCount() > 0)
        return rs;
    rs = Recordset::open(db,
                         selectBookmarkHead() + QStringLiteral(" WHERE ") + referenceCondition(QStringLiteral("BookmarkReference"))
                             + QStringLiteral(" ORDER BY \"Index\""),
                         referenceParams(reference), BookmarkTable);
    return rs && rs->recordCount() > 0 ? std::move(rs) : nullptr;
}

QStringList RelatedReferences(const QSqlDatabase& db, const QString& reference)
{
    QStringList related;
    if (reference.isEmpty())
        return related;
    auto rs = queryRows(
        db,
        QStringLiteral("SELECT \"HookedBookmarkReference\" FROM \"tblBookmark_Relation\" WHERE ")
            + referenceCondition(QStringLiteral("BookmarkReference")) + QStringLiteral(" ORDER BY rowid"),
        referenceParams(reference));
    if (!rs)
        return related;
    for (int i = 0; i < rs->recordCount(); ++i)
        related << rs->at(i, 0).toString();
    return related;
}

bool SaveBookmarkRelations(const QSqlDatabase& db, const QString& reference, const QStringList& related)
{
    if (reference.isEmpty())
        return true;
    Transaction tx(db);
    bool ok = tx.ok()
        && ExecuteStatement(db,
                            QStringLiteral("DELETE FROM \"tblBookmark_Relation\" WHERE ")
                                + referenceCondition(QStringLiteral("BookmarkReference")),
                            referenceParams(reference));
    for (const QString& hooked : related) {
        if (!ok || hooked.isEmpty())
            continue;
        ok = ExecuteStatement(db,
                              QStringLiteral("INSERT INTO \"tblBookmark_Relation\" (\"BookmarkReference\", "
                                             "\"HookedBookmarkReference\") VALUES (?, ?)"),
                              {reference, hooked});
    }
    // The list travels in exchange files and the import rebuilds links from it: with nothing marked it
    // must be empty too, or the links come back.
    ok = ok && writeAssociationList(db, reference);
    return ok && tx.commit();
}

QString AssociationList(const QSqlDatabase& db, const QString& reference)
{
    QString list;
    for (const QString& hooked : RelatedReferences(db, reference))
        list += hooked + QLatin1Char(',');
    return list;
}

std::optional<QString> SaveBookmarkRecord(const QSqlDatabase& db, const Passage& original,
                                          const BookmarkEdit& edit)
{
    Transaction tx(db);
    auto rs = tx.ok() ? BookmarkRangeQuery(db, original) : nullptr;
    if (!rs)
        return std::nullopt;
    if (rs->eof()) {
        const QString reference = NewBookmarkReference(db, BookmarkTable, QStringLiteral("BookmarkReference"));
        rs->AddNew();
        rs->setValue(QStringLiteral("BookmarkHooker"), reference);
        rs->setValue(QStringLiteral("BookmarkReference"), reference);
    } else {
        rs->MoveFirst();
    }
    WritePassageFields(*rs, QStringLiteral("BookMark"), edit.range);
    rs->setValue(QStringLiteral("BookMarkNotes"), edit.notes);
    const QString reference = rs->text(QStringLiteral("BookmarkReference"));
    if (!rs->Update() || !SaveBookmarkRelations(db, reference, edit.related) || !tx.commit())
        return std::nullopt;
    return reference;
}

bool DeleteBookmarkByIndex(const QSqlDatabase& db, qint64 index)
{
    Transaction tx(db);
    if (!tx.ok())
        return false;
    const QString reference = GetBookmarkReference(db, index);
    bool ok = true;
    // Without a reference there are no links of its own to tell apart from others': only the row goes.
    if (!reference.isEmpty()) {
        for (const char* column : {"BookmarkReference", "HookedBookmarkReference"})
            ok = ok
                && ExecuteStatement(db,
                                    QStringLiteral("DELETE FROM \"tblBookmark_Relation\" WHERE ")
                                        + referenceCondition(QLatin1String(column)),
                                    referenceParams(reference));
    }
    ok = ok && ExecuteStatement(db, QStringLiteral("DELETE FROM \"tblBookmark\" WHERE (\"Index\" = ?)"), {index});
    // The bookmarks that linked to it lose it from their lists as well as their relation rows.
    if (ok && !reference.isEmpty()) {
        auto naming = queryRows(db,
                                QStringLiteral("SELECT \"BookmarkReference\" FROM \"tblBookmark\" WHERE "
                                               "instr(\"AssociatedBookmarkReferenceList\", ltrim(?, '0')) > 0"),
                                {reference});
        ok = bool(naming);
        for (; ok && !naming->eof(); naming->MoveNext())
            ok = writeAssociationList(db, naming->text(QStringLiteral("BookmarkReference")));
    }
    return ok && tx.commit();
}

RecordsetPtr ReadBookmark(const QSqlDatabase& db, qint64 index)
{
    auto rs = selectRowsByNumber(db, BookmarkTable, QStringLiteral("Index"), QString::number(index));
    return rs && !rs->eof() ? std::move(rs) : nullptr;
}

} // namespace kivra
