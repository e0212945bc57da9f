#pragma once

#include <QString>

// What the program says of itself: its help, in Finnish on a Finnish desktop and in English on
// any other, and its version.
namespace cli {

QString helpText(bool finnish);
int printHelp(const QString& unused);
int printVersion(const QString& unused);

} // namespace cli
