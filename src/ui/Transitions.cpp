#include "ui/Saldori.h"

void Saldori::liikuttaja_Timer() {}
