#include "ui/Saldori.h"

void Saldori::LLaina_Click() {}

void Saldori::Lainaaja1_Change() {}

void Saldori::LainaLisaa_Change() {}

void Saldori::OK1_Click() {}

void Saldori::LisaaLaina1() {}

void Saldori::sulje2_Click() {}
