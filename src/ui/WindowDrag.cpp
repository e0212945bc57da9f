#include "ui/WindowDrag.h"

#include <QWidget>
#include <QWindow>

void WindowDrag::press(QPoint offset) {
    offset_ = offset;
    state_ = State::Pressed;
}

void WindowDrag::move(QWidget& window, Qt::MouseButtons buttons, QPoint globalPosition) {
    if (buttons != Qt::LeftButton) {
        state_ = State::None;
        return;
    }
    if (state_ == State::Pressed) {
        QWindow* handle = window.windowHandle();
        state_ = handle && systemMove_(*handle) ? State::System : State::ByHand;
    }
    if (state_ == State::ByHand)
        window.move(globalPosition - offset_);
}
