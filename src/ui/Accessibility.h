#pragma once

class QWidget;

// What a screen reader says: every control without a caption of its own is named by the caption
// a sighted user reads beside it, and the menu labels are announced as the buttons they are.
namespace accessibility {

void describe(QWidget* window);

} // namespace accessibility
