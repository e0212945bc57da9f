#include "ui/Colours.h"
#include "ui/MenuLabel.h"
#include "ui/Saldori.h"

#include <QWindow>
#include <algorithm>

void Saldori::menuLabel_MouseMove(QLabel* label) {
    // The blink owns the colours while it runs.
    if (Vilkuta->isEnabled())
        return;
    if (colours::text(label) == colours::kGreen)
        colours::setText(label, colours::kYellow);
    for (MenuLabel* other : menuLabels()) {
        if (other != label && colours::text(other) == colours::kYellow)
            colours::setText(other, colours::kGreen);
    }
}

bool desktopSystemMove(QWindow& window) {
    return window.startSystemMove();
}

void Saldori::Form_MouseMove(Qt::MouseButtons buttons, QPoint globalPosition) {
    dragWindow(buttons, globalPosition);
    if (Vilkuta->isEnabled())
        return;
    const auto labels = menuLabels();
    if (std::any_of(labels.begin(), labels.end(), [](const MenuLabel* label) {
            return colours::text(label) == colours::kYellow;
        }))
        varinvaihto();
}

// A press on the surface starts one drag with the left button alone: the window manager takes it
// over, or else the window follows the mouse itself while that button alone is held. The window
// does not see the release of a move the window manager took, so only a new press starts another.
void Saldori::dragWindow(Qt::MouseButtons buttons, QPoint globalPosition) {
    if (buttons != Qt::LeftButton) {
        drag_ = Drag::None;
        return;
    }
    if (drag_ == Drag::Pressed) {
        QWindow* window = windowHandle();
        drag_ = window && systemMove_(*window) ? Drag::System : Drag::ByHand;
    }
    if (drag_ == Drag::ByHand)
        move(globalPosition - dragOffset_);
}

std::array<MenuLabel*, 7> Saldori::menuLabels() const {
    return {LLainaaja, LLaina, PLainaaja, PLaina, Muokkaa, Apua, Lopeta};
}

// In the order the menu is switched: the edit command comes before the two deletions.
std::array<MenuLabel*, 6> Saldori::switchableMenuLabels() const {
    return {LLainaaja, LLaina, Muokkaa, PLainaaja, PLaina, Apua};
}

void Saldori::varinvaihto() {
    for (MenuLabel* label : menuLabels())
        colours::setText(label, colours::kGreen);
}

void Saldori::Enabloi() {
    for (MenuLabel* label : switchableMenuLabels())
        label->setEnabled(true);
}

void Saldori::Disabloi() {
    for (MenuLabel* label : switchableMenuLabels())
        label->setEnabled(false);
}
