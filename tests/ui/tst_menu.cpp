#include "support/Harness.h"
#include "ui/Colours.h"
#include "ui/MenuLabel.h"

#include <QTest>

// The menu follows the mouse, a clicked label flashes four times and is left yellow, quitting
// flashes and then closes; the bare window surface clears the highlight and drags the window.
class MenuTest : public WindowTestCase {
    Q_OBJECT

  private slots:
    void hoverMovesTheHighlight_data();
    void hoverMovesTheHighlight();
    void dragWithLeftButtonAlone_data();
    void dragWithLeftButtonAlone();
    void blinkAndEndAction_data();
    void blinkAndEndAction();
    void secondBlinkTakesOverTheCount();
    void quitFlashesThenClosesWritingNothing();

  private:
    QList<MenuLabel*> menu() const {
        return {w->LLainaaja, w->LLaina, w->PLainaaja, w->PLaina, w->Muokkaa, w->Apua, w->Lopeta};
    }
    QString colourCodes() const;
    void setColourCodes(const QString& codes);
    // A move that arrives where the pointer already is never reaches the window, so each case
    // starts from the loan list, which leaves the menu colours alone.
    void moveOverList() { QTest::mouseMove(w.get(), at(3000, 1500)); }
    // A point of the window, in pixels, given in twips as the layout is.
    static QPoint at(int leftTwips, int topTwips) { return {leftTwips / 15, topTwips / 15}; }
};

namespace {

// G green, Y yellow, C any other colour.
QColor colourOf(QChar code) {
    return code == u'G' ? colours::kGreen : code == u'Y' ? colours::kYellow : colours::kCyan;
}

QChar codeOf(const QColor& colour) {
    return colour == colours::kGreen ? u'G' : colour == colours::kYellow ? u'Y' : u'C';
}

// The menu column's backdrop below "Muokkaa", clear of every control.
const QPoint kSurface(750 / 15, 1800 / 15);

} // namespace

// One letter per menu label, in menu order.
QString MenuTest::colourCodes() const {
    QString codes;
    for (const MenuLabel* label : menu())
        codes += codeOf(colours::text(label));
    return codes;
}

void MenuTest::setColourCodes(const QString& codes) {
    const QList<MenuLabel*> labels = menu();
    for (int i = 0; i < labels.size(); ++i)
        colours::setText(labels[i], colourOf(codes[i]));
}

void MenuTest::hoverMovesTheHighlight_data() {
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

void MenuTest::hoverMovesTheHighlight() {
    QFETCH(QString, before);
    QFETCH(QPoint, target);
    QFETCH(bool, blinking);
    QFETCH(QString, after);

    moveOverList();
    QCOMPARE(colourCodes(), QStringLiteral("GGGGGGG"));
    setColourCodes(before);
    if (blinking)
        w->Vilkuta->start();
    QTest::mouseMove(w.get(), target);
    QCOMPARE(colourCodes(), after);
}

void MenuTest::dragWithLeftButtonAlone_data() {
    QTest::addColumn<QList<int>>("pressed"); // Qt::MouseButton values, pressed in this order
    QTest::addColumn<bool>("moves");

    QTest::newRow("left") << QList<int>{Qt::LeftButton} << true;
    QTest::newRow("right") << QList<int>{Qt::RightButton} << false;
    QTest::newRow("left and right") << QList<int>{Qt::LeftButton, Qt::RightButton} << false;
    QTest::newRow("right and left") << QList<int>{Qt::RightButton, Qt::LeftButton} << false;
}

// The test platform refuses to hand the move to a window manager, so the window must follow
// the mouse itself.
void MenuTest::dragWithLeftButtonAlone() {
    QFETCH(QList<int>, pressed);
    QFETCH(bool, moves);

    const QPoint shift(30, 20);
    const QPoint windowBefore = w->pos();
    for (int button : pressed)
        QTest::mousePress(w.get(), Qt::MouseButton(button), {}, kSurface);
    QTest::mouseMove(w.get(), kSurface + shift);

    QCOMPARE(w->pos(), moves ? windowBefore + shift : windowBefore);
    for (int button : pressed)
        QTest::mouseRelease(w.get(), Qt::MouseButton(button), {}, kSurface + shift);
}

void MenuTest::blinkAndEndAction_data() {
    QTest::addColumn<int>("target");
    QTest::addColumn<QString>("colours"); // the start colour, then the colour after each tick
    QTest::addColumn<bool>("addBorrowerEnabled");
    QTest::addColumn<bool>("enabledAtEnd");

    // clang-format off
    QTest::newRow("LLainaaja, from yellow")   << 1 << "YGYGYGYGY" << true << false;
    QTest::newRow("LLainaaja, from green")    << 1 << "GYGYGYGY" << true << false;
    QTest::newRow("LLaina, menu off")         << 2 << "YGYGYGYGY" << false << false;
    QTest::newRow("LLaina, LLainaaja on")     << 2 << "YGYGYGYGY" << true << true;
    QTest::newRow("PLainaaja")                << 3 << "YGYGYGYGY" << false << true;
    QTest::newRow("PLaina")                   << 4 << "GYGYGYGY" << true << true;
    QTest::newRow("Muokkaa, menu off")        << 5 << "YGYGYGYGY" << false << false;
    QTest::newRow("Muokkaa, LLainaaja on")    << 5 << "GYGYGYGY" << true << true;
    QTest::newRow("Apua")                     << 6 << "YGYGYGYGY" << true << false;
    // A label in neither menu colour is left as it is, yet each tick counts a flash.
    QTest::newRow("PLaina, in a third colour") << 4 << "CCCCC" << true << true;
    // clang-format on
}

void MenuTest::blinkAndEndAction() {
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
void MenuTest::secondBlinkTakesOverTheCount() {
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

void MenuTest::quitFlashesThenClosesWritingNothing() {
    const QStringList filesBefore = filesInWorkDir();
    const QPoint onQuit = w->Lopeta->rect().center();
    QTest::mouseMove(w->Lopeta, onQuit);
    QTest::mouseClick(w->Lopeta, Qt::LeftButton, {}, onQuit);

    for (int tick = 1; tick <= 8; ++tick) {
        w->Vilkuta_Timer();
        QCOMPARE(colours::text(w->Lopeta), tick % 2 == 1 ? colours::kGreen : colours::kYellow);
        QVERIFY(w->isVisible());
    }
    w->Vilkuta_Timer();
    QVERIFY(!w->isVisible());
    QVERIFY(dialogs.shown.isEmpty());
    QCOMPARE(filesInWorkDir(), filesBefore);
}

QTEST_MAIN(MenuTest)
#include "tst_menu.moc"
