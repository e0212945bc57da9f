// The help menu: opening it, going on to the help topics and back, and leaving it.
#include "ui/MenuLabel.h"
#include "ui/Panels.h"
#include "ui/Saldori.h"

#include <QComboBox>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>

void Saldori::Apua_Click() {
    Disabloi();
    Apua->setEnabled(true);
    vilkkukohde = Vilkkukohde::Apua;
    Vilkuta->start();
    liiketila = Liiketila::apua;
    Lainaaja->setEnabled(false);
    Laina->setEnabled(false);
    apu->show();
    liikuttaja->start();
}

void Saldori::Ohjeet_Click() {
    Ohje->show();
    liiketila = Liiketila::apuatakaisin1;
    liikuttaja->start();
    ohjetila = Ohjetila::ohje;
    ohjeliikuttaja->start();
}

void Saldori::Command1_Click() {
    liiketila = Liiketila::apua;
    liikuttaja->start();
    apu->show();
    ohjetila = Ohjetila::ohjetakaisin;
    ohjeliikuttaja->start();
}

void Saldori::takaisin_Click() {
    liiketila = Liiketila::apuatakaisin;
    liikuttaja->start();
    // Nobody is left picked, and no loans are in memory as anyone's.
    ledger_.setKenen(QString());
    refreshLists();
}
