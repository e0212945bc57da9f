#include "support/Harness.h"
#include "ui/Colours.h"
#include "ui/MenuLabel.h"

#include <QTest>

// A clicked menu label flashes four times and is left yellow; quitting flashes, then closes.
class BlinkTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        dir_ = std::make_unique<TempWorkDir>();
        dialogs_.shown.clear();
        window_ = openWindow(dialogs_);
    }
    void cleanup() {
        window_.reset();
        dir_.reset();
    }

    void blinkAndEndAction_data();
    void blinkAndEndAction();
    void secondBlinkTakesOverTheCount();
    void quitFlashesThenClosesWritingNothing();

  private:
    MenuLabel* label(const QString& name) const { return window_->findChild<MenuLabel*>(name); }
    void startBlink(int target) {
        window_->vilkkukohde = target;
        window_->Vilkuta->start();
    }

    RecordingDialogs dialogs_;
    std::unique_ptr<TempWorkDir> dir_;
    std::unique_ptr<Saldori> window_;
};

namespace {

QColor colourOf(QChar code) {
    switch (code.unicode()) {
    case 'G':
        return colours::kGreen;
    case 'Y':
        return colours::kYellow;
    default:
        return colours::kCyan;
    }
}

} // namespace

void BlinkTest::blinkAndEndAction_data() {
    QTest::addColumn<int>("target");
    QTest::addColumn<QString>("labelName");
    QTest::addColumn<QString>("colours"); // the start colour, then the colour after each tick
    QTest::addColumn<bool>("addBorrowerEnabled");
    QTest::addColumn<bool>("enabledAtEnd");

    QTest::newRow("add borrower, from yellow") << 1 << "LLainaaja"
                                               << "YGYGYGYGY" << true << false;
    QTest::newRow("add borrower, from green") << 1 << "LLainaaja"
                                              << "GYGYGYGY" << true << false;
    QTest::newRow("add loans, menu off") << 2 << "LLaina"
                                         << "YGYGYGYGY" << false << false;
    QTest::newRow("add loans, add borrower on") << 2 << "LLaina"
                                                << "YGYGYGYGY" << true << true;
    QTest::newRow("delete borrower") << 3 << "PLainaaja"
                                     << "YGYGYGYGY" << false << true;
    QTest::newRow("delete loans") << 4 << "PLaina"
                                  << "GYGYGYGY" << true << true;
    QTest::newRow("edit, menu off") << 5 << "Muokkaa"
                                    << "YGYGYGYGY" << false << false;
    QTest::newRow("edit, add borrower on") << 5 << "Muokkaa"
                                           << "GYGYGYGY" << true << true;
    QTest::newRow("help") << 6 << "Apua"
                          << "YGYGYGYGY" << true << false;
    // A label in neither menu colour is left as it is, yet each tick counts a flash.
    QTest::newRow("third colour") << 4 << "PLaina"
                                  << "CCCCC" << true << true;
}

void BlinkTest::blinkAndEndAction() {
    QFETCH(int, target);
    QFETCH(QString, labelName);
    QFETCH(QString, colours);
    QFETCH(bool, addBorrowerEnabled);
    QFETCH(bool, enabledAtEnd);

    MenuLabel* blinking = label(labelName);
    if (!addBorrowerEnabled)
        window_->Disabloi();
    blinking->setEnabled(true);
    colours::setText(blinking, colourOf(colours[0]));
    startBlink(target);

    for (int tick = 1; tick < colours.size(); ++tick) {
        window_->Vilkuta_Timer();
        QCOMPARE(colours::text(blinking), colourOf(colours[tick]));
        QVERIFY(window_->Vilkuta->isEnabled());
        QVERIFY(blinking->isEnabled());
    }
    window_->Vilkuta_Timer();
    QCOMPARE(colours::text(blinking), colours::kYellow);
    QVERIFY(!window_->Vilkuta->isEnabled());
    QCOMPARE(window_->vilkkukohde, 0);
    QCOMPARE(window_->vilkkulaskuri, 0);
    QCOMPARE(blinking->isEnabled(), enabledAtEnd);
    QVERIFY(window_->Lopeta->isEnabled());
    QVERIFY(window_->isVisible());
}

// The second label flashes only for what is left of the first one's count of four.
void BlinkTest::secondBlinkTakesOverTheCount() {
    colours::setText(window_->LLainaaja, colours::kYellow);
    startBlink(1);
    for (int tick = 0; tick < 4; ++tick)
        window_->Vilkuta_Timer();
    QCOMPARE(window_->vilkkulaskuri, 2);
    QCOMPARE(colours::text(window_->LLainaaja), colours::kYellow);

    startBlink(4);
    const QColor expected[] = {colours::kYellow, colours::kGreen, colours::kYellow};
    for (const QColor& colour : expected) {
        window_->Vilkuta_Timer();
        QCOMPARE(colours::text(window_->PLaina), colour);
        QCOMPARE(colours::text(window_->LLainaaja), colours::kYellow);
    }
    QVERIFY(window_->Vilkuta->isEnabled());
    window_->Vilkuta_Timer();
    QVERIFY(!window_->Vilkuta->isEnabled());
    QCOMPARE(window_->vilkkulaskuri, 0);
    QVERIFY(window_->LLainaaja->isEnabled());
}

void BlinkTest::quitFlashesThenClosesWritingNothing() {
    const QStringList filesBefore = filesInWorkDir();
    const QPoint onQuit = window_->Lopeta->rect().center();
    QTest::mouseMove(window_->Lopeta, onQuit);
    QCOMPARE(colours::text(window_->Lopeta), colours::kYellow);
    QTest::mouseClick(window_->Lopeta, Qt::LeftButton, {}, onQuit);
    QCOMPARE(window_->vilkkukohde, 7);
    QVERIFY(window_->Vilkuta->isEnabled());

    for (int tick = 1; tick <= 8; ++tick) {
        window_->Vilkuta_Timer();
        QCOMPARE(colours::text(window_->Lopeta),
                 tick % 2 == 1 ? colours::kGreen : colours::kYellow);
        QVERIFY(window_->isVisible());
    }
    window_->Vilkuta_Timer();
    QVERIFY(!window_->isVisible());
    QCOMPARE(window_->vilkkukohde, 7);
    QVERIFY(dialogs_.shown.isEmpty());
    QCOMPARE(filesInWorkDir(), filesBefore);
}

QTEST_MAIN(BlinkTest)
#include "tst_blink.moc"
