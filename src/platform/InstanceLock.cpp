#include "platform/InstanceLock.h"

#include <QDir>
#include <QStandardPaths>

InstanceLock::InstanceLock(const QString& folder)
    : lock_(QDir(folder).filePath(QStringLiteral("saldori.lock"))) {
    // Only a dead holder makes a lock stale, never its age: the program may run for weeks.
    lock_.setStaleLockTime(0);
}

bool InstanceLock::tryAcquire() {
    return lock_.tryLock(0);
}

QString InstanceLock::defaultFolder() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder;
}
