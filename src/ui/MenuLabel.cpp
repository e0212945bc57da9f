#include "ui/MenuLabel.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <utility>

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
        QLabel::keyPressEvent(event);
    }
}

void MenuLabel::focusInEvent(QFocusEvent* event) {
    QLabel::focusInEvent(event);
    update();
}

void MenuLabel::focusOutEvent(QFocusEvent* event) {
    QLabel::focusOutEvent(event);
    update();
}

void MenuLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    painter.setPen(QPen(palette().color(foregroundRole()), 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
