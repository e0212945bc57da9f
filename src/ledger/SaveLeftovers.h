#pragma once

class QDir;

namespace ledger {

// Removes what saves cut off by a crash left behind: a data file's temporary copy, named after
// the file with a dot and six letters. Only safe while no other copy of the program can be saving.
void removeSaveLeftovers(const QDir& folder);

} // namespace ledger
