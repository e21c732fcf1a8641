#pragma once
// The bookmark rows (tblBookmark) and their links (tblBookmark_Relation) in dbOptions.pre: the
// exact-range lookup, the list entries, saving and deleting. Every change of several statements is
// one transaction. References are text (see BookmarkReference.h).
#include "reading/Passage.h"
#include "storage/Recordset.h"

#include <QSqlDatabase>
#include <QStringList>
#include <QVariantList>
#include <optional>

namespace kivra {

inline const QString BookmarkTable = QStringLiteral("tblBookmark");
inline const QString BookmarkRelationTable = QStringLiteral("tblBookmark_Relation");

// The bookmarks on exactly this passage (the first is "the" bookmark). The book decides the
// testament, so the stored testament is not compared. The SQL selects the rowid first, so the
// recordset can write its rows back.
QString BookmarkRangeSql();
QVariantList BookmarkRangeParams(const Passage& passage);
RecordsetPtr BookmarkRangeQuery(const QSqlDatabase& db, const Passage& passage);

// The passage a bookmark row stores.
Passage BookmarkPassage(const Recordset& row);

// "   Genesis             1 : 1 - 2 : 3": indent, book padded to 20, range.
QString BookmarkListText(const QString& book, int fromChapter, int fromSection, int toChapter, int toSection);
// "   Genesis   1 : 1 - 2 : 3 ": an entry of the related-bookmark selector.
QString RelatedBookmarkText(const QString& book, int fromChapter, int fromSection, int toChapter, int toSection);

struct BookmarkListRow {
    qint64 index = 0;
    QString text;       // BookmarkListText
    QString reference;  // BookmarkReference as stored
};
// Every bookmark, in the order of its Index.
QList<BookmarkListRow> ReadBookmarkList(const QSqlDatabase& db);

// The bookmark with this Index, or nullptr when there is none.
RecordsetPtr ReadBookmark(const QSqlDatabase& db, qint64 index);

// The reference of the bookmark with this Index, or the empty text (also for no such row).
QString GetBookmarkReference(qint64 index);
QString GetBookmarkReference(const QSqlDatabase& db, qint64 index);

// The row with this reference: exact text first, else one stored with or without leading zeros.
// nullptr (no row) for the empty reference.
RecordsetPtr FindBookmarkByReference(const QSqlDatabase& db, const QString& reference);

// The references a bookmark links to, in the order of its relation rows.
QStringList RelatedReferences(const QSqlDatabase& db, const QString& reference);

// What the editor writes: the (possibly moved) range, the notes and the marked related bookmarks.
struct BookmarkEdit {
    Passage range;
    QString notes;
    QStringList related;  // references
};

// Saves the bookmark on original (the range the editor was opened with): the first bookmark on
// it is changed in place, otherwise a row with a new reference is added. Writes edit's range and
// notes, then rewrites its links. One transaction; the reference, or nothing when it failed.
std::optional<QString> SaveBookmarkRecord(const QSqlDatabase& db, const Passage& original,
                                          const BookmarkEdit& edit);

// The association list ("r1,r2,") that matches the relation rows of reference.
QString AssociationList(const QSqlDatabase& db, const QString& reference);

// Replaces the links of reference with one row per related reference and writes the association
// list to match (empty when nothing is related). A bookmark without reference takes no links.
bool SaveBookmarkRelations(const QSqlDatabase& db, const QString& reference, const QStringList& related);

// Deletes the bookmark with this Index together with the links from and to it, and takes it out of
// the other bookmarks' association lists, in one transaction.
// A bookmark without reference takes only its own row with it.
bool DeleteBookmarkByIndex(const QSqlDatabase& db, qint64 index);

} // namespace kivra
