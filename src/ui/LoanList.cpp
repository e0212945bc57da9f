#include "ui/LoanList.h"

#include <QPainter>

// The style marks the current entry with a frame too faint to find, and an empty list not at
// all; a dotted frame in the text's colour marks either.
void LoanList::paintEvent(QPaintEvent* event) {
    QListWidget::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(viewport());
    painter.setPen(QPen(palette().color(QPalette::Text), 1, Qt::DotLine));
    if (const QListWidgetItem* current = currentItem())
        painter.drawRect(visualItemRect(current).adjusted(0, 0, -1, -1));
    else
        painter.drawRect(viewport()->rect().adjusted(1, 1, -2, -2));
}

void LoanList::focusInEvent(QFocusEvent* event) {
    QListWidget::focusInEvent(event);
    viewport()->update();
}

void LoanList::focusOutEvent(QFocusEvent* event) {
    QListWidget::focusOutEvent(event);
    viewport()->update();
}
