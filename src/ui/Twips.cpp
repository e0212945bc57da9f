#include "ui/Twips.h"

#include <QRect>
#include <QVariant>
#include <QWidget>
#include <cmath>

namespace twips {
namespace {

const char* const kProperty = "twips";

int toPixels(int value) {
    return int(std::lround(double(value) / kPerPixel));
}

QRect rect(const QWidget* widget) {
    return widget->property(kProperty).toRect();
}

void apply(QWidget* widget, QRect twipsRect) {
    widget->setProperty(kProperty, twipsRect);
    widget->setGeometry(toPixels(twipsRect.x()), toPixels(twipsRect.y()),
                        toPixels(twipsRect.width()), toPixels(twipsRect.height()));
}

} // namespace

void place(QWidget* widget, int left, int top, int width, int height) {
    apply(widget, QRect(left, top, width, height));
}

int left(const QWidget* widget) {
    return rect(widget).x();
}
int top(const QWidget* widget) {
    return rect(widget).y();
}
int width(const QWidget* widget) {
    return rect(widget).width();
}
int height(const QWidget* widget) {
    return rect(widget).height();
}

void setLeft(QWidget* widget, int value) {
    QRect r = rect(widget);
    r.moveLeft(value);
    apply(widget, r);
}

void setTop(QWidget* widget, int value) {
    QRect r = rect(widget);
    r.moveTop(value);
    apply(widget, r);
}

void setWidth(QWidget* widget, int value) {
    QRect r = rect(widget);
    r.setWidth(value);
    apply(widget, r);
}

void setHeight(QWidget* widget, int value) {
    QRect r = rect(widget);
    r.setHeight(value);
    apply(widget, r);
}

} // namespace twips
