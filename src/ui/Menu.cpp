#include "ui/Colours.h"
#include "ui/MenuLabel.h"
#include "ui/Saldori.h"

void Saldori::menuLabel_MouseMove(QLabel*) {}

void Saldori::Form_MouseMove(Qt::MouseButtons, QPoint) {}

void Saldori::varinvaihto() {
    for (MenuLabel* label : {LLainaaja, LLaina, PLainaaja, PLaina, Muokkaa, Apua, Lopeta})
        colours::setText(label, colours::kGreen);
}

void Saldori::Enabloi() {
    for (MenuLabel* label : {LLainaaja, LLaina, Muokkaa, PLainaaja, PLaina, Apua})
        label->setEnabled(true);
}

void Saldori::Disabloi() {
    for (MenuLabel* label : {LLainaaja, LLaina, Muokkaa, PLainaaja, PLaina, Apua})
        label->setEnabled(false);
}
