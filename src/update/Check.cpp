// Opening the update panel and the version check.
#include "platform/AppInfo.h"
#include "platform/Transfers.h"
#include "ui/Panels.h"
#include "ui/Saldori.h"
#include "update/Limits.h"
#include "update/TransferErrors.h"
#include "update/UpdateFiles.h"
#include "update/UpdateMessages.h"
#include "update/WholeUpdate.h"

#include <QBuffer>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScopedValueRollback>

namespace {

// The status line, in the order the check shows them.
const QString kUpdateAvailable = QStringLiteral("Päivitys saatavilla!");
const QString kDownloading = QStringLiteral("Lataan päivitystä.. Odota hetki.");

} // namespace

void Saldori::UpDate_Click() {
    WebUpdate->show();
    liiketila = Liiketila::webupdate;
    liikuttaja->start();
    const ProgramVersion own;
    WebUpdate->versio->setText(update::ownVersion(own.major, own.minor, own.revision));
}

void Saldori::tarkista() {
    const auto closePanel = [this] {
        liiketila = Liiketila::webupdatetakaisin;
        liikuttaja->start();
    };
    const auto fail = [&] {
        ask(msg::kCheckFailed);
        closePanel();
    };
    // Until the update is over, every transfer goes through the one deadline of all of them.
    update::WholeUpdate whole(*AutoUpdate, update::kWholeUpdate);
    const QScopedValueRollback<Transfers*> withinWhole(AutoUpdate, &whole);
    const std::optional<QByteArray> versionFile = fetchUpdateFile(WebUpdate->URL->text());
    const std::optional<QString> published =
        versionFile ? update::publishedVersion(*versionFile) : std::nullopt;
    if (!published)
        return fail();
    WebUpdate->versiouusi->setText(*published);

    switch (update::compareVersions(WebUpdate->versio->text(), *published)) {
    case update::Verdict::UpdateAvailable:
        WebUpdate->tila->setText(kUpdateAvailable);
        if (ask(msg::kUpdateAvailable) != Answer::Ok)
            return closePanel();
        WebUpdate->tila->setText(kDownloading);
        if (!lataa())
            fail();
        return;
    case update::Verdict::UpToDate:
        ask(msg::kUpToDate);
        return closePanel();
    case update::Verdict::OwnNewer:
        ask(msg::kOwnNewer);
        close();
        return;
    }
}

std::optional<QByteArray> Saldori::fetchUpdateFile(const QString& address) {
    const QUrl url(address);
    QBuffer body;
    body.open(QIODevice::WriteOnly);
    const Transfer transfer = AutoUpdate->fetch(url, body, update::kUpdateFileLimits);
    if (!transfer.ok()) {
        AutoUpdate_StateChanged(update::failureText(transfer, url.fileName()));
        return std::nullopt;
    }
    return body.data();
}

void Saldori::AutoUpdate_StateChanged(const QString& responseInfo) {
    ask(msg::transferError(responseInfo));
}
