#include "ui/FocusKeeper.h"
#include "ui/Messages.h"
#include "ui/Panels.h"
#include "ui/Saldori.h"
#include "ui/TransitionTable.h"
#include "ui/Twips.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <algorithm>
#include <array>

namespace {

using transitions::Act;
using transitions::kListFullHeight;
using transitions::kRestingTop;

const QString kCheckingForUpdate = QStringLiteral("Tarkistetaan päivitys tarvetta...");

// The panels in the order the table names them, and the loan list that follows them.
struct Scene {
    std::array<QGroupBox*, 6> panels;
    QListWidget* list;

    QGroupBox* panelOf(transitions::Panel panel) const { return panels[std::size_t(panel)]; }
};

// Positive grows the panel upward, negative shrinks it downward; the bottom edge stays.
// A panel never shrinks below nothing, whatever its step.
void grow(QWidget* panel, int amount) {
    amount = std::max(amount, -twips::height(panel));
    twips::place(panel, twips::left(panel), twips::top(panel) - amount, twips::width(panel),
                 twips::height(panel) + amount);
}

void step(const Scene& scene, const transitions::Row& row, QGroupBox* panel) {
    const int direction = row.pattern == transitions::Pattern::Opening ? 1 : -1;
    grow(panel, direction * row.step);
    if (row.partner)
        grow(scene.panelOf(row.partner->panel), -direction * row.partner->step);
    if (row.listFollows)
        twips::setHeight(scene.list, kListFullHeight - twips::height(panel));
}

// False for an act that is not the panels' own but the window's.
bool moved(const Scene& scene, const transitions::Row& row, QGroupBox* panel,
           transitions::Action action) {
    switch (action.act) {
    case Act::PanelHeight:
        twips::setHeight(panel, action.value);
        return true;
    case Act::PanelTop:
        twips::setTop(panel, action.value);
        return true;
    case Act::HidePanel:
        panel->hide();
        return true;
    case Act::ShowPartner:
        scene.panelOf(row.partner->panel)->show();
        return true;
    case Act::ClosedReset:
        panel->hide();
        twips::setTop(panel, kRestingTop);
        twips::setHeight(panel, 0);
        twips::setHeight(scene.list, kListFullHeight);
        return true;
    case Act::ListBelowPanel:
        twips::setHeight(scene.list, kListFullHeight - twips::height(panel) - action.value);
        return true;
    case Act::ListFull:
        twips::setHeight(scene.list, kListFullHeight);
        return true;
    default:
        return false;
    }
}

} // namespace

void Saldori::liikuttaja_Timer() {
    const FocusKeeper keeper = keepFocus();
    const transitions::Row* row = transitions::find(liiketila, shown(Add));
    if (row == nullptr) {
        // Stopped first: no further tick may reach here while the box waits for the user.
        liikuttaja->stop();
        ask(msg::kVirhe);
        return;
    }
    const Scene scene{{Add, Add1, Muokkaus, Ohje, apu, WebUpdate}, Laina};
    QGroupBox* panel = scene.panelOf(row->panel);
    if (transitions::stepDue(*row, twips::height(panel)))
        return step(scene, *row, panel);
    for (const transitions::Action& action : row->arrival) {
        if (moved(scene, *row, panel, action))
            continue;
        switch (action.act) {
        case Act::StopTimer:
            liikuttaja->stop();
            break;
        case Act::ClearState:
            liiketila = Liiketila::none;
            break;
        case Act::EnableMenuIfAdd1Hidden:
            if (!shown(Add1))
                Enabloi();
            break;
        case Act::EnableMenu:
            Enabloi();
            break;
        case Act::EnableMainLists:
            Lainaaja->setEnabled(true);
            Laina->setEnabled(true);
            break;
        case Act::ShowUpdateChecking:
            WebUpdate->tila->setText(kCheckingForUpdate);
            break;
        case Act::CheckForUpdate:
            tarkista();
            break;
        default:
            break;
        }
    }
}
