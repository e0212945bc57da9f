#include "support/Harness.h"
#include "ui/Twips.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

// The About panel's contents glide into place the first time, and stay there ever after.
class AboutAnimationTest : public WindowTestCase {
    Q_OBJECT

  private slots:
    void glidesOnceThenStays();

  private:
    // Ikoni left, SaldoriNimi top, OK2 left, Versio1 left, Koti left, SPosti top.
    using Positions = QList<int>;
    Positions positions() const {
        return {twips::left(w->Ikoni),   twips::top(w->SaldoriNimi), twips::left(w->OK2),
                twips::left(w->Versio1), twips::left(w->Koti),       twips::top(w->SPosti)};
    }
    void tick() { w->Ajastin_Timer(); }
};

void AboutAnimationTest::glidesOnceThenStays() {
    // The timer runs from the start with no phase set; its first tick only stops it.
    tick();
    QVERIFY(!w->Ajastin->isEnabled());
    QCOMPARE(positions(), (Positions{-480, 1560, 4080, 4320, -2160, 1440}));

    w->tietovaihe = QStringLiteral("1");
    w->Ajastin->start();
    for (int step = 1; step <= 36; ++step) {
        tick();
        QCOMPARE(positions(), (Positions{-480 + 15 * step, 1560 - 40 * step, 4080 - 18 * step, 4320,
                                         -2160, 1440}));
    }
    tick();
    QCOMPARE(positions(), (Positions{50, 200, 3400, 4320, -2160, 1440}));
    for (int step = 1; step <= 27; ++step) {
        tick();
        QCOMPARE(positions(),
                 (Positions{50, 200, 3400, 4320 - 45 * step, -2160 + 70 * step, 1440 - 13 * step}));
    }
    tick();
    const Positions settled{50, 200, 3400, 3120, 50, 1100};
    QCOMPARE(positions(), settled);
    QVERIFY(w->Ajastin->isEnabled());
    tick();
    QVERIFY(!w->Ajastin->isEnabled());
    QCOMPARE(positions(), settled);

    // A later showing finds everything in place: each phase just ends, and the third tick stops.
    w->tietovaihe = QStringLiteral("1");
    w->Ajastin->start();
    for (int ticks = 1; ticks <= 3; ++ticks) {
        QVERIFY(w->Ajastin->isEnabled());
        tick();
        QCOMPARE(positions(), settled);
    }
    QVERIFY(!w->Ajastin->isEnabled());
}

QTEST_MAIN(AboutAnimationTest)
#include "tst_about_animation.moc"
