#include "ui/MenuLabel.h"

#include <QKeyEvent>
#include <QMouseEvent>

MenuLabel::MenuLabel(QWidget* parent) : QLabel(parent) {
    // Tab alone: a mouse click must not take the focus from the control being typed in.
    setFocusPolicy(Qt::TabFocus);
}

void MenuLabel::click() {
    if (isEnabled())
        emit clicked();
}

void MenuLabel::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    emit hovered();
}

void MenuLabel::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

void MenuLabel::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void MenuLabel::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        click();
        break;
    default:
        QLabel::keyPressEvent(event);
    }
}

void MenuLabel::focusInEvent(QFocusEvent* event) {
    QLabel::focusInEvent(event);
    emit hovered();
}
