#pragma once
// One program at a time changes a user folder: the window holds its lock for as long as it is open,
// and the commands that write hold it while they run. The lock is taken on a file in the folder and
// the system lets it go with the process that holds it, however that process ends, so no lock is
// ever left behind by a crash or a kill.
#include "resources/Strings.h"

#include <QString>
#include <QStringList>

namespace kivra {

class FolderLock {
public:
    explicit FolderLock(const QString& userFolder);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    // Waits up to timeoutMs (0: not at all) for another program to let the folder go.
    bool lock(int timeoutMs);
    bool isLocked() const { return m_locked; }
    // Why the folder could not be taken: the message and its arguments (the folder, the process).
    Message failure(QStringList* args) const;
    // The name other programs on this folder reach the window holding the lock by.
    QString serverName() const;

private:
    QString m_folder;
    int m_fd = -1;
    bool m_locked = false;
    bool m_busy = false;  // another program holds it (else the file could not be opened or locked)
};

inline constexpr int CommandFolderWaitMs = 8000;

} // namespace kivra
