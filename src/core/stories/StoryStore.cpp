#include "stories/StoryStore.h"

#include "resources/Logging.h"
#include "storage/Database.h"
#include "storage/Globals.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace kivra {
namespace {

bool allDigits(QStringView text)
{
    if (text.isEmpty())
        return false;
    for (QChar c : text)
        if (!c.isDigit())
            return false;
    return true;
}

// A selector text as the number the column holds; a text that is no number is kept as text.
const QString PartColumns = QStringLiteral(
    "\"StoryPartNumber\", \"StoryTestament\", \"StoryBook\", \"StoryChapter\", \"StorySection\", \"StoryToBook\", "
    "\"StoryToChapter\", \"StoryToSection\", \"StoryImagePath\", \"StoryNotes\"");

} // namespace

QString GetNextKeyValue(const QSqlDatabase& db, const QString& table, const QString& orderField,
                        const QString& keyField)
{
    const QString top = GetMaxFieldValue(db, table, orderField, keyField);
    if (top.isEmpty())
        return {};
    qsizetype digits = 0;
    while (digits < top.size()) {
        const qsizetype i = digits + 1;
        if (top.at(top.size() - i) == QLatin1Char(' ') || !allDigits(QStringView(top).right(i)))
            break;
        digits = i;
    }
    if (digits == 0) {
        for (int suffix = 1;; ++suffix) {
            const QString candidate = top + QString::number(suffix);
            auto rs = selectRows(db, table, keyField, candidate, QStringLiteral("="));
            if (!rs || rs->eof())
                return candidate;
        }
    }
    const QString head = top.left(top.size() - digits);
    qulonglong tail = top.right(digits).toULongLong();
    for (;;) {
        ++tail;
        const QString candidate = head + QStringLiteral("%1").arg(tail, int(digits), 10, QLatin1Char('0'));
        auto rs = selectRowsByNumber(db, table, keyField, candidate);
        if (!rs || rs->eof())
            return candidate;
    }
}

int NextStoryNumber()
{
    int number = GetNextKeyValue(StoryConnection(), StoryTable, QStringLiteral("StoryNumber"),
                                 QStringLiteral("StoryNumber"))
                     .toInt();
    return number <= 0 ? 1 : number;
}

QList<StoryPartRow> ReadStoryParts(int storyNumber)
{
    QList<StoryPartRow> parts;
    auto rs = selectRowsByNumber(StoryConnection(), StoryTable, QStringLiteral("StoryNumber"),
                                 QString::number(storyNumber));
    if (!rs)
        return parts;
    rs->Sort(QStringLiteral("StoryPartNumber"));
    for (rs->MoveFirst(); !rs->eof(); rs->MoveNext()) {
        StoryPartRow p;
        p.index = rs->integer(QStringLiteral("Index"));
        p.partNumber = rs->integer(QStringLiteral("StoryPartNumber"));
        p.name = rs->text(QStringLiteral("StoryName"));
        p.testament = rs->text(QStringLiteral("StoryTestament"));
        p.book = rs->text(QStringLiteral("StoryBook"));
        p.chapter = rs->text(QStringLiteral("StoryChapter"));
        p.section = rs->text(QStringLiteral("StorySection"));
        p.toChapter = rs->text(QStringLiteral("StoryToChapter"));
        p.toSection = rs->text(QStringLiteral("StoryToSection"));
        p.notes = rs->text(QStringLiteral("StoryNotes"));
        p.imagePathNull = rs->value(QStringLiteral("StoryImagePath")).isNull();
        p.imagePath = rs->text(QStringLiteral("StoryImagePath"));
        parts << p;
    }
    return parts;
}

QString PartItemText(const StoryPartRow& p)
{
    return p.testament + QStringLiteral(" : ") + p.book + QStringLiteral(" : ") + p.chapter + QLatin1Char(':')
         + p.section + QStringLiteral(" : ") + p.toChapter + QLatin1Char(':') + p.toSection;
}

QString PartItemText(const Passage& passage)
{
    StoryPartRow part;
    part.testament = TestamentOf(passage);
    part.book = passage.book;
    part.chapter = QString::number(passage.fromChapter);
    part.section = QString::number(passage.fromVerse);
    part.toChapter = QString::number(passage.toChapter);
    part.toSection = QString::number(passage.toVerse);
    return PartItemText(part);
}

QString StoryPartSql()
{
    return QStringLiteral("SELECT * FROM \"tblBibleStory\" WHERE (\"Index\" = ?)");
}

