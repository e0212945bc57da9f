#include "support/Harness.h"
#include "ui/Colours.h"
#include "ui/MenuLabel.h"

#include <QTest>

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

// The menu follows the mouse, a clicked label flashes four times and is left yellow, quitting
// flashes and then closes; the bare window surface clears the highlight and drags the window.
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
    // the mouse itself.
    void drag_data() {
        QTest::addColumn<QList<int>>("pressed"); // Qt::MouseButton values, pressed in this order
        QTest::addColumn<bool>("moves");
        QTest::newRow("left") << QList<int>{Qt::LeftButton} << true;
        QTest::newRow("right") << QList<int>{Qt::RightButton} << false;
        QTest::newRow("left and right") << QList<int>{Qt::LeftButton, Qt::RightButton} << false;
        QTest::newRow("right and left") << QList<int>{Qt::RightButton, Qt::LeftButton} << false;
    }

    void drag() {
        QFETCH(QList<int>, pressed);
        QFETCH(bool, moves);
        const QPoint shift(30, 20);
        const QPoint before = w->pos();
        for (int button : pressed)
            QTest::mousePress(w.get(), Qt::MouseButton(button), {}, kSurface);
        QTest::mouseMove(w.get(), kSurface + shift);
        QCOMPARE(w->pos(), moves ? before + shift : before);
        for (int button : pressed)
            QTest::mouseRelease(w.get(), Qt::MouseButton(button), {}, kSurface + shift);
    }

    void blink_data() {
        QTest::addColumn<int>("target");
        QTest::addColumn<QString>("colours"); // the start colour, then the colour after each tick
        QTest::addColumn<bool>("addBorrowerEnabled");
        QTest::addColumn<bool>("enabledAtEnd");
        // clang-format off
        QTest::newRow("LLainaaja, from yellow") << 1 << "YGYGYGYGY" << true << false;
        QTest::newRow("LLainaaja, from green")  << 1 << "GYGYGYGY" << true << false;
        QTest::newRow("LLaina, menu off")       << 2 << "YGYGYGYGY" << false << false;
        QTest::newRow("LLaina, LLainaaja on")   << 2 << "YGYGYGYGY" << true << true;
        QTest::newRow("PLainaaja")              << 3 << "YGYGYGYGY" << false << true;
        QTest::newRow("Muokkaa, menu off")      << 5 << "YGYGYGYGY" << false << false;
        QTest::newRow("Muokkaa, LLainaaja on")  << 5 << "GYGYGYGY" << true << true;
        QTest::newRow("Apua")                   << 6 << "YGYGYGYGY" << true << false;
        // A label in neither menu colour is left as it is, yet each tick counts a flash.
        QTest::newRow("PLaina, in a third colour") << 4 << "CCCCC" << true << true;
        // clang-format on
    }

    void blink() {
        QFETCH(int, target);
        QFETCH(QString, colours);
        QFETCH(bool, addBorrowerEnabled);
        QFETCH(bool, enabledAtEnd);
        MenuLabel* blinking = menu()[target - 1];
        if (!addBorrowerEnabled)
            w->Disabloi();
        blinking->setEnabled(true);
        colours::setText(blinking, colourOf(colours[0]));
        w->vilkkukohde = target;
        w->Vilkuta->start();
        for (int tick = 1; tick < colours.size(); ++tick) {
            w->Vilkuta_Timer();
            QCOMPARE(colours::text(blinking), colourOf(colours[tick]));
            QVERIFY(w->Vilkuta->isEnabled());
        }
        w->Vilkuta_Timer();
        QCOMPARE(colours::text(blinking), colours::kYellow);
        QVERIFY(!w->Vilkuta->isEnabled());
        QCOMPARE(w->vilkkulaskuri, 0);
        QCOMPARE(blinking->isEnabled(), enabledAtEnd);
        QVERIFY(w->Lopeta->isEnabled());
    }

    // The second label flashes only for what is left of the first one's count of four.
    void secondBlinkTakesOverTheCount() {
        colours::setText(w->LLainaaja, colours::kYellow);
        w->vilkkukohde = 1;
        w->Vilkuta->start();
        for (int tick = 0; tick < 4; ++tick)
            w->Vilkuta_Timer();
        w->vilkkukohde = 4;
        w->Vilkuta->start();
        for (const char* codes : {"YGGYGGG", "YGGGGGG", "YGGYGGG"}) {
            w->Vilkuta_Timer();
            QCOMPARE(colourCodes(), QString::fromLatin1(codes));
        }
        QVERIFY(w->Vilkuta->isEnabled());
        w->Vilkuta_Timer();
        QVERIFY(!w->Vilkuta->isEnabled());
        QVERIFY(w->LLainaaja->isEnabled());
    }

    void quitFlashesThenClosesWritingNothing() {
        const QPoint onQuit = w->Lopeta->rect().center();
        QTest::mouseMove(w->Lopeta, onQuit);
        QTest::mouseClick(w->Lopeta, Qt::LeftButton, {}, onQuit);
        for (int tick = 1; tick <= 8; ++tick) {
            w->Vilkuta_Timer();
            QCOMPARE(colours::text(w->Lopeta), colourOf(QChar(tick % 2 ? u'G' : u'Y')));
            QVERIFY(w->isVisible());
        }
        w->Vilkuta_Timer();
        QVERIFY(!w->isVisible());
        QVERIFY(dialogs.shown.isEmpty());
        QCOMPARE(filesInWorkDir(), QStringList());
    }
};

QTEST_MAIN(MenuTest)
#include "tst_menu.moc"
