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

namespace {

using transitions::Act;
using transitions::kListFullHeight;
using transitions::kRestingTop;

const QString kCheckingForUpdate = QStringLiteral("Tarkistetaan päivitys tarvetta...");

} // namespace

struct Saldori::PanelSteps {
    static QGroupBox* panelOf(Saldori& window, transitions::Panel panel) {
        switch (panel) {
        case transitions::Panel::Add:
            return window.Add;
        case transitions::Panel::Add1:
            return window.Add1;
        case transitions::Panel::Muokkaus:
            return window.Muokkaus;
        case transitions::Panel::Ohje:
            return window.Ohje;
        case transitions::Panel::apu:
            return window.apu;
        case transitions::Panel::WebUpdate:
            return window.WebUpdate;
        }
        return nullptr;
    }

    // Positive grows the panel upward, negative shrinks it downward; the bottom edge stays.
    // A panel never shrinks below nothing, whatever its step.
    static void grow(QWidget* panel, int amount) {
        amount = std::max(amount, -twips::height(panel));
        twips::place(panel, twips::left(panel), twips::top(panel) - amount, twips::width(panel),
                     twips::height(panel) + amount);
    }

    static void step(Saldori& window, const transitions::Row& row, QGroupBox* panel) {
        const int direction = row.pattern == transitions::Pattern::Opening ? 1 : -1;
        grow(panel, direction * row.step);
        if (row.partner)
            grow(panelOf(window, row.partner->panel), -direction * row.partner->step);
        if (row.listFollows)
            twips::setHeight(window.Laina, kListFullHeight - twips::height(panel));
    }

    static void perform(Saldori& window, const transitions::Row& row, QGroupBox* panel,
                        transitions::Action action) {
        switch (action.act) {
        case Act::PanelHeight:
            return twips::setHeight(panel, action.value);
        case Act::PanelTop:
            return twips::setTop(panel, action.value);
        case Act::HidePanel:
            return panel->hide();
        case Act::ShowPartner:
            return panelOf(window, row.partner->panel)->show();
        case Act::ClosedReset:
            panel->hide();
            twips::setTop(panel, kRestingTop);
            twips::setHeight(panel, 0);
            return twips::setHeight(window.Laina, kListFullHeight);
        case Act::ListBelowPanel:
            return twips::setHeight(window.Laina,
                                    kListFullHeight - twips::height(panel) - action.value);
        case Act::ListFull:
            return twips::setHeight(window.Laina, kListFullHeight);
        case Act::StopTimer:
            return window.liikuttaja->stop();
        case Act::ClearState:
            return void(window.liiketila = Liiketila::none);
        case Act::EnableMenu:
            return window.Enabloi();
        case Act::EnableMenuIfAdd1Hidden:
            if (!Saldori::shown(window.Add1))
                window.Enabloi();
            return;
        case Act::EnableMainLists:
            window.Lainaaja->setEnabled(true);
            return window.Laina->setEnabled(true);
        case Act::ShowUpdateChecking:
            return window.WebUpdate->tila->setText(kCheckingForUpdate);
        case Act::CheckForUpdate:
            return window.tarkista();
        }
    }
};

void Saldori::liikuttaja_Timer() {
    const FocusKeeper keeper(*this);
    const transitions::Row* row = transitions::find(liiketila, shown(Add));
    if (row == nullptr) {
        // Stopped first: no further tick may reach here while the box waits for the user.
        liikuttaja->stop();
        ask(msg::kVirhe);
        return;
    }
    QGroupBox* panel = PanelSteps::panelOf(*this, row->panel);
    if (transitions::stepDue(*row, twips::height(panel))) {
        PanelSteps::step(*this, *row, panel);
        return;
    }
    for (const transitions::Action& action : row->arrival)
        PanelSteps::perform(*this, *row, panel, action);
}
