#pragma once

#include <optional>

// The program is its window; the command line only answers questions about it and prints the
// register. It is read before the toolkit needs a display.
namespace cli {

// The exit status when the arguments asked for the command line, nothing when they ask for
// the window (no arguments, only the toolkit's own options, or "--" and nothing after it).
std::optional<int> run(int argc, char* argv[]);

} // namespace cli
