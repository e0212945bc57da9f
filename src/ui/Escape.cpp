// Escape leaves the panel on top as its way-back button does.
#include "ui/Panels.h"
#include "ui/Saldori.h"

#include <QGroupBox>
#include <QPushButton>

namespace {

struct WayBack {
    QGroupBox* panel;
    QPushButton* button;
    void (Saldori::*handler)();
};

} // namespace

// The update panel has no way back while it works, and the main screen nothing to leave.
void Saldori::Form_Escape() {
    // The panel on top is the one the finished slides leave there.
    if (!takesInput(this))
        return;
    const WayBack ways[] = {
        {Tietoa, Tietoa->OK2, &Saldori::OK2_Click},
        {Ohje, Ohje->Command1, &Saldori::Command1_Click},
        {WebUpdate, nullptr, nullptr},
        {apu, apu->takaisin, &Saldori::takaisin_Click},
        {Muokkaus, Muokkaus->Command3, &Saldori::Command3_Click},
        {Add1, Add1->sulje2, &Saldori::sulje2_Click},
        {Add, Add->sulje1, &Saldori::sulje1_Click},
    };
    for (const auto& [panel, button, handler] : ways) {
        if (shown(panel)) {
            if (button != nullptr)
                runCommand(button, handler);
            return;
        }
    }
}
