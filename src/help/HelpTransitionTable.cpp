#include "help/HelpTransitionTable.h"

#include <algorithm>

namespace help_transitions {
namespace {

using enum Act;
using enum Control;
using enum Edge;

constexpr int kRestingTop = 3120;

const std::vector<Row>& table() {
    // clang-format off
    static const std::vector<Row> rows = {
        // state, watched, measured, while below, limit, moves, list follows, arrival
        {Ohjetila::ohje, Ohje, Height, true, 850,
         {{Ohje, Top, -100}, {Ohje, Height, 100}}, false,
         {{StopTimer}, {Set, Ohje, Height, 855}, {Set, Ohje, Top, 2280}}},
        {Ohjetila::ohjetakaisin, Ohje, Height, false, 100,
         {{Ohje, Top, 100}, {Ohje, Height, -100}}, false,
         {{StopTimer}, {Set, Ohje, Height, 0}, {Set, Ohje, Top, kRestingTop}, {Hide, Ohje}}},
        // The hint line stops wherever its last step left it.
        {Ohjetila::piilota, ohjeteksti, Left, true, 0,
         {{ohjeteksti, Left, 100}, {takaisin2, Left, 100}}, false,
         {{StopTimer}}},
        {Ohjetila::näytä, ohjeteksti, Left, false, -1300,
         {{ohjeteksti, Left, -100}, {takaisin2, Left, -100}}, false,
         {{Set, ohjeteksti, Left, -1320}, {Set, takaisin2, Left, -1200}, {Hide, ohjeteksti},
          {Hide, takaisin2}, {StopTimer}}},
        {Ohjetila::tietoa, Tietoa, Height, true, 1355,
         {{Tietoa, Height, 100}, {Tietoa, Top, -100}}, false,
         {{StopTimer}, {Set, Tietoa, Height, 1455}, {Set, Tietoa, Top, 1680},
          {StartAboutAnimation}}},
        // The help menu grows back meanwhile, and the list makes room for it on every tick.
        {Ohjetila::tietoatakaisin, Tietoa, Height, false, 100,
         {{Tietoa, Height, -100}, {Tietoa, Top, 100}}, true,
         {{Hide, Tietoa}, {Set, Tietoa, Height, 0}, {Set, Tietoa, Top, kRestingTop},
          {ListBelowHelpMenu}, {StopTimer}}},
    };
    // clang-format on
    return rows;
}

} // namespace

const Row* find(Ohjetila state) {
    const auto& rows = table();
    const auto row = std::find_if(rows.begin(), rows.end(),
                                  [&](const Row& candidate) { return candidate.state == state; });
    return row == rows.end() ? nullptr : &*row;
}

bool moveDue(const Row& row, int measured) {
    return row.whileBelow ? measured < row.limit : measured > row.limit;
}

} // namespace help_transitions
