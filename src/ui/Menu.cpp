#include "ui/Saldori.h"

void Saldori::menuLabel_MouseMove(QLabel*) {}

void Saldori::Form_MouseMove(Qt::MouseButtons, QPoint) {}

void Saldori::varinvaihto() {}

void Saldori::Enabloi() {}

void Saldori::Disabloi() {}
