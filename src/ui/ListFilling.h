#pragma once

#include <QString>
#include <QStringList>

class QComboBox;
class QListWidget;

// Filling a combo box keeps its text, as the program expects of its lists.
void appendEntries(QComboBox* combo, const QStringList& entries);
void setComboText(QComboBox* combo, const QString& text);
void appendLoanEntry(QListWidget* list, const QString& text);
// The text of the list's selected entry, or the empty string when none is selected. Keyboard
// focus alone makes an entry current without selecting it.
QString selectedEntry(const QListWidget* list);
