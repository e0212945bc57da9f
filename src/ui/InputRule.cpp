// What input may do while something slides, and where the keyboard focus goes. The rules are
// written down in docs/design.md.
#include "ui/FocusKeeper.h"
#include "ui/Hints.h"
#include "ui/MenuLabel.h"
#include "ui/Panels.h"
#include "ui/Saldori.h"

#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <array>

namespace {

// A slide that never arrives must not hang the window; no animation comes near this.
constexpr int kMostTicks = 1000;

} // namespace

// The panels from the topmost down, each with the control that takes the focus when it opens:
// the box to type in, or its first button.
std::array<std::pair<QGroupBox*, QWidget*>, 7> Saldori::panelFocus() const {
    return {{{Tietoa, Tietoa->OK2},
             {Ohje, Ohje->ohjellainaaja},
             {WebUpdate, nullptr},
             {apu, apu->takaisin},
             {Muokkaus, Muokkaus->Mtlaina},
             {Add1, Add1->LainaLisaa},
             {Add, Add->Uusi}}};
}

bool Saldori::usable(const QWidget* control) const {
    return control != nullptr && control->isVisibleTo(this) && control->isEnabled();
}

// A command acts on the window as a user who had waited would find it: every running slide
// and blink finishes first, and then the command runs only if its control is still there to
// be used. While the window closes, or another command waits for an answer, input does nothing.
bool Saldori::takesInput(const QWidget* control) {
    if (commandRunning_ || quitting())
        return false;
    commandRunning_ = true;
    finishAnimations();
    commandRunning_ = false;
    return usable(control);
}

void Saldori::finishAnimations() {
    const std::array<std::pair<Ticker*, void (Saldori::*)()>, 4> timers = {{
        {liikuttaja, &Saldori::liikuttaja_Timer},
        {ohjeliikuttaja, &Saldori::ohjeliikuttaja_Timer},
        {Vilkuta, &Saldori::Vilkuta_Timer},
        {Ajastin, &Saldori::Ajastin_Timer},
    }};
    for (int tick = 0; tick < kMostTicks; ++tick) {
        bool running = false;
        for (const auto& [timer, onTick] : timers) {
            if (timer->isEnabled()) {
                running = true;
                (this->*onTick)();
            }
        }
        if (!running)
            return;
    }
}

void Saldori::runCommand(const QWidget* control, void (Saldori::*handler)()) {
    if (!takesInput(control))
        return;
    const FocusKeeper keeper = keepFocus();
    const auto panels = panelFocus();
    std::array<bool, panels.size()> wasShown{};
    for (size_t i = 0; i < panels.size(); ++i)
        wasShown[i] = shown(panels[i].first);
    const bool fromMainScreen =
        std::none_of(wasShown.begin(), wasShown.end(), [](bool open) { return open; });
    QWidget* before = focusWidget();

    commandRunning_ = true;
    (this->*handler)();
    commandRunning_ = false;

    for (size_t i = 0; i < panels.size(); ++i) {
        const auto& [panel, home] = panels[i];
        if (wasShown[i] || !shown(panel))
            continue;
        if (fromMainScreen)
            returnFocus_ = before;
        if (home != nullptr)
            home->setFocus(Qt::OtherFocusReason);
        return;
    }
}

// If a command or tick hid or disabled the control that had the focus, the focus goes where it
// belongs instead of where the toolkit passes it, which is often "Poistu", the one label left
// enabled.
FocusKeeper Saldori::keepFocus() {
    return {focusWidget(), [this](const QWidget* before) {
                const QWidget* now = focusWidget();
                const bool passedToQuit = now == Lopeta && before != Lopeta;
                if ((before && !usable(before)) || (now && !usable(now)) || passedToQuit)
                    placeFocus();
            }};
}

// Into the topmost open panel; on the main screen back to where the user was, else to the
// borrower box or the first command that can be used. "Poistu" only takes it from the user.
void Saldori::placeFocus() {
    for (const auto& [panel, home] : panelFocus()) {
        if (shown(panel)) {
            if (usable(home))
                home->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    std::vector<QWidget*> candidates = {returnFocus_.data(), Lainaaja};
    for (MenuLabel* label : menuLabels())
        candidates.push_back(label);
    candidates.push_back(takaisin2);
    for (QWidget* candidate : candidates) {
        if (candidate != Lopeta && usable(candidate)) {
            candidate->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    setFocus(Qt::OtherFocusReason);
}

// The screen shows a borrower as picked when the box holds the name whose loans the list shows.
QString Saldori::pickedBorrower() const {
    const QString& kenen = ledger_.kenen();
    const bool picked = !kenen.isEmpty() && Lainaaja->currentText() == kenen && Laina->count() > 0;
    return picked ? kenen : QString();
}

// Enter presses a push button, as Space does.
bool Saldori::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        auto* button = qobject_cast<QPushButton*>(watched);
        if (button && !key->isAutoRepeat() &&
            (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
            button->click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
