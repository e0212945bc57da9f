// The help menu: opening it, going on to the help topics and back, and leaving it.
#include "ui/Hints.h"
#include "ui/MenuLabel.h"
#include "ui/Saldori.h"

#include <QComboBox>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>

namespace {

constexpr int kBlinkApua = 6;

} // namespace

void Saldori::Apua_Click() {
    Disabloi();
    Apua->setEnabled(true);
    vilkkukohde = kBlinkApua;
    Vilkuta->start();
    liiketila = QStringLiteral("apua");
    Lainaaja->setEnabled(false);
    Laina->setEnabled(false);
    apu->show();
    liikuttaja->start();
}

void Saldori::Ohjeet_Click() {
    Ohje->show();
    liiketila = QStringLiteral("apuatakaisin1");
    liikuttaja->start();
    ohjetila = QStringLiteral("ohje");
    ohjeliikuttaja->start();
}

void Saldori::Command1_Click() {
    liiketila = QStringLiteral("apua");
    liikuttaja->start();
    apu->show();
    ohjetila = QStringLiteral("ohjetakaisin");
    ohjeliikuttaja->start();
}

void Saldori::takaisin_Click() {
    liiketila = QStringLiteral("apuatakaisin");
    liikuttaja->start();
    Lainaaja->clear();
    setComboText(Lainaaja, QString());
    Laina->clear();
    LueNimet();
    LisaaNimet();
    kenen = Lainaaja->currentText();
    setComboText(Lainaaja, ui_text::kPrompt);
}

// Only the help menu itself answers: not the panels that open over it or take its place.
void Saldori::apu_Escape() {
    if (shown(apu) && !shown(Ohje) && !shown(Tietoa) && !shown(WebUpdate))
        takaisin_Click();
}
