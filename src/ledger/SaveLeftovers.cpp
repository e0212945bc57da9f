#include "ledger/SaveLeftovers.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace ledger {

void removeSaveLeftovers(const QDir& folder) {
    // The six letters are random in both cases, so a name such as "nimet.kdx.backup", which a
    // user may well have given a copy, is never taken for one.
    static const QRegularExpression leftover(
        QStringLiteral("^.+\\.kdx\\.(?=[A-Za-z]*[A-Z])(?=[A-Za-z]*[a-z])[A-Za-z]{6}$"));
    const QStringList names = folder.entryList(QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (const QString& name : names) {
        if (leftover.match(name).hasMatch())
            QFile::remove(folder.filePath(name));
    }
}

} // namespace ledger
