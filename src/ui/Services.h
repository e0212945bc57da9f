#pragma once

#include "platform/Addresses.h"
#include "platform/Dialogs.h"
#include "ui/Ticker.h"

class QWindow;
class Transfers;

// Hands a drag of the window to the window manager; false where it will not take it.
bool desktopSystemMove(QWindow& window);

// What the window asks of the desktop and the network, handed in at its making so that tests give
// their stand-ins in the one place the program gives the real ones.
struct Services {
    Dialogs& dialogs;
    AddressOpener& addresses = desktopAddressOpener();
    Transfers* transfers = nullptr; // none: the network module, loaded at the first transfer
    Ticker::Clock clock = Ticker::Clock::Real;
    bool (*systemMove)(QWindow&) = desktopSystemMove;
};
