#include "ui/Saldori.h"

void Saldori::PLaina_Click() {}

void Saldori::PoistaLaina() {}

void Saldori::JarjestaLaina() {}

void Saldori::Laina_Click() {}
