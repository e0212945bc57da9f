#pragma once

#include "platform/Transfers.h"

#include <QString>

namespace update {

// What went wrong with the transfer of a file, in a few Finnish words, followed by the file's
// name in parentheses.
QString failureText(const Transfer& transfer, const QString& fileName);

} // namespace update
