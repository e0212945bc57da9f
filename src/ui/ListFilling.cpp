#include "ui/ListFilling.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>

void appendEntries(QComboBox* combo, const QStringList& entries) {
    const QSignalBlocker blocker(combo);
    const QSignalBlocker boxBlocker(combo->lineEdit());
    const QString text = combo->currentText();
    combo->addItems(entries);
    combo->setCurrentIndex(-1);
    combo->setEditText(text);
}

void setComboText(QComboBox* combo, const QString& text) {
    const QSignalBlocker blocker(combo);
    combo->setCurrentIndex(-1);
    combo->setEditText(text);
}

// The entry is complete before it joins the list, so that only a user's tick reports a change.
void appendLoanEntry(QListWidget* list, const QString& text) {
    auto* item = new QListWidgetItem(text);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
    list->addItem(item);
}

QString selectedEntry(const QListWidget* list) {
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}
