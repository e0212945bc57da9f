#include "ui/Saldori.h"

void Saldori::Ajastin_Timer() {}
