#include "ui/MenuLabel.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <utility>

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
    if (std::exchange(doubleClicked_, false))
        return;
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void MenuLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
    doubleClicked_ = true;
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
        FocusLabel::keyPressEvent(event);
    }
}
