#include "platform/InstanceLock.h"

#include "ledger/OwnFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QSysInfo>
#include <QThread>

InstanceLock::InstanceLock(const QString& folder)
    : path_(QDir(folder).filePath(ledger::kLockFile)), lock_(path_) {
    // Only a dead holder makes a lock stale, never its age: the program may run for weeks.
    lock_.setStaleLockTime(0);
}

bool InstanceLock::tryAcquire() {
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        if (lock_.tryLock(0) || lock_.error() != QLockFile::LockFailedError)
            return true;
        if (heldByLiveCopy())
            return false;
        // A lock file that cannot be removed is held: a copy starting at this very moment has
        // made it and not yet written its process id. Wait for the id, or for the lock to go.
        if (lock_.removeStaleLockFile())
            continue;
        if (!QFileInfo(path_).isFile())
            return true;
        QThread::msleep(kPause);
    }
    // A lock that stays unreadable and held names no copy this program could tell.
    return true;
}

// Qt has already checked that a holder on this machine is alive; a lock it could not read, or
// one from another machine, belongs to no copy that runs here.
bool InstanceLock::heldByLiveCopy() const {
    qint64 pid = 0;
    QString hostName;
    QString appName;
    return lock_.getLockInfo(&pid, &hostName, &appName) && pid > 0 &&
           (hostName.isEmpty() || hostName == QSysInfo::machineHostName());
}

QString InstanceLock::defaultFolder() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder;
}
