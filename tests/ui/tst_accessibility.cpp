#include "support/Harness.h"
#include "ui/MenuLabel.h"

#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QTest>

// A screen reader finds a Finnish name on every control a user types in or picks from, and works
// the menu labels as buttons; the keyboard reaches and clicks them as well.
class AccessibilityTest : public WindowTestCase {
    Q_OBJECT

    static QAccessibleInterface* face(QObject* object) {
        return QAccessible::queryAccessibleInterface(object);
    }

  private slots:
    void everyEntryControlIsNamed() {
        for (QWidget* control : w->findChildren<QWidget*>()) {
            const bool entry = control->inherits("QLineEdit") || control->inherits("QComboBox") ||
                               control->inherits("QListWidget");
            if (!entry || control->parentWidget()->inherits("QComboBox"))
                continue;
            // On Linux Qt names a combo box by its text, so the name is checked where it is set.
            const QString name = control->accessibleName();
            QVERIFY2(name.size() > 3 && !name.endsWith(u':'), qPrintable(control->objectName()));
        }
        // The caption beside the borrower box of the add-loans panel labels it.
        const auto labels = face(w->Lainaaja1)->relations(QAccessible::Label);
        QVERIFY(std::any_of(labels.begin(), labels.end(), [this](const auto& relation) {
            return relation.first->object() == w->Label1;
        }));
    }

    void menuLabelsAreButtons_data() {
        QTest::addColumn<int>("key"); // 0: the screen reader's press action
        QTest::newRow("press action") << 0;
        QTest::newRow("Space") << int(Qt::Key_Space);
        QTest::newRow("Enter") << int(Qt::Key_Return);
    }

    void menuLabelsAreButtons() {
        QFETCH(int, key);
        for (MenuLabel* label : w->findChildren<MenuLabel*>()) {
            QCOMPARE(face(label)->role(), QAccessible::Button);
            QCOMPARE(face(label)->text(QAccessible::Name), label->text());
        }
        // Shift+Tab from the borrower box reaches the menu, last label first.
        QTest::keyClick(w->Lainaaja, Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), w->Lopeta);
        w->LLainaaja->setFocus(Qt::TabFocusReason);
        if (key == 0)
            face(w->LLainaaja)
                ->actionInterface()
                ->doAction(QAccessibleActionInterface::pressAction());
        else
            QTest::keyClick(w->LLainaaja, Qt::Key(key));
        settle(*w);
        QVERIFY(w->Add->isVisible());
        QCOMPARE(w->Add->height(), 1095 / 15);
        QCOMPARE(QApplication::focusWidget(), w->Uusi); // ready for the name
    }
};

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
