#pragma once
// Story exchange files (".kbs"): rows of tblBibleStory as a TableGram, the bytes of each story's
// picture carried in the StoryImage column. Imported stories get new numbers and their pictures
// are written to the image folder.
#include "resources/Strings.h"
#include "storage/TableGram.h"

#include <QCoreApplication>
#include <QDate>
#include <QSqlDatabase>
#include <QStringList>
#include <optional>

namespace kivra {

// Translated where a file dialog shows them (context "Exchange").
inline constexpr const char* StorySaveFilter = QT_TRANSLATE_NOOP("Exchange", "Kivra Bible Story (*.kbs)");
inline constexpr const char* StoryOpenFilter = QT_TRANSLATE_NOOP("Exchange", "Kivra! Bible Story (*.kbs)");
// Pictures above this size are neither exported nor imported.
inline constexpr qint64 MaxStoryPictureBytes = qint64(50) * 1024 * 1024;

// The number a new story gets: the greatest stored StoryNumber + 1, or 1 when there is none.
// nullopt when the table cannot be read or no 32-bit number is left.
std::optional<int> NextStoryNumber(const QSqlDatabase& db);

// The picture type of a file reduced to ASCII letters and digits, at most 4 of them, so that a
// name made from it stays inside the image folder.
QString SafePictureType(const QString& type);
// "YYYYMMDD_<number>.<type>", the name of an imported story picture.
QString ImportedPictureName(const QDate& importDate, int storyNumber, const QString& type);

// The rows of one story (picture bytes in the first row only), or of all stories (picture bytes in
// every row with a picture path). No rows when there is no such story.
std::optional<TableGram> OneStoryTable(const QSqlDatabase& db, int storyNumber, QString* error);
std::optional<TableGram> AllStoriesTable(const QSqlDatabase& db, QString* error);

struct StoryImport {
    bool ok = false;           // false: nothing was stored and no picture was left behind
    bool fileRejected = false; // the file was unreadable or unfit (else the store failed)
    QString error;
    QList<int> storyNumbers;   // the new numbers, in the order they were given
    struct RowRefusal {
        int row = 0;           // in the file, from 1
        QString storyName;
        QString reason;        // why its passage is not in the Bible
    };
    QList<RowRefusal> refusedRows; // nothing of the stories these rows belong to was stored
    struct PictureProblem {
        Message messageId{};   // StoryPictureTooLarge, StoryPictureUnreadable or StoryPictureNotWritten
        QString storyName;
        QString path;
        QString reason;
    };
    QList<PictureProblem> pictureProblems; // those stories were imported without their picture
};

// Checks the whole table first, then adds the stories in one transaction (a story with a passage that
// is not in the Bible is left out whole); their pictures take their
// names in imageFolder only once it has committed. Waits for another import into the same folder
// to end first.
StoryImport ImportStoryTable(const QSqlDatabase& db, const TableGram& table, const QString& imageFolder,
                             const QDate& importDate);
StoryImport ImportStoryFile(const QSqlDatabase& db, const QString& path, const QString& imageFolder,
                            const QDate& importDate);

} // namespace kivra
