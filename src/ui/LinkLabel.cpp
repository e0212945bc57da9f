#include "ui/LinkLabel.h"

#include <QKeyEvent>
#include <QMouseEvent>

LinkLabel::LinkLabel(QWidget* parent) : FocusLabel(parent) {
    setCursor(Qt::PointingHandCursor);
}

// A press that is dragged off the label before release is no click. The window still sees the
// mouse, as it sees it over any label.
void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    FocusLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        click();
}

void LinkLabel::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key != Qt::Key_Space && key != Qt::Key_Return && key != Qt::Key_Enter)
        return FocusLabel::keyPressEvent(event);
    event->accept();
    click();
}
