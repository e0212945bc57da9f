#include "ui/TransitionTable.h"

#include <algorithm>

namespace transitions {
namespace {

using enum Act;
using enum Panel;
using enum Pattern;
using enum Phase;

const std::vector<Row>& table() {
    // clang-format off
    static const std::vector<Row> rows = {
        // state, phase, panel, pattern, threshold, step, list follows, partner, arrival
        {Liiketila::llainaaja, Any, Add, Opening, 1094, 100, true, {},
         {{PanelHeight, 1095}, {ListBelowPanel, 50}, {StopTimer}, {ClearState}}},
        {Liiketila::llainaajatakaisin, Any, Add, Closing, 100, 115, true, {},
         {{ClosedReset}, {StopTimer}, {ClearState}, {EnableMenuIfAdd1Hidden}}},
        // Guided help goes on after it, so the menu is left alone.
        {Liiketila::ohjellainaajatakaisin, Any, Add, Closing, 100, 115, true, {},
         {{ClosedReset}, {StopTimer}, {ClearState}}},
        {Liiketila::muokkaus, Any, Muokkaus, Opening, 1630, 100, true, {},
         {{PanelHeight, 1650}, {ListBelowPanel, 100}, {StopTimer}, {ClearState}}},
        {Liiketila::muokkaustakaisin, Any, Muokkaus, Closing, 100, 115, true, {},
         {{ClosedReset}, {StopTimer}, {ClearState}, {EnableMenu}}},
        {Liiketila::llaina, Any, Add1, Opening, 1814, 100, true, {},
         {{PanelHeight, 1815}, {StopTimer}, {ClearState}}},
        {Liiketila::llainatakaisin, Any, Add1, Closing, 100, 115, true, {},
         {{ClosedReset}, {StopTimer}, {ClearState}, {EnableMenu}}},
        {Liiketila::ohjellainatakaisin, Any, Add1, Closing, 100, 100, true, {},
         {{ClosedReset}, {ClearState}, {EnableMenu}, {StopTimer}}},
        // The add-borrower panel sinks while the add-loans panel rises past it; the timer runs
        // on into the second row, which finishes the add-loans panel at the ordinary pace.
        {Liiketila::SLAL1, WhileAddShown, Add, Closing, 150, 130, true, Partner{Add1, 150},
         {{ShowPartner}, {ClosedReset}}},
        {Liiketila::SLAL1, WhileAddHidden, Add1, Opening, 1814, 100, true, {},
         {{PanelHeight, 1815}, {StopTimer}, {ClearState}}},
        {Liiketila::ohjetakaisin, Any, Ohje, Closing, 100, 100, false, {},
         {{StopTimer}, {PanelHeight, 0}, {PanelTop, kRestingTop}, {HidePanel}}},
        // The list is sized from the untrimmed height, so it depends on where the opening began.
        {Liiketila::apua, Any, apu, Opening, 1080, 100, true, {},
         {{ListBelowPanel, 100}, {StopTimer}, {PanelHeight, 1095}}},
        {Liiketila::apuatakaisin, Any, apu, Closing, 100, 100, true, {},
         {{StopTimer}, {PanelHeight, 0}, {PanelTop, kRestingTop}, {ListFull}, {EnableMainLists},
          {HidePanel}, {EnableMenu}}},
        // The help topics or the About panel take over, so the menu stays off.
        {Liiketila::apuatakaisin1, Any, apu, Closing, 100, 100, true, {},
         {{StopTimer}, {PanelHeight, 0}, {PanelTop, kRestingTop}, {ListFull}, {HidePanel}}},
        // The update check may close the panel again before it returns, so it comes last.
        {Liiketila::webupdate, Any, WebUpdate, Opening, 1000, 100, false, {},
         {{StopTimer}, {PanelHeight, 1100}, {PanelTop, 2040}, {ShowUpdateChecking},
          {CheckForUpdate}}},
        {Liiketila::webupdatetakaisin, Any, WebUpdate, Closing, 100, 100, false, {},
         {{HidePanel}, {PanelHeight, 0}, {PanelTop, kRestingTop}, {StopTimer}}},
    };
    // clang-format on
    return rows;
}

bool phaseApplies(Phase phase, bool addShown) {
    switch (phase) {
    case Any:
        return true;
    case WhileAddShown:
        return addShown;
    case WhileAddHidden:
        return !addShown;
    }
    return false;
}

} // namespace

const Row* find(Liiketila state, bool addShown) {
    const auto& rows = table();
    const auto row = std::find_if(rows.begin(), rows.end(), [&](const Row& candidate) {
        return candidate.state == state && phaseApplies(candidate.phase, addShown);
    });
    return row == rows.end() ? nullptr : &*row;
}

bool stepDue(const Row& row, int panelHeight) {
    return row.pattern == Opening ? panelHeight < row.threshold : panelHeight > row.threshold;
}

} // namespace transitions
