#pragma once

class QDir;

namespace ledger {

// Removes what saves cut off by a crash left behind: the temporary files of processes that are
// gone. Any other file, and the temporary file of a copy that still runs, stays.
void removeSaveLeftovers(const QDir& folder);

} // namespace ledger
