#pragma once

#include <QString>
#include <span>

// The window's controls at start-up: where each one stands (in twips, relative to its
// container), what it reads, and whether it is shown.
namespace layout {

struct Row {
    const char* name;
    QString text;
    int left, top, width, height;
    bool visible;
    QString toolTip = {};
};

std::span<const Row> rows();

// A border line from (x1, y1) to (x2, y2), two pixels wide.
struct LineRow {
    const char* name;
    int x1, y1, x2, y2;
};

std::span<const LineRow> lines();

// Controls that take the keyboard focus, first to last.
std::span<const char* const> tabOrder();

inline constexpr int kWindowWidth = 6000;
inline constexpr int kWindowHeight = 3525;

} // namespace layout
