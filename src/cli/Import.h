#pragma once

#include <QString>

namespace cli {

// Replaces the register of the working folder with the one in the CSV file, as --export writes
// it, in one change. A row that cannot be stored refuses the whole file, naming its line, and
// nothing is written; so does an open window. A relative name is the caller's: the launcher,
// which starts the program in its data folder, says in SALDORI_CALLER_DIR where that was.
int importRegister(const QString& file);

} // namespace cli
