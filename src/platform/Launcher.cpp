#include "platform/Launcher.h"

#include <QDir>
#include <QFile>
#include <QProcess>

bool startProgram(const QString& fileName) {
    // A folder that keeps no permissions (a FAT stick, say) may run it all the same, so only the
    // start itself decides.
    QFile file(fileName);
    file.setPermissions(file.permissions() | QFileDevice::ExeOwner | QFileDevice::ExeUser);
    return QProcess::startDetached(QDir::current().absoluteFilePath(fileName), {},
                                   QDir::currentPath());
}
