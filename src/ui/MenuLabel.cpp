#include "ui/MenuLabel.h"

#include <QMouseEvent>

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
