#include "ledger/SaveLeftovers.h"

#include "ledger/FileReplacement.h"

#include <QDir>
#include <QFile>
#include <cerrno>
#include <csignal>

namespace ledger {
namespace {

// A process that cannot be signalled for want of permission still runs.
bool processGone(qint64 pid) {
    return ::kill(pid_t(pid), 0) != 0 && errno == ESRCH;
}

} // namespace

void removeSaveLeftovers(const QDir& folder) {
    const QStringList names =
        folder.entryList(QDir::Files | QDir::Hidden | QDir::NoSymLinks, QDir::Unsorted);
    for (const QString& name : names) {
        const qint64 owner = temporaryFileOwner(name);
        if (owner > 0 && processGone(owner))
            QFile::remove(folder.filePath(name));
    }
}

} // namespace ledger
