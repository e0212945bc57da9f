#include "platform/Launcher.h"

#include <QDir>
#include <QFile>
#include <QProcess>

bool startProgram(const QString& fileName) {
    QFile file(fileName);
    if (!file.setPermissions(file.permissions() | QFileDevice::ExeOwner | QFileDevice::ExeUser))
        return false;
    return QProcess::startDetached(QDir::current().absoluteFilePath(fileName), {},
                                   QDir::currentPath());
}
