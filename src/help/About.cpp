// The About panel: opening and closing it, and its home page and e-mail links.
#include "platform/AppInfo.h"
#include "ui/Saldori.h"

#include <QGroupBox>
#include <QLabel>
#include <QUrl>

namespace {

QString versionLine(const ProgramVersion& version) {
    return QStringLiteral("Versio %1.%2.%3")
        .arg(version.major)
        .arg(version.minor)
        .arg(version.revision);
}

} // namespace

void Saldori::Tieto_Click() {
    tietovaihe = QStringLiteral("1");
    Versio1->setText(versionLine(ProgramVersion{}));
    Tietoa->show();
    liiketila = QStringLiteral("apuatakaisin1");
    liikuttaja->start();
    ohjetila = QStringLiteral("tietoa");
    ohjeliikuttaja->start();
}

void Saldori::OK2_Click() {
    apu->show();
    liiketila = QStringLiteral("apua");
    liikuttaja->start();
    ohjetila = QStringLiteral("tietoatakaisin");
    ohjeliikuttaja->start();
}

// The labels show the addresses they open.
void Saldori::Koti_Click() {
    addressOpener_->open(QUrl(Koti->text()));
}

void Saldori::SPosti_Click() {
    addressOpener_->open(QUrl(QStringLiteral("mailto:") + SPosti->text()));
}

void Saldori::useAddressOpener(AddressOpener& opener) {
    addressOpener_ = &opener;
}
