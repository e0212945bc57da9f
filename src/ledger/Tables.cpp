#include "ledger/Tables.h"

#include <algorithm>

namespace ledger {

void MuistiClear(LoanTable& loans) {
    for (QString& slot : loans)
        slot.clear();
}

int firstFreeSlot(std::span<const QString> table) {
    return slotOf(table, QString());
}

int slotOf(std::span<const QString> table, const QString& text) {
    const auto found = std::find(table.begin(), table.end(), text);
    return found == table.end() ? -1 : int(found - table.begin());
}

bool anyFilled(std::span<const QString> table) {
    return std::any_of(table.begin(), table.end(), [](const QString& s) { return !s.isEmpty(); });
}

} // namespace ledger
