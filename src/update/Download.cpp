// Downloading a release and handing over to its updater.
#include "ledger/FileReplacement.h"
#include "ledger/Ledger.h"
#include "ledger/LoanFile.h"
#include "platform/Launcher.h"
#include "platform/Transfers.h"
#include "ui/Panels.h"
#include "ui/Saldori.h"
#include "update/Limits.h"
#include "update/TransferErrors.h"
#include "update/UpdateFiles.h"
#include "update/UpdateMessages.h"

#include <QFile>
#include <QLabel>
#include <vector>

namespace {

const QString kDirectory = QStringLiteral(SALDORI_UPDATE_URL);
const QString kAwaitingApproval = QStringLiteral("Odotetaan käyttäjän hyväksyntää...");

// The file holds either all of the bytes or, when anything fails, what it held before. A link by
// its name is replaced, never written through: it may point at the register or out of the folder.
ledger::FileReplacement replacementOf(const QString& fileName) {
    return {fileName, ledger::FileReplacement::Links::Replace, 0666};
}

// Fetches one of the update's own small files and keeps a copy; unsaved names it when the copy
// failed.
std::optional<QByteArray> fetchAndStore(Saldori& window, const QString& fileName,
                                        QString& unsaved) {
    std::optional<QByteArray> bytes = window.fetchUpdateFile(kDirectory + fileName);
    if (!bytes)
        return std::nullopt;
    ledger::FileReplacement file = replacementOf(fileName);
    if (!file.open() || !file.write(*bytes) || !file.commit()) {
        unsaved = fileName;
        return std::nullopt;
    }
    return bytes;
}

// Streams one of the release's files to the disk; the transfers' other errors go to the window.
bool download(Saldori& window, Transfers& transfers, const QString& fileName, QString& unsaved) {
    ledger::FileReplacement file = replacementOf(fileName);
    const Transfer transfer = file.open()
                                  ? transfers.fetch(QUrl(kDirectory + fileName), file.device(),
                                                    update::kReleaseFileLimits)
                                  : Transfer{TransferFailure::WriteFailed};
    if (transfer.ok() && file.commit())
        return true;
    if (transfer.ok() || transfer.failure == TransferFailure::WriteFailed)
        unsaved = fileName;
    else
        window.AutoUpdate_StateChanged(update::failureText(transfer, fileName));
    return false;
}

// The register on disk, and the names in memory should it be unreadable.
std::vector<QString> registeredNames(const ledger::Ledger& inMemory) {
    ledger::Ledger onDisk;
    onDisk.LueNimet();
    std::vector<QString> registered(onDisk.muisti().begin(), onDisk.muisti().end());
    registered.insert(registered.end(), inMemory.muisti().begin(), inMemory.muisti().end());
    return registered;
}

} // namespace

bool Saldori::lataa() {
    QString unsaved;
    const auto failed = [&] {
        if (!unsaved.isEmpty())
            ask(msg::saveFailed(unsaved));
        ask(msg::kDownloadFailed);
        return true;
    };
    const std::optional<QByteArray> noticeFile = fetchAndStore(*this, ledger::kNoticeFile, unsaved);
    if (!noticeFile)
        return failed();
    ask(msg::plain(update::notice(*noticeFile)));
    const std::optional<QByteArray> listFile = fetchAndStore(*this, ledger::kFileListFile, unsaved);
    if (!listFile)
        return failed();
    // Stops at the first entry that fails, keeping the files stored before it.
    const std::vector<QString> registered = registeredNames(ledger_);
    for (const std::optional<QString>& name : update::listedFiles(*listFile)) {
        if (!name || !update::safeToStore(*name, registered) ||
            !download(*this, *AutoUpdate, *name, unsaved))
            return failed();
    }

    WebUpdate->tila->setText(kAwaitingApproval);
    ask(msg::kUpdateDownloaded);
    if (QFile::remove(ledger::kNoticeFile))
        QFile::remove(ledger::kFileListFile);
    if (!startProgram(ledger::kUpdaterFile))
        return false;
    close();
    return true;
}
