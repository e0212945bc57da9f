#include "ui/HintLabel.h"

#include <QAccessible>
#include <QPainter>

namespace {

constexpr int kFlags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap;
constexpr qreal kSmallestPoints = 6;

} // namespace

void HintLabel::paintEvent(QPaintEvent* event) {
    const int room = below_ ? below_->y() - y() : height();
    const auto fits = [&](const QFont& font) {
        return QFontMetrics(font)
                   .boundingRect(QRect(0, 0, width(), room), kFlags, text())
                   .height() <= room;
    };
    QFont smaller = font();
    if (fits(smaller))
        return QLabel::paintEvent(event);
    while (!fits(smaller) && smaller.pointSizeF() > kSmallestPoints)
        smaller.setPointSizeF(smaller.pointSizeF() - 0.25);
    QPainter painter(this);
    painter.setFont(smaller);
    painter.setPen(palette().color(foregroundRole()));
    painter.drawText(rect(), kFlags, text());
}

void HintLabel::setText(const QString& text) {
    if (text == this->text())
        return;
    QLabel::setText(text);
    if (isVisible()) {
        QAccessibleEvent shown(this, QAccessible::ObjectShow);
        QAccessible::updateAccessibility(&shown);
    }
}