bool BackupStory(int storyNumber)
{
    const QSqlDatabase db = StoryConnection();
    Transaction tx(db);
    // Rows left by an editor closed without Save or Cancel would double the story (or collide on
    // Index): the backup always holds the story as it is at this opening.
    const bool ok = tx.ok() && DeleteNumericRecord(db, StoryBackupTable, QStringLiteral("StoryNumber"), storyNumber)
                 && CopyRecord(db, StoryTable, StoryBackupTable, QStringLiteral("StoryNumber"), storyNumber);
    return ok && tx.commit();
}

int AddStoryPart(int* storyNumber, qint64 partNumber, const Passage& p)
{
    Transaction tx(StoryConnection());
    if (!tx.ok())
        return 0;
    const int number = *storyNumber > 0 ? *storyNumber : NextStoryNumber();
    auto rs = selectRowsByNumber(StoryConnection(), StoryTable, QStringLiteral("StoryNumber"), QString::number(number));
    if (!rs)
        return 0;
    rs->AddNew();
    rs->setValue(QStringLiteral("StoryNumber"), number);
    rs->setValue(QStringLiteral("StoryPartNumber"), partNumber);
    WritePassageFields(*rs, QStringLiteral("Story"), p);
    if (!rs->Update())
        return 0;
    const int index = rs->integer(QStringLiteral("Index"));
    if (!tx.commit())
        return 0;
    *storyNumber = number;
    return index;
}

bool RemoveStoryPart(int index)
{
    return DeleteNumericRecord(StoryConnection(), StoryTable, QStringLiteral("Index"), index);
}

bool WriteStoryNotes(int index, const QString& notes)
{
    return updateRecordSet(StoryConnection(), StoryTable, QStringLiteral("StoryNotes"), notes,
                           QStringLiteral("Index"), QString::number(index));
}

QString ReadStoryNotes(int index)
{
    auto rs = selectRowsByNumber(StoryConnection(), StoryTable, QStringLiteral("Index"), QString::number(index));
    return rs && !rs->eof() ? rs->text(QStringLiteral("StoryNotes")) : QString();
}

bool SaveStory(int storyNumber, const QList<int>& indexesInOrder, const QString& name, const QString& imagePath,
               qint64* counter)
{
    const QSqlDatabase db = StoryConnection();
    const QString part = QStringLiteral("StoryPartNumber");
    const QString index = QStringLiteral("Index");
    Transaction tx(db);
    bool ok = tx.ok();
    // Through numbers above any position first, so no two parts ever share a number.
    for (int i = 0; ok && i < indexesInOrder.size(); ++i)
        ok = updateNumericRecordSet(db, StoryTable, part, (*counter)++, index, indexesInOrder[i]);
    ok = ok && ExecuteStatement(db, QStringLiteral("UPDATE \"tblBibleStory\" SET \"StoryName\" = ? WHERE \"StoryNumber\" = ?"),
                                {name, storyNumber});
    for (int i = 0; ok && i < indexesInOrder.size(); ++i)
        ok = updateNumericRecordSet(db, StoryTable, part, i, index, indexesInOrder[i]);
    if (ok && !imagePath.isEmpty())
        ok = ExecuteStatement(db,
                              QStringLiteral("UPDATE \"tblBibleStory\" SET \"StoryImagePath\" = ?, \"StoryImageType\" = ? "
                                             "WHERE \"StoryNumber\" = ?"),
                              {imagePath, imagePath.right(3), storyNumber});
    // Only this story's backup: another editor may still need its own to cancel.
    ok = ok && DeleteNumericRecord(db, StoryBackupTable, QStringLiteral("StoryNumber"), storyNumber);
    return ok && tx.commit();
}

static int backupRowCount(const QSqlDatabase& db, int storyNumber)
{
    auto rs = queryRows(
        db, QStringLiteral("SELECT count(*) FROM \"tblBibleStory_Backup\" WHERE \"StoryNumber\" = ?"), {storyNumber});
    return rs && !rs->eof() ? rs->at(0, 0).toInt() : -1;
}

