#include "storage/FolderLock.h"

#include "resources/Logging.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace kivra {

FolderLock::FolderLock(const QString& userFolder) : m_folder(QDir::cleanPath(QDir(userFolder).absolutePath()))
{
}

FolderLock::~FolderLock()
{
    if (m_fd >= 0)
        ::close(m_fd);  // closing the file lets the lock go
}

bool FolderLock::lock(int timeoutMs)
{
    if (m_locked)
        return true;
    if (m_fd < 0) {
        const QByteArray path = QFile::encodeName(m_folder + QStringLiteral("/.kivra-bible.lock"));
        m_fd = ::open(path.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (m_fd < 0)
            return false;
    }
    QElapsedTimer waited;
    waited.start();
    while (::flock(m_fd, LOCK_EX | LOCK_NB) != 0) {
        m_busy = errno == EWOULDBLOCK || errno == EINTR;
        if (!m_busy || waited.elapsed() >= timeoutMs)
            return false;
        QThread::msleep(50);
    }
    m_locked = true;
    // Who holds it, for the message a later start shows.
    const QByteArray pid = QByteArray::number(qint64(::getpid())) + '\n';
    if (::ftruncate(m_fd, 0) != 0 || ::pwrite(m_fd, pid.constData(), size_t(pid.size()), 0) != pid.size())
        qCWarning(lcStorage).noquote() << "The lock of" << m_folder << "holds, but does not name this process";
    return true;
}

Message FolderLock::failure(QStringList* args) const
{
    if (!m_busy) {
        *args = {m_folder};
        return Message::FolderNotReserved;
    }
    char buffer[32] = {};
    const ssize_t n = m_fd >= 0 ? ::pread(m_fd, buffer, sizeof buffer - 1, 0) : -1;
    const QByteArray pid = n > 0 ? QByteArray(buffer, int(n)).trimmed() : QByteArray();
    *args = {m_folder, QString::fromLatin1(pid)};
    // A holder that has not written its number yet, or a program other than this one.
    return pid.isEmpty() ? Message::FolderInUseByAnother : Message::FolderInUse;
}

QString FolderLock::serverName() const
{
    const QByteArray hash = QCryptographicHash::hash(m_folder.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    return QStringLiteral("kivra-bible-") + QString::fromLatin1(hash);
}

} // namespace kivra
