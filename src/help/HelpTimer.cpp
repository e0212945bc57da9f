#include "ui/Saldori.h"

// The help panels and the hint line do not move yet; a started help timer simply stops.
void Saldori::ohjeliikuttaja_Timer() {
    ohjeliikuttaja->stop();
}
