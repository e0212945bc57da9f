#include "help/HelpTransitionTable.h"
#include "ui/FocusKeeper.h"
#include "ui/HintLabel.h"
#include "ui/Messages.h"
#include "ui/Panels.h"
#include "ui/Saldori.h"
#include "ui/Ticker.h"
#include "ui/TransitionTable.h"
#include "ui/Twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <array>

namespace {

using help_transitions::Act;
using help_transitions::Control;
using help_transitions::Edge;

// The controls the help timer moves, in the order the table names them, and what its arrivals
// touch besides.
struct Scene {
    std::array<QWidget*, 4> controls;
    QWidget* list;
    QWidget* helpMenu;
    Ticker* mover;
    Ticker* aboutAnimation;
    Guide* guide;

    QWidget* controlOf(Control control) const { return controls[std::size_t(control)]; }
};

int edgeOf(const QWidget* control, Edge edge) {
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

void setEdge(QWidget* control, Edge edge, int value) {
    switch (edge) {
    case Edge::Left:
        return twips::setLeft(control, value);
    case Edge::Top:
        return twips::setTop(control, value);
    case Edge::Height:
        return twips::setHeight(control, value);
    }
}

void listBelowHelpMenu(const Scene& scene) {
    twips::setHeight(scene.list, transitions::kListFullHeight - twips::height(scene.helpMenu));
}

void perform(const Scene& scene, const help_transitions::Action& action) {
    QWidget* control = scene.controlOf(action.control);
    switch (action.act) {
    case Act::Set:
        return setEdge(control, action.edge, action.value);
    case Act::Hide:
        // The walkthrough lasts as long as its hint line is out.
        if (action.control == Control::ohjeteksti)
            *scene.guide = {};
        return control->hide();
    case Act::StopTimer:
        return scene.mover->stop();
    case Act::StartAboutAnimation:
        return scene.aboutAnimation->start();
    case Act::ListBelowHelpMenu:
        return listBelowHelpMenu(scene);
    }
}

} // namespace

void Saldori::ohjeliikuttaja_Timer() {
    const FocusKeeper keeper = keepFocus();
    const help_transitions::Row* row = help_transitions::find(ohjetila);
    if (row == nullptr) {
        // Stopped first: no further tick may reach here while the box waits for the user.
        ohjeliikuttaja->stop();
        ask(msg::kVirhe);
        return;
    }
    const Scene scene{
        {Ohje, Tietoa, ohjeteksti, takaisin2}, Laina, apu, ohjeliikuttaja, Ajastin, &guide_};
    if (help_transitions::moveDue(*row, edgeOf(scene.controlOf(row->watched), row->measured))) {
        for (const help_transitions::Move& move : row->moves) {
            QWidget* control = scene.controlOf(move.control);
            setEdge(control, move.edge, edgeOf(control, move.edge) + move.by);
        }
        if (row->listFollowsHelpMenu)
            listBelowHelpMenu(scene);
        return;
    }
    for (const help_transitions::Action& action : row->arrival)
        perform(scene, action);
}
