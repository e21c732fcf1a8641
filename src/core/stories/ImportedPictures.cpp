#include "stories/ImportedPictures.h"

#include "resources/Logging.h"
#include "storage/Database.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QThread>

#include <algorithm>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kivra {
namespace {

const QString TemporaryPrefix = QStringLiteral(".kivra-import-");
const QString TemporarySuffix = QStringLiteral(".part");
constexpr int MaxTemporaryCopies = 100;

QString systemError() { return QString::fromLocal8Bit(std::strerror(errno)); }

enum class Entry { Missing, Link, Other };

Entry entryAt(const QString& path)
{
    struct stat info;
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return Entry::Missing;
    return S_ISLNK(info.st_mode) ? Entry::Link : Entry::Other;
}

// "20260309_12.png", "20260309_12-2.png", "20260309_12-3.png" ...
QString candidateName(const QString& wantedName, int attempt)
{
    if (attempt == 1)
        return wantedName;
    const qsizetype dot = wantedName.lastIndexOf(u'.');
    const QString base = dot < 0 ? wantedName : wantedName.left(dot);
    const QString type = dot < 0 ? QString() : wantedName.mid(dot);
    return base + u'-' + QString::number(attempt) + type;
}

bool writeAll(int fd, const QByteArray& bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return ::fsync(fd) == 0;
}

// Gives the file its final name unless something is there already (a link included: it is
// replaced by nothing and followed by nothing).
bool moveWithoutReplacing(const QString& from, const QString& to)
{
    const QByteArray source = QFile::encodeName(from), target = QFile::encodeName(to);
    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    // A file system without that kind of rename: a hard link is just as unwilling to replace.
    return ::link(source.constData(), target.constData()) == 0 && ::unlink(source.constData()) == 0;
}

void syncFolder(const QString& folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

PictureFolderLock::PictureFolderLock(const QString& folder, int timeoutMs)
{
    m_fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (m_fd < 0) {
        m_error = QCoreApplication::translate("Exchange", "the picture folder \"%1\" cannot be opened (%2).")
                      .arg(folder, systemError());
        return;
    }
    QElapsedTimer waited;
    waited.start();
    while (::flock(m_fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR) {
            m_error = QCoreApplication::translate("Exchange", "the picture folder \"%1\" cannot be locked (%2).")
                          .arg(folder, systemError());
            break;
        }
        if (timeoutMs >= 0 && waited.elapsed() >= timeoutMs) {
            m_error = QCoreApplication::translate(
                "Exchange", "another import into \"%1\" is still running; try again when it has ended.")
                          .arg(folder);
            break;
        }
        QThread::msleep(20);
    }
    if (!m_error.isEmpty()) {
        ::close(m_fd);
        m_fd = -1;
    }
}

PictureFolderLock::~PictureFolderLock()
{
    if (m_fd >= 0)
        ::close(m_fd);  // closing the folder releases its lock
}

PictureBatch::PictureBatch(const QString& folder, std::function<bool(const QString&)> taken)
    : m_folder(folder), m_taken(std::move(taken))
{
}

PictureBatch::~PictureBatch()
{
    for (const Pending& p : m_pending)
        QFile::remove(p.temporaryPath);
}

PictureBatch::Outcome PictureBatch::add(const QString& wantedName, const QByteArray& bytes, QString* finalName,
                                        QString* error)
{
    for (int attempt = 1;; ++attempt) {
        const QString name = candidateName(wantedName, attempt);
        const QString finalPath = m_folder + name;
        *finalName = name;
        if (entryAt(finalPath) != Entry::Missing || m_taken(finalPath))
            continue;
        // Creating it exclusively reserves the name: no other file, and no link, can be opened here.
        // Whatever stands at a temporary name already (a link someone planted) is passed over.
        for (int copy = 1; copy <= MaxTemporaryCopies; ++copy) {
            const QString temporaryPath = TemporaryPicturePath(m_folder, name, copy);
            const int fd = ::open(QFile::encodeName(temporaryPath).constData(),
                                  O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
            if (fd < 0 && errno == EEXIST)
                continue;
            if (fd < 0) {
                *error = systemError();
                return Outcome::Failed;
            }
            const bool written = writeAll(fd, bytes);
            if (!written)
                *error = systemError();
            ::close(fd);
            if (!written) {
                QFile::remove(temporaryPath);
                return Outcome::Failed;
            }
            m_pending.append({temporaryPath, finalPath});
            return Outcome::Written;
        }
    }
}

QStringList PictureBatch::moveIntoPlace()
{
    QStringList notMoved;
    for (const Pending& p : m_pending) {
        if (moveWithoutReplacing(p.temporaryPath, p.finalPath))
            continue;
        qCWarning(lcStories).noquote() << "Cannot move" << p.temporaryPath << "to" << p.finalPath << ":" << systemError();
        QFile::remove(p.temporaryPath);
        notMoved << p.finalPath;
    }
    m_pending.clear();
    syncFolder(m_folder);
    return notMoved;
}

QString TemporaryPicturePath(const QString& folder, const QString& finalName, int copy)
{
    // Final names never hold "~", so the copy number reads back unambiguously.
    const QString copyMark = copy > 1 ? QString::number(copy) + u'~' : QString();
    return folder + TemporaryPrefix + copyMark + finalName + TemporarySuffix;
}

bool ForgetPicturePath(const QSqlDatabase& db, const QString& path, const QList<int>& storyNumbers)
{
    QString sql = QStringLiteral("UPDATE \"tblBibleStory\" SET \"StoryImagePath\" = '' WHERE \"StoryImagePath\" = ?");
    QVariantList params{path};
    if (!storyNumbers.isEmpty()) {
        sql += QStringLiteral(" AND \"StoryNumber\" BETWEEN ? AND ?");
        params << *std::min_element(storyNumbers.begin(), storyNumbers.end())
               << *std::max_element(storyNumbers.begin(), storyNumbers.end());
    }
    const bool ok = ExecuteStatement(db, sql, params);
    if (!ok)
        qCWarning(lcStories).noquote() << "Stories still name the picture" << path << "that is not theirs";
    return ok;
}

bool IsStoryPicturePath(const QSqlDatabase& db, const QString& path)
{
    auto rows = queryRows(
        db, QStringLiteral("SELECT 1 FROM \"tblBibleStory\" WHERE \"StoryImagePath\" = ? LIMIT 1"), {path});
    return rows && !rows->eof();
}

void FinishInterruptedImports(const QSqlDatabase& db, const QString& folder)
{
    const QStringList leftovers = QDir(folder).entryList({TemporaryPrefix + u'*' + TemporarySuffix},
                                                         QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (const QString& leftover : leftovers) {
        static const QRegularExpression copyMark(QStringLiteral("^[0-9]+~"));
        const QString finalName =
            leftover.mid(TemporaryPrefix.size()).chopped(TemporarySuffix.size()).remove(copyMark);
        const QString temporaryPath = folder + leftover, finalPath = folder + finalName;
        if (entryAt(finalPath) == Entry::Missing && IsStoryPicturePath(db, finalPath)
            && moveWithoutReplacing(temporaryPath, finalPath))
            continue;
        QFile::remove(temporaryPath);
        // A link planted at the final name meanwhile: the stories lose the picture rather than point at it.
        if (entryAt(finalPath) == Entry::Link)
            ForgetPicturePath(db, finalPath);
    }
    syncFolder(folder);
}

void TryFinishInterruptedImports(const QSqlDatabase& db, const QString& folder, int timeoutMs)
{
    const PictureFolderLock lock(folder, timeoutMs);
    if (lock.ok())
        FinishInterruptedImports(db, folder);
}

} // namespace kivra
