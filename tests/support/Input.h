#pragma once

// What a user does with the mouse and keyboard on the main screen and the edit panel.
#include "support/Harness.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QStyle>
#include <QTest>
#include <algorithm>

inline void click(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton);
}

inline QListWidgetItem* entryOf(QListWidget* list, const QString& text) {
    const QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchExactly);
    if (found.isEmpty())
        qFatal("no loan %s", qPrintable(text));
    return found.first();
}

// A click on the text of an entry, right of its check box.
inline void clickEntry(QListWidget* list, const QString& text) {
    const QRect rect = list->visualItemRect(entryOf(list, text));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      QPoint(rect.right() - rect.width() / 4, rect.center().y()));
}

// A click on the check box of an entry.
inline void tickEntry(QListWidget* list, const QString& text) {
    const QRect rect = list->visualItemRect(entryOf(list, text));
    const int indicator = list->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, list);
    const int margin = list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      QPoint(rect.left() + margin + 1 + indicator / 2, rect.center().y()));
}

inline QStringList tickedEntries(const QListWidget* list) {
    QStringList ticked;
    for (int row = 0; row < list->count(); ++row) {
        if (list->item(row)->checkState() == Qt::Checked)
            ticked << list->item(row)->text();
    }
    return ticked;
}

inline void retype(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    // Key events carry Latin-1 only; anything else arrives as from the clipboard.
    const bool typeable =
        std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x100; });
    if (typeable)
        QTest::keyClicks(edit, text);
    else
        edit->insert(text);
}

inline void retype(QComboBox* combo, const QString& text) {
    retype(combo->lineEdit(), text);
}

// Types any text, letters beyond Latin-1 included, as key presses carrying that text, then Enter.
inline void typeAndEnter(QWidget* box, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(box, &press);
    }
    QTest::keyClick(box, Qt::Key_Return);
}
