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
    drag_.move(*this, buttons, globalPosition);
    if (Vilkuta->isEnabled())
        return;
    const auto labels = menuLabels();
    if (std::any_of(labels.begin(), labels.end(), [](const MenuLabel* label) {
            return colours::text(label) == colours::kYellow;
        }))
        varinvaihto();
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
