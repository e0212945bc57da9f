#include "platform/Dialogs.h"

#include <QMessageBox>

namespace {

QMessageBox::Icon boxIcon(Icon icon) {
    switch (icon) {
    case Icon::Information:
        return QMessageBox::Information;
    case Icon::Question:
        return QMessageBox::Question;
    case Icon::Exclamation:
        return QMessageBox::Warning;
    case Icon::Critical:
        return QMessageBox::Critical;
    case Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

Answer MessageBoxDialogs::show(const Message& message) {
    QMessageBox box(boxIcon(message.icon), message.caption, message.text, QMessageBox::Ok, parent_);
    // Texts hold names the user typed; "<b>" in a name is part of the name.
    box.setTextFormat(Qt::PlainText);
    if (message.buttons == Buttons::OkCancel)
        box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok ? Answer::Ok : Answer::Cancel;
}
