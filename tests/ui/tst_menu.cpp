#include "support/Harness.h"
#include "ui/Colours.h"
#include "ui/MenuLabel.h"
#include "ui/Messages.h"

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

} // namespace

// The menu follows the mouse, a clicked label flashes and is left yellow, quitting flashes and
// then closes; the bare window surface clears the highlight and drags the window.
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
        QTest::addColumn<QString>("before");
        QTest::addColumn<QPoint>("target");
        QTest::addColumn<bool>("blinking");
        QTest::addColumn<QString>("after");
        // clang-format off
        QTest::newRow("onto a label")                    << "GGGGGGG" << at(500, 200) << false << "YGGGGGG";
        // The two labels touch, so this single move goes straight from one to the other.
        QTest::newRow("straight to the next label")      << "YGGGGGG" << at(500, 370) << false << "GYGGGGG";
        QTest::newRow("a label in another colour stays") << "CGGYGGG" << at(500, 200) << false << "CGGGGGG";
        QTest::newRow("... also beside the highlight")   << "CGGYGGG" << at(500, 720) << false << "CGYGGGG";
        QTest::newRow("surface clears the highlight")    << "CGGYGGG" << kSurface << false << "GGGGGGG";
        QTest::newRow("surface without a highlight")     << "CGGGGGG" << kSurface << false << "CGGGGGG";
        // The blink owns the colours while it runs.
        QTest::newRow("blinking, onto a label")          << "YGGGGGG" << at(500, 720) << true << "YGGGGGG";
        QTest::newRow("blinking, onto the surface")      << "YGGGGGG" << kSurface << true << "YGGGGGG";
        // clang-format on
    }

    void hover() {
        QFETCH(QString, before);
        QFETCH(QPoint, target);
        QFETCH(bool, blinking);
        QFETCH(QString, after);
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

    // The test platform refuses to hand the move to a window manager, so the window must follow
    // the mouse itself, and only while the left button is down.
    void drag() {
        const QPoint start = w->pos(), shift(30, 20);
        for (Qt::MouseButton button : {Qt::RightButton, Qt::LeftButton}) {
            QTest::mousePress(w.get(), button, {}, kSurface);
            QTest::mouseMove(w.get(), kSurface + shift);
            QTest::mouseRelease(w.get(), button, {}, kSurface + shift);
        }
        QCOMPARE(w->pos(), start + shift);
    }

    // With nobody in the register each command only says so, and the menu stays whole.
    void emptyRegister_data() {
        QTest::addColumn<QString>("label");
        QTest::addColumn<Message>("expected");
        QTest::newRow("LLaina") << "LLaina" << msg::kNoBorrowersForLoans;
        QTest::newRow("Muokkaa") << "Muokkaa" << msg::kNoBorrowersToEdit;
        QTest::newRow("PLaina") << "PLaina" << msg::kChooseAndTick;
        QTest::newRow("PLainaaja") << "PLainaaja" << msg::kNoNamesToDelete;
    }

    void emptyRegister() {
        QFETCH(QString, label);
        QFETCH(Message, expected);
        auto* clicked = w->findChild<MenuLabel*>(label);
        QTest::mouseMove(clicked);
        click(clicked);
        // Four flashes from the hover's yellow, then the label is left yellow.
        for (const QChar code : QStringLiteral("GYGYGYGYY")) {
            QVERIFY(w->Vilkuta->isEnabled());
            w->Vilkuta_Timer();
            QCOMPARE(colours::text(clicked), colourOf(code));
        }
        QVERIFY(!w->Vilkuta->isEnabled());
        QCOMPARE(dialogs.shown, QList<Message>{expected});
        QCOMPARE(enabledMenuLabels(*w).size(), 7);
        QVERIFY(snapshotWorkDir().isEmpty());
    }

    void quitFlashesThenClosesWritingNothing() {
        QTest::mouseMove(w->Lopeta);
        click(w->Lopeta);
        for (int tick = 1; tick <= 8; ++tick) {
            w->Vilkuta_Timer();
            QCOMPARE(colours::text(w->Lopeta), colourOf(QChar(tick % 2 ? u'G' : u'Y')));
            QVERIFY(w->isVisible());
        }
        w->Vilkuta_Timer();
        QVERIFY(!w->isVisible());
        QVERIFY(dialogs.shown.isEmpty());
        QVERIFY(snapshotWorkDir().isEmpty());
    }
};

QTEST_MAIN(MenuTest)
#include "tst_menu.moc"
