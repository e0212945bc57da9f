#include "ui/LinkLabel.h"

#include <QLabel>
#include <QMouseEvent>

LinkLabel::LinkLabel(QLabel* label, std::function<void()> onClick)
    : QObject(label), label_(label), onClick_(std::move(onClick)) {
    label->setCursor(Qt::PointingHandCursor);
    label->installEventFilter(this);
}

// A press that is dragged off the label before release is no click.
bool LinkLabel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == label_ && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton &&
            label_->rect().contains(mouse->position().toPoint()))
            onClick_();
    }
    return QObject::eventFilter(watched, event);
}
