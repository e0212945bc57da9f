#include "platform/InstanceLock.h"

#include <QDir>
#include <QStandardPaths>
#include <QSysInfo>

InstanceLock::InstanceLock(const QString& folder)
    : lock_(QDir(folder).filePath(QStringLiteral("saldori.lock"))) {
    // Only a dead holder makes a lock stale, never its age: the program may run for weeks.
    lock_.setStaleLockTime(0);
}

bool InstanceLock::tryAcquire() {
    if (lock_.tryLock(0))
        return true;
    if (lock_.error() != QLockFile::LockFailedError)
        return true;
    if (heldByLiveCopy())
        return false;
    lock_.removeStaleLockFile();
    lock_.tryLock(0);
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