bool CancelStory(int storyNumber, bool editMode, const QList<int>& addedIndexes)
{
    const QSqlDatabase db = StoryConnection();
    const QString field = QStringLiteral("StoryNumber");
    Transaction tx(db);
    bool ok = tx.ok();
    if (editMode) {
        const int saved = backupRowCount(db, storyNumber);
        if (saved <= 0) {
            // Without a backup, deleting the rows would lose the story rather than restore it.
            qCWarning(lcStories) << "No backup of story" << storyNumber << "to restore; the story is left as it is";
            return saved == 0;
        }
        ok = ok && DeleteNumericRecord(db, StoryTable, field, storyNumber)
          && CopyRecord(db, StoryBackupTable, StoryTable, field, storyNumber);
        ok = ok && DeleteNumericRecord(db, StoryBackupTable, field, storyNumber);
    } else {
        // Only what this editor wrote: the number may be another story's if this one never got a row.
        for (int index : addedIndexes)
            ok = ok && ExecuteStatement(db, QStringLiteral("DELETE FROM \"tblBibleStory\" WHERE \"Index\" = ? AND "
                                                           "\"StoryNumber\" = ?"),
                                        {index, storyNumber});
    }
    return ok && tx.commit();
}

int CopyStory(int storyNumber)
{
    const QSqlDatabase db = StoryConnection();
    Transaction tx(db);
    if (!tx.ok())
        return 0;
    const int copy = NextStoryNumber();
    const bool ok = ExecuteStatement(
        db,
        QStringLiteral("INSERT INTO \"tblBibleStory\" (\"StoryNumber\", \"StoryName\", %1) "
                       "SELECT ?, ? || IFNULL(\"StoryName\", ''), %1 FROM \"tblBibleStory\" "
                       "WHERE \"StoryNumber\" = ? ORDER BY \"Index\"")
            .arg(PartColumns),
        {copy, QCoreApplication::translate("StoryStore", "Copy of "), storyNumber});
    return ok && tx.commit() ? copy : 0;
}

bool IsImportedPicturePath(const QString& path, const QString& imageFolder)
{
    static const QRegularExpression importedName(QStringLiteral("^[0-9]{8}_[0-9]+(-[0-9]+)?\\.[A-Za-z0-9]{0,4}$"));
    return path.startsWith(imageFolder) && importedName.match(path.mid(imageFolder.size())).hasMatch();
}

static QStringList picturePathsOf(const QSqlDatabase& db, int storyNumber)
{
    QStringList paths;
    auto rs = queryRows(db, QStringLiteral("SELECT DISTINCT \"StoryImagePath\" FROM \"tblBibleStory\" WHERE "
                                           "\"StoryNumber\" = ? AND \"StoryImagePath\" <> ''"),
                        {storyNumber});
    for (; rs && !rs->eof(); rs->MoveNext())
        paths << rs->text(QStringLiteral("StoryImagePath"));
    return paths;
}

// Removes the file unless a story still names it. Only regular files the import wrote are removed;
// a link there is left alone, and so is its target.
static void removePictureIfUnused(const QSqlDatabase& db, const QString& path)
{
    if (!IsImportedPicturePath(path, ImageFolder()))
        return;
    auto used = queryRows(db, QStringLiteral("SELECT 1 FROM \"tblBibleStory\" WHERE \"StoryImagePath\" = ? LIMIT 1"),
                          {path});
    const QFileInfo file(path);
    if (!used || !used->eof() || file.isSymLink() || !file.isFile())
        return;
    if (!QFile::remove(path))
        qCWarning(lcStories).noquote() << "Cannot remove the unused picture" << path;
}

bool DeleteStory(int storyNumber)
{
    const QSqlDatabase db = StoryConnection();
    Transaction tx(db);
    const QStringList pictures = tx.ok() ? picturePathsOf(db, storyNumber) : QStringList();
    const bool ok = tx.ok() && DeleteNumericRecord(db, StoryTable, QStringLiteral("StoryNumber"), storyNumber);
    if (!ok || !tx.commit())
        return false;
    for (const QString& path : pictures)
        removePictureIfUnused(db, path);
    return true;
}

QList<StoryListEntry> StoryListEntries()
{
    QList<StoryListEntry> entries;
    auto rs = queryRows(
        StoryConnection(), QStringLiteral("SELECT DISTINCT \"StoryName\", \"StoryNumber\", \"StoryImagePath\" "
                                          "FROM \"tblBibleStory\" ORDER BY \"StoryNumber\""));
    if (!rs)
        return entries;
    for (rs->MoveFirst(); !rs->eof(); rs->MoveNext())
        entries << StoryListEntry{QStringLiteral(" ") + ListIndent + rs->text(QStringLiteral("StoryName")),
                                  rs->integer(QStringLiteral("StoryNumber"))};
    return entries;
}

} // namespace kivra
