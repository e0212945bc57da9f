#include "ui/Saldori.h"

void Saldori::LLainaaja_Click() {}

void Saldori::Uusi_Change() {}

void Saldori::OK_Click() {}

void Saldori::sulje1_Click() {}
