#pragma once

class QWidget;

// What a screen reader says: every control without a caption of its own is named by the caption
// a sighted user reads beside it, the menu labels are announced as the buttons they are, the
// About panel's addresses as links, the loans as check boxes and the window as a frame; each
// new guided-help step is spoken.
namespace accessibility {

// Must come before the first control is made: Qt describes a control once, when the control
// appears, and only a screen reader already running sees that first description.
void installInterfaces();
void describe(QWidget* window);

} // namespace accessibility
