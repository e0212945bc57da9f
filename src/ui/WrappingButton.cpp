#include "ui/WrappingButton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

void WrappingButton::paintEvent(QPaintEvent* event) {
    QStyleOptionButton option;
    initStyleOption(&option);
    const int oneLine = option.fontMetrics.horizontalAdvance(text());
    const QRect room = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    if (oneLine <= room.width())
        return QPushButton::paintEvent(event);

    option.text.clear();
    QStylePainter painter(this);
    painter.drawControl(QStyle::CE_PushButton, option);
    painter.drawItemText(room, Qt::AlignCenter | Qt::TextWordWrap, palette(), isEnabled(), text(),
                         QPalette::ButtonText);
}
