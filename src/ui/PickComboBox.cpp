#include "ui/PickComboBox.h"

#include <QKeyEvent>
#include <utility>

PickComboBox::PickComboBox(QWidget* parent) : QComboBox(parent) {
    connect(this, &QComboBox::activated, this, [this] {
        if (!typing_)
            emit picked();
    });
}

void PickComboBox::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool wasTyping = std::exchange(typing_, enter);
    QComboBox::keyPressEvent(event);
    typing_ = wasTyping;
}

void PickComboBox::focusOutEvent(QFocusEvent* event) {
    const bool wasTyping = std::exchange(typing_, true);
    QComboBox::focusOutEvent(event);
    typing_ = wasTyping;
}
