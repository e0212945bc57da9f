#pragma once

#include <QString>

namespace cli {

// Replaces the register of the working folder with the one in the CSV file, as --export writes
// it, in one change. A row that cannot be stored refuses the whole file, naming its line, and
// nothing is written; so does an open window.
int importRegister(const QString& file);

} // namespace cli
