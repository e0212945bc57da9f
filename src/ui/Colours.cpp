#include "ui/Colours.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>

namespace colours {
namespace {

QPalette::ColorRole textRole(const QWidget* widget) {
    return qobject_cast<const QLabel*>(widget) ? QPalette::WindowText : QPalette::Text;
}

// A disabled control keeps the desktop's greyed look, as a disabled label should.
void setRole(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Active, role, colour);
    palette.setColor(QPalette::Inactive, role, colour);
    widget->setPalette(palette);
    if (auto* combo = qobject_cast<QComboBox*>(widget); combo && combo->lineEdit())
        combo->lineEdit()->setPalette(palette);
}

} // namespace

QColor systemWindow() {
    return QApplication::palette().color(QPalette::Active, QPalette::Base);
}
QColor systemText() {
    return QApplication::palette().color(QPalette::Active, QPalette::Text);
}

QColor text(const QWidget* widget) {
    return widget->palette().color(QPalette::Active, textRole(widget));
}

void setText(QWidget* widget, const QColor& colour) {
    setRole(widget, textRole(widget), colour);
}

QColor background(const QWidget* widget) {
    return widget->palette().color(QPalette::Active, QPalette::Base);
}

void setBackground(QWidget* widget, const QColor& colour) {
    setRole(widget, QPalette::Base, colour);
}

void setBold(QWidget* widget, bool bold) {
    QFont font = widget->font();
    font.setBold(bold);
    widget->setFont(font);
}

void setUnderline(QWidget* widget, bool underline) {
    QFont font = widget->font();
    font.setUnderline(underline);
    widget->setFont(font);
}

} // namespace colours
