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

// The number a new story gets: the greatest stored one plus one, at least 1. Take it only inside the
// transaction that writes the story's first rows, so no other program can hand it out meanwhile.
int NextStoryNumber();

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
// Appends a part with a temporary part number; returns its Index, or 0 on failure. A new story
// (*storyNumber 0) takes its number in the same transaction as its first part.
int AddStoryPart(int* storyNumber, qint64 partNumber, const Passage& passage);
bool RemoveStoryPart(int index);
bool WriteStoryNotes(int index, const QString& notes);
QString ReadStoryNotes(int index);

// Writes order (two passes through temporary numbers from *counter up), name and picture, and drops
// the story's backup rows. All or nothing.
bool SaveStory(int storyNumber, const QList<int>& indexesInOrder, const QString& name, const QString& imagePath,
               qint64* counter);
// Edit mode: the story as it was at opening, from its backup rows (left alone when there are none).
// Add mode: the rows the editor wrote (addedIndexes) removed, and nothing else.
bool CancelStory(int storyNumber, bool editMode, const QList<int>& addedIndexes = {});
// A copy named "Copy of " + name under a new number; returns that number, or 0 on failure.
int CopyStory(int storyNumber);
// Deletes the story, and its picture file when it is one the import wrote and no other story uses it.
bool DeleteStory(int storyNumber);

// Whether path is a picture an import wrote into imageFolder ("20260309_12.png", "20260309_12-2.png"):
// the only files a deletion may take with it.
bool IsImportedPicturePath(const QString& path, const QString& imageFolder);

struct StoryListEntry {
    QString text;  // " " + ListIndent + name
    int number = 0;
};
// One entry per distinct name, number and picture path, by ascending number.
QList<StoryListEntry> StoryListEntries();

} // namespace kivra
