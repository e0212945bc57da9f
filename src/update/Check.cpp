#include "ui/Saldori.h"

// The update check is not there yet; the update panel stays open with its status line.
void Saldori::tarkista() {}
