#include "ui/Colours.h"
#include "ui/FocusKeeper.h"
#include "ui/MenuLabel.h"
#include "ui/Saldori.h"

namespace {

enum class BlinkEnd { None, Disable, DisableWhileAddBorrowerOff, CloseWindow };

struct BlinkRow {
    Vilkkukohde target;
    BlinkEnd end;
};

// In menu order, as Vilkkukohde is, so that a target indexes its own row and label.
constexpr BlinkRow kBlinkRows[] = {
    {Vilkkukohde::LLainaaja, BlinkEnd::Disable},
    {Vilkkukohde::LLaina, BlinkEnd::DisableWhileAddBorrowerOff},
    {Vilkkukohde::PLainaaja, BlinkEnd::None},
    {Vilkkukohde::PLaina, BlinkEnd::None},
    {Vilkkukohde::Muokkaa, BlinkEnd::DisableWhileAddBorrowerOff},
    {Vilkkukohde::Apua, BlinkEnd::Disable},
    {Vilkkukohde::Lopeta, BlinkEnd::CloseWindow},
};
constexpr bool inOrder() {
    for (std::size_t row = 0; row < std::size(kBlinkRows); ++row) {
        if (kBlinkRows[row].target != Vilkkukohde(row + 1))
            return false;
    }
    return std::size(kBlinkRows) == std::size_t(Vilkkukohde::Lopeta);
}
static_assert(inOrder());

constexpr const BlinkRow& rowOf(Vilkkukohde target) {
    return kBlinkRows[std::size_t(target) - 1];
}

constexpr int kFlashes = 4;

} // namespace

void Saldori::Vilkuta_Timer() {
    if (vilkkukohde == Vilkkukohde::none)
        return;
    const FocusKeeper keeper = keepFocus();
    const BlinkRow& row = rowOf(vilkkukohde);
    MenuLabel* label = menuLabels()[std::size_t(vilkkukohde) - 1];

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
    vilkkukohde = Vilkkukohde::none;
    vilkkulaskuri = 0;
    Vilkuta->stop();
    const bool disable =
        row.end == BlinkEnd::Disable ||
        (row.end == BlinkEnd::DisableWhileAddBorrowerOff && !LLainaaja->isEnabled());
    if (disable)
        label->setEnabled(false);
}

void Saldori::Lopeta_Click() {
    vilkkukohde = Vilkkukohde::Lopeta;
    Vilkuta->start();
}

bool Saldori::quitting() const {
    return Vilkuta->isEnabled() && vilkkukohde == Vilkkukohde::Lopeta;
}
