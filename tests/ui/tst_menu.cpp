#include "support/Harness.h"
#include "ui/Colours.h"

namespace {

// G green, Y yellow, C any other colour.
QColor colourOf(QChar code) {
    return code == u'G' ? colours::kGreen : code == u'Y' ? colours::kYellow : colours::kCyan;
}

// A point of the window given in twips, as the layout is.
QPoint at(int leftTwips, int topTwips) {
    return {leftTwips / 15, topTwips / 15};
}

// The menu column's backdrop below "Muokkaa", clear of every control.
const QPoint kSurface = at(750, 1800);

// The menu's colours before, where the mouse goes, whether a blink runs, the colours after.
using HoverRow = std::tuple<QString, QPoint, bool, QString>;

} // namespace

// The menu follows the mouse, a clicked label flashes and is left yellow, quitting flashes and then
// closes; the bare window surface clears the highlight and drags the window.
class MenuTest : public WindowTestCase {
    Q_OBJECT

    QList<MenuLabel*> menu() const {
        return {w->LLainaaja, w->LLaina, w->PLainaaja, w->PLaina, w->Muokkaa, w->Apua, w->Lopeta};
    }

    // One letter per menu label, in menu order.
    QString colourCodes() const {
        QString codes;
        for (const MenuLabel* label : menu()) {
            const QColor colour = colours::text(label);
            codes += colour == colours::kGreen ? u'G' : colour == colours::kYellow ? u'Y' : u'C';
        }
        return codes;
    }

  private slots:
    void hover_data() {
        QTest::addColumn<HoverRow>("row");
        // clang-format off
        QTest::newRow("onto a label")                    << HoverRow{"GGGGGGG", at(500, 200), false, "YGGGGGG"};
        // The two labels touch, so this single move goes straight from one to the other.
        QTest::newRow("straight to the next label")      << HoverRow{"YGGGGGG", at(500, 370), false, "GYGGGGG"};
        QTest::newRow("a label in another colour stays") << HoverRow{"CGGYGGG", at(500, 200), false, "CGGGGGG"};
        QTest::newRow("... also beside the highlight")   << HoverRow{"CGGYGGG", at(500, 720), false, "CGYGGGG"};
        QTest::newRow("surface clears the highlight")    << HoverRow{"CGGYGGG", kSurface, false, "GGGGGGG"};
        // The blink owns the colours while it runs.
        QTest::newRow("blinking, onto a label")          << HoverRow{"YGGGGGG", at(500, 720), true, "YGGGGGG"};
        QTest::newRow("blinking, onto the surface")      << HoverRow{"YGGGGGG", kSurface, true, "YGGGGGG"};
        // clang-format on
    }

    void hover() {
        const auto& [before, target, blinking, after] = fetch<HoverRow>();
        // A move to where the pointer already is never arrives, so each case starts from the loan
        // list, which leaves the menu alone.
        QTest::mouseMove(w.get(), at(3000, 1500));
        for (int i = 0; i < before.size(); ++i)
            colours::setText(menu()[i], colourOf(before[i]));
        if (blinking)
            w->Vilkuta->start();
        QTest::mouseMove(w.get(), target);
        QCOMPARE(colourCodes(), after);
    }

    // The test platform refuses to hand the move to a window manager, so the window must follow the
    // mouse itself, and only while the left button is down.
    void drag() {
        const QPoint start = w->pos(), shift(30, 20);
        for (Qt::MouseButton button : {Qt::RightButton, Qt::LeftButton}) {
            QTest::mousePress(w.get(), button, {}, kSurface);
            QTest::mouseMove(w.get(), kSurface + shift);
            QTest::mouseRelease(w.get(), button, {}, kSurface + shift);
        }
        QCOMPARE(w->pos(), start + shift);
    }

    // With nobody in the register each command only says so and the menu stays whole; quitting
    // closes. Four flashes from the hover's yellow first, then the label is left yellow.
    void clickOnAnEmptyRegister_data() {
        QTest::addColumn<QList<Message>>("expected"); // the row's name is the label clicked
        QTest::newRow("LLaina") << QList{msg::kNoBorrowersForLoans};
        QTest::newRow("Muokkaa") << QList{msg::kNoBorrowersToEdit};
        QTest::newRow("PLaina") << QList{msg::kChooseAndTick};
        QTest::newRow("PLainaaja") << QList{msg::kNoNamesToDelete};
        QTest::newRow("Lopeta") << QList<Message>();
    }

    void clickOnAnEmptyRegister() {
        const QString label = QTest::currentDataTag();
        QFETCH(QList<Message>, expected);
        auto* clicked = w->findChild<MenuLabel*>(label);
        QTest::mouseMove(clicked);
        click(clicked);
        for (const QChar code : QStringLiteral("GYGYGYGY")) {
            QVERIFY(w->Vilkuta->isEnabled() && w->isVisible());
            w->Vilkuta_Timer();
            QCOMPARE(colours::text(clicked), colourOf(code));
        }
        w->Vilkuta_Timer();
        QCOMPARE(w->isVisible(), label != "Lopeta");
        QVERIFY(!w->isVisible() ||
                (!w->Vilkuta->isEnabled() && colourOf('Y') == colours::text(clicked)));
        QCOMPARE(dialogs.shown, expected);
        QCOMPARE(enabledMenuLabels(*w).size(), 7);
        QVERIFY(snapshotWorkDir().isEmpty());
    }

    // A screen reader finds a Finnish name on every control a user types in or picks from, and
    // works the menu labels as buttons; the keyboard reaches and clicks them as well.
    void menuLabelsAreNamedButtons_data() {
        QTest::addColumn<int>("key"); // 0: the screen reader's press action
        QTest::newRow("press action") << 0;
        QTest::newRow("Space") << int(Qt::Key_Space);
        QTest::newRow("Enter") << int(Qt::Key_Return);
    }

    void menuLabelsAreNamedButtons() {
        QFETCH(int, key);
        // On Linux Qt names a combo box by its text, so the name is checked where it is set.
        for (QWidget* control : w->findChildren<QWidget*>()) {
            if ((control->inherits("QLineEdit") || control->inherits("QComboBox") ||
                 control->inherits("QListWidget")) &&
                !control->parentWidget()->inherits("QComboBox"))
                QVERIFY2(control->accessibleName().size() > 3, qPrintable(control->objectName()));
        }
        QCOMPARE(w->Label1->buddy(), w->Lainaaja1);
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w->LLainaaja);
        QCOMPARE(face->role(), QAccessible::Button);
        QCOMPARE(face->text(QAccessible::Name), w->LLainaaja->text());
        // Shift+Tab from the borrower box reaches the menu, last label first.
        QTest::keyClick(w->Lainaaja, Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), w->Lopeta);
        w->LLainaaja->setFocus(Qt::TabFocusReason);
        if (key == 0)
            face->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        else
            QTest::keyClick(w->LLainaaja, Qt::Key(key));
        settle(*w);
        QCOMPARE(w->Add->height(), 1095 / 15);
        QCOMPARE(QApplication::focusWidget(), w->Uusi); // ready for the name
    }
};

QTEST_MAIN(MenuTest)
#include "tst_menu.moc"
