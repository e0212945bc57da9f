#include "support/Harness.h"
#include "ui/Twips.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

// The About panel's contents glide into place the first time, and stay there ever after.
class AboutAnimationTest : public WindowTestCase {
    Q_OBJECT

    // Ikoni left, SaldoriNimi top, OK2 left, Versio1 left, Koti left, SPosti top.
    QList<int> positions() const {
        return {twips::left(w->Ikoni),   twips::top(w->SaldoriNimi), twips::left(w->OK2),
                twips::left(w->Versio1), twips::left(w->Koti),       twips::top(w->SPosti)};
    }

  private slots:
    void glidesOnceThenStays() {
        // The timer runs from the start with no phase set; its first tick only stops it.
        w->Ajastin_Timer();
        QVERIFY(!w->Ajastin->isEnabled());
        QCOMPARE(positions(), (QList<int>{-480, 1560, 4080, 4320, -2160, 1440}));

        w->tietovaihe = QStringLiteral("1");
        w->Ajastin->start();
        for (int s = 1; s <= 36; ++s) {
            w->Ajastin_Timer();
            QCOMPARE(positions(),
                     (QList<int>{-480 + 15 * s, 1560 - 40 * s, 4080 - 18 * s, 4320, -2160, 1440}));
        }
        w->Ajastin_Timer();
        QCOMPARE(positions(), (QList<int>{50, 200, 3400, 4320, -2160, 1440}));
        for (int s = 1; s <= 27; ++s) {
            w->Ajastin_Timer();
            QCOMPARE(positions(),
                     (QList<int>{50, 200, 3400, 4320 - 45 * s, -2160 + 70 * s, 1440 - 13 * s}));
        }
        const QList<int> settled{50, 200, 3400, 3120, 50, 1100};
        w->Ajastin_Timer();
        QCOMPARE(positions(), settled);
        QVERIFY(w->Ajastin->isEnabled());
        w->Ajastin_Timer();
        QVERIFY(!w->Ajastin->isEnabled());
        QCOMPARE(positions(), settled);

        // A later showing finds everything in place: each phase just ends, the third tick stops.
        w->tietovaihe = QStringLiteral("1");
        w->Ajastin->start();
        for (int tick = 1; tick <= 3; ++tick) {
            QVERIFY(w->Ajastin->isEnabled());
            w->Ajastin_Timer();
            QCOMPARE(positions(), settled);
        }
        QVERIFY(!w->Ajastin->isEnabled());
    }
};

QTEST_MAIN(AboutAnimationTest)
#include "tst_about_animation.moc"
