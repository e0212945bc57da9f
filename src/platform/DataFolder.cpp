#include "platform/DataFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>

namespace data_folder {
namespace {

bool asked() {
    return qEnvironmentVariable(kAskVariable) == u"1";
}

// A relative XDG_DATA_HOME is invalid and ignored. A home folder that is not there is no place to
// make one (/nonexistent is the home of users who have none), and without any the toolkit would
// name a folder under the root.
QString userDataFolder() {
    if (!QDir::isAbsolutePath(qEnvironmentVariable("XDG_DATA_HOME"))) {
        qunsetenv("XDG_DATA_HOME");
        const QString home = qEnvironmentVariable("HOME");
        if (!QDir::isAbsolutePath(home) || !QFileInfo(home).isDir())
            return {};
    }
    QCoreApplication::setApplicationName(QStringLiteral("saldori"));
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

// Debts are nobody else's business: every folder made here is the user's alone, as the XDG base
// directory rules ask; folders that exist keep their modes.
bool makePrivately(const QString& folder) {
    QStringList missing;
    for (QString part = QDir::cleanPath(folder); !QFileInfo::exists(part);
         part = QFileInfo(part).path())
        missing.prepend(part);
    for (const QString& part : std::as_const(missing)) {
        const bool made =
            QDir().mkdir(part, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        // Another start may have made it a moment ago.
        if (!made && !QFileInfo(part).isDir())
            return false;
    }
    return QFileInfo(folder).isDir();
}

} // namespace

Entry enter() {
    if (!asked())
        return {true, QDir::currentPath()};
    // Whatever the program starts (a browser, the updater) is not started in it.
    qunsetenv(kAskVariable);
    const QString folder = userDataFolder();
    if (folder.isEmpty())
        return {};
    return {makePrivately(folder) && QDir::setCurrent(folder), folder};
}

QString fromCallersFolder(const QString& name) {
    return QDir::current().absoluteFilePath(name);
}

} // namespace data_folder
