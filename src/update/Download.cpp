// Downloading a release and handing over to its updater.
#include "ledger/LoanFile.h"
#include "ledger/RecordFile.h"
#include "ledger/Tables.h"
#include "platform/Launcher.h"
#include "ui/Messages.h"
#include "ui/Saldori.h"
#include "update/UpdateFiles.h"

#include <QFile>
#include <QLabel>
#include <QSaveFile>
#include <vector>

namespace {

const QString kDirectory = QStringLiteral(SALDORI_UPDATE_URL);
const QString kNoticeFile = QStringLiteral("update.kdx");
const QString kListFile = QStringLiteral("tiedostot.kdx");
const QString kUpdater = QStringLiteral("UpDater.kdx");
const QString kAwaitingApproval = QStringLiteral("Odotetaan käyttäjän hyväksyntää...");

// The file holds either all of the bytes or, when anything fails, what it held before.
bool storeWhole(const QString& fileName, const QByteArray& bytes) {
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

std::optional<QByteArray> fetchAndStore(Saldori& window, const QString& fileName) {
    std::optional<QByteArray> bytes = window.fetchUpdateFile(kDirectory + fileName);
    if (!bytes || !storeWhole(fileName, *bytes))
        return std::nullopt;
    return bytes;
}

// Stops at the first entry that fails, keeping the files stored before it.
bool storeListedFiles(Saldori& window, const QList<std::optional<QString>>& names) {
    // The register on disk, and the names in memory should it be unreadable.
    ledger::NameTable onDisk;
    ledger::readRecords(ledger::kRegisterFile, onDisk);
    std::vector<QString> registered(onDisk.begin(), onDisk.end());
    registered.insert(registered.end(), window.muisti.begin(), window.muisti.end());
    for (const std::optional<QString>& name : names) {
        if (!name || !update::safeToStore(*name, registered) || !fetchAndStore(window, *name))
            return false;
    }
    return true;
}

} // namespace

bool Saldori::lataa() {
    const auto failed = [this] {
        ask(msg::kDownloadFailed);
        return true;
    };
    const std::optional<QByteArray> noticeFile = fetchAndStore(*this, kNoticeFile);
    if (!noticeFile)
        return failed();
    ask(msg::plain(update::notice(*noticeFile)));
    const std::optional<QByteArray> listFile = fetchAndStore(*this, kListFile);
    if (!listFile || !storeListedFiles(*this, update::listedFiles(*listFile)))
        return failed();

    tila->setText(kAwaitingApproval);
    ask(msg::kUpdateDownloaded);
    if (QFile::remove(kNoticeFile))
        QFile::remove(kListFile);
    if (!startProgram(kUpdater))
        return false;
    close();
    return true;
}
