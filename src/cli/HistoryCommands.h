#pragma once

#include <QString>

// The history of changes from the command line. Both refuse while the window runs, and on a data
// folder holding a file that is not the program's; both return the exit status.
namespace cli {

// Newest first: number, local time and what the change was.
int printHistory();
// Puts the data files back as they were before the change numbered so, as one change more.
int restoreChange(const QString& number);

} // namespace cli
