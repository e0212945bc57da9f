#include "ui/Saldori.h"

void Saldori::PLainaaja_Click() {}

void Saldori::PoistaLainaaja() {}
