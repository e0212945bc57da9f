#pragma once

class QWidget;

// Ends the program when the desktop destroys its window outright (as `xdotool windowclose`
// does) instead of asking it to close: the toolkit would otherwise run on with no window,
// holding the single-instance lock.
void endWhenWindowDestroyed(QWidget* window);
