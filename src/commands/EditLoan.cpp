#include "ui/Saldori.h"

void Saldori::Muokkaa_Click() {}

void Saldori::Tallenna_Click() {}

void Saldori::Command3_Click() {}
