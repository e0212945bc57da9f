#include "help/HelpTransitionTable.h"
#include "ui/FocusKeeper.h"
#include "ui/Messages.h"
#include "ui/Panels.h"
#include "ui/Saldori.h"
#include "ui/TransitionTable.h"
#include "ui/Twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace {

using help_transitions::Act;
using help_transitions::Control;
using help_transitions::Edge;

} // namespace

struct Saldori::HelpSteps {
    static QWidget* controlOf(Saldori& window, Control control) {
        switch (control) {
        case Control::Ohje:
            return window.Ohje;
        case Control::Tietoa:
            return window.Tietoa;
        case Control::ohjeteksti:
            return window.ohjeteksti;
        case Control::takaisin2:
            return window.takaisin2;
        }
        return nullptr;
    }

    static int edgeOf(const QWidget* control, Edge edge) {
        switch (edge) {
        case Edge::Left:
            return twips::left(control);
        case Edge::Top:
            return twips::top(control);
        case Edge::Height:
            return twips::height(control);
        }
        return 0;
    }

    static void setEdge(QWidget* control, Edge edge, int value) {
        switch (edge) {
        case Edge::Left:
            return twips::setLeft(control, value);
        case Edge::Top:
            return twips::setTop(control, value);
        case Edge::Height:
            return twips::setHeight(control, value);
        }
    }

    static void listBelowHelpMenu(Saldori& window) {
        twips::setHeight(window.Laina, transitions::kListFullHeight - twips::height(window.apu));
    }

    static void perform(Saldori& window, const help_transitions::Action& action) {
        QWidget* control = controlOf(window, action.control);
        switch (action.act) {
        case Act::Set:
            return setEdge(control, action.edge, action.value);
        case Act::Hide:
            return control->hide();
        case Act::StopTimer:
            return window.ohjeliikuttaja->stop();
        case Act::StartAboutAnimation:
            return window.Ajastin->start();
        case Act::ListBelowHelpMenu:
            return listBelowHelpMenu(window);
        }
    }
};

void Saldori::ohjeliikuttaja_Timer() {
    const FocusKeeper keeper(*this);
    const help_transitions::Row* row = help_transitions::find(ohjetila);
    if (row == nullptr) {
        // Stopped first: no further tick may reach here while the box waits for the user.
        ohjeliikuttaja->stop();
        ask(msg::kVirhe);
        return;
    }
    if (help_transitions::moveDue(
            *row, HelpSteps::edgeOf(HelpSteps::controlOf(*this, row->watched), row->measured))) {
        for (const help_transitions::Move& move : row->moves) {
            QWidget* control = HelpSteps::controlOf(*this, move.control);
            HelpSteps::setEdge(control, move.edge, HelpSteps::edgeOf(control, move.edge) + move.by);
        }
        if (row->listFollowsHelpMenu)
            HelpSteps::listBelowHelpMenu(*this);
        return;
    }
    for (const help_transitions::Action& action : row->arrival)
        HelpSteps::perform(*this, action);
}
