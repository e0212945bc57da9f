#include "ui/MenuLabel.h"

#include <QMouseEvent>
#include <utility>

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
