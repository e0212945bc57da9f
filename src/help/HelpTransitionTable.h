#pragma once

#include "ui/States.h"

#include <vector>

// The help timer's moves as data: one row per state, read by the window's help tick handler.
namespace help_transitions {

enum class Control { Ohje, Tietoa, ohjeteksti, takaisin2 };
enum class Edge { Left, Top, Height };

// One control's edge moved by a number of twips.
struct Move {
    Control control;
    Edge edge;
    int by;
};

enum class Act {
    Set, // the control's edge := value
    Hide,
    StopTimer,
    StartAboutAnimation,
    ListBelowHelpMenu, // the loan list's height := full height - the help menu's height
};

struct Action {
    Act act;
    Control control = Control::Ohje;
    Edge edge = Edge::Height;
    int value = 0;
};

// A row moves while the watched edge is below its limit (or above it, for a row that closes);
// otherwise its tick is the arrival.
struct Row {
    Ohjetila state;
    Control watched;
    Edge measured;
    bool whileBelow;
    int limit;
    std::vector<Move> moves;
    bool listFollowsHelpMenu;
    std::vector<Action> arrival;
};

// The row for a state, or nullptr for a value the help timer does not know.
const Row* find(Ohjetila state);

bool moveDue(const Row& row, int measured);

} // namespace help_transitions
