#pragma once

#include <QString>

namespace ledger {

// Whether a name or loan can be stored and read back unchanged: no marker, no line break or
// other control character, and every character one that Windows-1252 can hold.
bool isStorable(const QString& text);

} // namespace ledger
