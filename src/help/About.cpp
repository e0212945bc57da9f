// The About panel: opening and closing it, and its home page and e-mail links.
#include "platform/AppInfo.h"
#include "ui/Panels.h"
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
    tietovaihe = Tietovaihe::first;
    Tietoa->Versio1->setText(versionLine(ProgramVersion{}));
    Tietoa->show();
    liiketila = Liiketila::apuatakaisin1;
    liikuttaja->start();
    ohjetila = Ohjetila::tietoa;
    ohjeliikuttaja->start();
}

void Saldori::OK2_Click() {
    apu->show();
    liiketila = Liiketila::apua;
    liikuttaja->start();
    ohjetila = Ohjetila::tietoatakaisin;
    ohjeliikuttaja->start();
}

// The labels show the addresses they open.
void Saldori::Koti_Click() {
    addressOpener_.open(QUrl(Tietoa->Koti->text()));
}

void Saldori::SPosti_Click() {
    addressOpener_.open(QUrl(QStringLiteral("mailto:") + Tietoa->SPosti->text()));
}
