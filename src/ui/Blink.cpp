#include "ui/Saldori.h"

void Saldori::Vilkuta_Timer() {}

void Saldori::Lopeta_Click() {}
