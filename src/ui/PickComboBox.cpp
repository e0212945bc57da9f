#include "ui/PickComboBox.h"

#include "ui/Hints.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <utility>

PickComboBox::PickComboBox(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    // The box's own signals are blocked while the program fills it; its text box's are not.
    connect(lineEdit(), &QLineEdit::textChanged, this, [this] { nobody_ = false; });
    connect(this, &QComboBox::activated, this, [this] {
        if (!typing_)
            emit picked();
    });
}

void PickComboBox::showNobody() {
    const QSignalBlocker blocker(this);
    setCurrentIndex(-1);
    setEditText(ui_text::kPrompt);
    nobody_ = true;
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
