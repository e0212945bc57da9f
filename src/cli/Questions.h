#pragma once

#include <QString>

// What the register answers from the command line.
namespace cli {

// Each borrower's sum, loans and loans without an amount, then the total: a table to read, or CSV.
int printSums(bool csv);
// The rows of the register's CSV whose name or loan holds the text, in any case.
int printMatches(const QString& text);

} // namespace cli
