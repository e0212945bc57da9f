#include "ui/Colours.h"
#include "ui/FocusKeeper.h"
#include "ui/MenuLabel.h"
#include "ui/Saldori.h"

namespace {

enum class BlinkEnd { None, Disable, DisableWhileAddBorrowerOff, CloseWindow };

struct BlinkRow {
    MenuLabel* Saldori::*label;
    BlinkEnd end;
};

// Indexed by vilkkukohde - 1.
constexpr BlinkRow kBlinkRows[] = {
    {&Saldori::LLainaaja, BlinkEnd::Disable},
    {&Saldori::LLaina, BlinkEnd::DisableWhileAddBorrowerOff},
    {&Saldori::PLainaaja, BlinkEnd::None},
    {&Saldori::PLaina, BlinkEnd::None},
    {&Saldori::Muokkaa, BlinkEnd::DisableWhileAddBorrowerOff},
    {&Saldori::Apua, BlinkEnd::Disable},
    {&Saldori::Lopeta, BlinkEnd::CloseWindow},
};

constexpr int kFlashes = 4;
constexpr int kBlinkLopeta = 7;

} // namespace

void Saldori::Vilkuta_Timer() {
    if (vilkkukohde < 1 || vilkkukohde > int(std::size(kBlinkRows)))
        return;
    const FocusKeeper keeper(*this);
    const BlinkRow& row = kBlinkRows[vilkkukohde - 1];
    MenuLabel* label = this->*row.label;

    if (vilkkulaskuri < kFlashes) {
        if (colours::text(label) == colours::kYellow) {
            colours::setText(label, colours::kGreen);
        } else {
            // A label in neither menu colour still counts a flash, so the blink always ends.
            if (colours::text(label) == colours::kGreen)
                colours::setText(label, colours::kYellow);
            ++vilkkulaskuri;
        }
        return;
    }

    if (row.end == BlinkEnd::CloseWindow) {
        Vilkuta->stop();
        close();
        return;
    }
    // Lit as under the mouse, and alone: a label lit by an earlier blink goes back to green.
    for (MenuLabel* other : menuLabels())
        colours::setText(other, other == label ? colours::kYellow : colours::kGreen);
    vilkkukohde = 0;
    vilkkulaskuri = 0;
    Vilkuta->stop();
    const bool disable =
        row.end == BlinkEnd::Disable ||
        (row.end == BlinkEnd::DisableWhileAddBorrowerOff && !LLainaaja->isEnabled());
    if (disable)
        label->setEnabled(false);
}

void Saldori::Lopeta_Click() {
    vilkkukohde = kBlinkLopeta;
    Vilkuta->start();
}

bool Saldori::quitting() const {
    return Vilkuta->isEnabled() && vilkkukohde == kBlinkLopeta;
}
