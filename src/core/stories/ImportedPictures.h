#pragma once
// The picture files of a story import. They are written under temporary names in the image folder
// and take their final names only after the stories are committed, so a failed or killed import
// never leaves a picture that no story uses, and never replaces a file that is already there.
// One import at a time holds the folder's lock; that is how the leftovers of a killed import are
// told apart from the files of one still running in another copy of the program.
#include <QByteArray>
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <functional>

namespace kivra {

// Held by one import at a time (a lock on the image folder itself, released by the system when the
// process ends, however it ends).
class PictureFolderLock {
public:
    // Waits up to timeoutMs for another import into folder to finish.
    PictureFolderLock(const QString& folder, int timeoutMs);
    ~PictureFolderLock();
    PictureFolderLock(const PictureFolderLock&) = delete;
    PictureFolderLock& operator=(const PictureFolderLock&) = delete;
    bool ok() const { return m_fd >= 0; }
    QString error() const { return m_error; }

private:
    int m_fd = -1;
    QString m_error;
};

// The pictures of one import, written but not yet in place.
class PictureBatch {
public:
    enum class Outcome { Written, Failed };
    // taken tells whether a stored story already names a file of the folder (its full path).
    PictureBatch(const QString& folder, std::function<bool(const QString&)> taken);
    // Removes every temporary file that was not moved into place.
    ~PictureBatch();
    PictureBatch(const PictureBatch&) = delete;
    PictureBatch& operator=(const PictureBatch&) = delete;
    const QString& folder() const { return m_folder; }

    // Writes bytes to a temporary file under the first free name of the series wantedName,
    // "<base>-2.<type>", "<base>-3.<type>" ... and sets *finalName to it. A name that anything holds
    // already, a symbolic link included, is passed over; a link is never followed.
    Outcome add(const QString& wantedName, const QByteArray& bytes, QString* finalName, QString* error);
    // Gives every written picture its final name; call only once the stories are committed.
    // Returns the final names that could not be given (already taken by someone else meanwhile).
    QStringList moveIntoPlace();

private:
    struct Pending {
        QString temporaryPath;
        QString finalPath;
    };
    QString m_folder;
    std::function<bool(const QString&)> m_taken;
    QList<Pending> m_pending;
};

// What an import killed part-way left behind: a temporary picture whose final name a stored story
// uses, and which is not there yet, is moved into place (its stories were committed); any other
// temporary picture of an import is removed. No other file is touched. Call with the folder's lock
// held; the Try form waits up to timeoutMs for it, and does nothing when another import keeps it.
void FinishInterruptedImports(const QSqlDatabase& db, const QString& folder);
void TryFinishInterruptedImports(const QSqlDatabase& db, const QString& folder, int timeoutMs = 0);

// Where a picture of an import waits for its final name; copy 2, 3 ... are the other places tried
// when something already stands at the first.
QString TemporaryPicturePath(const QString& folder, const QString& finalName, int copy = 1);

// Leaves the stories that name path (only those numbered from the least to the greatest of
// storyNumbers, when given) without a picture: the file there is not theirs.
bool ForgetPicturePath(const QSqlDatabase& db, const QString& path, const QList<int>& storyNumbers = {});

// Whether a stored story names path as its picture.
bool IsStoryPicturePath(const QSqlDatabase& db, const QString& path);

} // namespace kivra
