#pragma once

#include <QPoint>
#include <Qt>

class QWidget;
class QWindow;

// A press on the window's surface starts one drag with the left button alone: the window manager
// takes it over, or else the window follows the mouse itself while that button alone is held.
// The window does not see the release of a move the window manager took, so only a new press
// starts another.
class WindowDrag {
  public:
    explicit WindowDrag(bool (*systemMove)(QWindow&)) : systemMove_(systemMove) {}
    void press(QPoint offset);
    void move(QWidget& window, Qt::MouseButtons buttons, QPoint globalPosition);

  private:
    enum class State { None, Pressed, System, ByHand } state_ = State::None;
    QPoint offset_;
    bool (*systemMove_)(QWindow&);
};
