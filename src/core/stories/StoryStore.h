#pragma once
// The rows of tblBibleStory behind the story editor, viewer and panel. Every change of more than one
// statement runs in one transaction, so a failure leaves the story as it was before the action.
#include "reading/Passage.h"

#include <QList>
#include <QSqlDatabase>
#include <QString>

namespace kivra {

inline const QString StoryTable = QStringLiteral("tblBibleStory");
inline const QString StoryBackupTable = QStringLiteral("tblBibleStory_Backup");
inline constexpr qint64 FirstTemporaryPartNumber = 1000000;

// The next free key of table: the key of the row first in descending order, its numeric tail plus
// one (keeping its width), skipping values already stored. Empty when the table has no row.
QString GetNextKeyValue(const QSqlDatabase& db, const QString& table, const QString& orderField,
                        const QString& keyField);

// The number a new story gets: the greatest stored one plus one, at least 1, and never a number an
// open editor already holds for a story that has no rows yet.
int NextStoryNumber();
void ReserveStoryNumber(int number);
void ReleaseStoryNumber(int number);
bool IsStoryNumberReserved(int number);

struct StoryPartRow {
    int index = 0;
    int partNumber = 0;
    QString name, testament, book, chapter, section, toChapter, toSection, notes, imagePath;
    bool imagePathNull = true;

    Passage passage() const { return PassageFromTexts(book, chapter, section, toChapter, toSection); }
};

// The parts of a story ordered by StoryPartNumber (rows of equal number keep the stored order).
QList<StoryPartRow> ReadStoryParts(int storyNumber);

// "Old Testament : Genesis : 3:16 : 3:18": a stored part as the stored texts have it, or a passage
// about to be stored.
QString PartItemText(const StoryPartRow& part);
QString PartItemText(const Passage& passage);

// The part with the bound Index, for the editor's notes.
QString StoryPartSql();

// Copies the story into the backup table, replacing rows of it left there by an earlier opening.
bool BackupStory(int storyNumber);
// Appends a part with a temporary part number; returns its Index, or 0 on failure.
int AddStoryPart(int storyNumber, qint64 partNumber, const Passage& passage);
bool RemoveStoryPart(int index);
bool WriteStoryNotes(int index, const QString& notes);
QString ReadStoryNotes(int index);

// Writes order (two passes through temporary numbers from *counter up), name and picture, and drops
// the story's backup rows. All or nothing.
bool SaveStory(int storyNumber, const QList<int>& indexesInOrder, const QString& name, const QString& imagePath,
               qint64* counter);
// Edit mode: the story as it was at opening, from its backup rows (left alone when there are none).
// Add mode: every row of the new story removed.
bool CancelStory(int storyNumber, bool editMode);
// A copy named "Copy of " + name under a new number; returns that number, or 0 on failure.
int CopyStory(int storyNumber);
bool DeleteStory(int storyNumber);

struct StoryListEntry {
    QString text;  // " " + ListIndent + name
    int number = 0;
};
// One entry per distinct name, number and picture path, by ascending number.
QList<StoryListEntry> StoryListEntries();

} // namespace kivra
