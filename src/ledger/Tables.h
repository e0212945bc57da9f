#pragma once

#include <QString>
#include <array>
#include <span>

namespace ledger {

inline constexpr int kNameSlots = 100;
inline constexpr int kLoanSlots = 30;

// A slot holding the empty string is free; there is no other marker.
using NameTable = std::array<QString, kNameSlots>;
using LoanTable = std::array<QString, kLoanSlots>;

void MuistiClear(LoanTable& loans);

// The lowest free slot, or -1 when every slot is taken.
int firstFreeSlot(std::span<const QString> table);
// The lowest slot equal to text (exact, case-sensitive), or -1.
int slotOf(std::span<const QString> table, const QString& text);
bool anyFilled(std::span<const QString> table);

} // namespace ledger
