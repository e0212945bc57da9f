#pragma once

#include "ui/States.h"

#include <optional>
#include <vector>

// The panel transitions as data: one row per state, read by the tick handler of the window.
namespace transitions {

enum class Panel { Add, Add1, Muokkaus, Ohje, apu, WebUpdate };

// Opening grows the panel upward while its height is below the threshold; closing shrinks it
// while its height is above the threshold. The bottom edge stays put either way.
enum class Pattern { Opening, Closing };

// Only the hand-over from the add-borrower panel to the add-loans panel has two rows; which one
// applies is read from whether the add-borrower panel is still shown.
enum class Phase { Any, WhileAddShown, WhileAddHidden };

enum class Act {
    PanelHeight, // the panel's height := value
    PanelTop,    // the panel's top := value
    HidePanel,
    ShowPartner,
    ClosedReset,    // hidden, back at its resting place with no height, the list at full height
    ListBelowPanel, // the list's height := full height - the panel's height - value
    ListFull,
    StopTimer,
    ClearState, // liiketila := none
    EnableMenu,
    EnableMenuIfAdd1Hidden,
    EnableMainLists, // Lainaaja and Laina
    ShowUpdateChecking,
    CheckForUpdate,
};

struct Action {
    Act act;
    int value = 0;
};

// A second panel that moves the opposite way in the same step.
struct Partner {
    Panel panel;
    int step;
};

struct Row {
    Liiketila state;
    Phase phase;
    Panel panel;
    Pattern pattern;
    int threshold;
    int step;
    bool listFollows;
    std::optional<Partner> partner;
    std::vector<Action> arrival;
};

inline constexpr int kRestingTop = 3120;
inline constexpr int kListFullHeight = 2700;

// The row for a state, or nullptr for a value the engine does not know.
const Row* find(Liiketila state, bool addShown);

// Whether the next tick of the row moves the panel; otherwise it arrives.
bool stepDue(const Row& row, int panelHeight);

} // namespace transitions
