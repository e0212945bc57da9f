#pragma once

#include "ledger/OwnFiles.h"

#include <QString>
#include <optional>

namespace ledger {

// The only way to a borrower's loan file: the name followed by ".kdx" in the working folder.
// A name that cannot safely name such a file (a path, a name too long for the file system, or
// the name of one of the program's own files) has no loan file at all.
std::optional<QString> loanFileName(const QString& borrower);

} // namespace ledger
