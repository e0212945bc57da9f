#include "support/Harness.h"
#include "ui/Twips.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

// The About panel's contents glide into place the first time, and stay there ever after.
class AboutAnimationTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        dir_ = std::make_unique<TempWorkDir>();
        window_ = openWindow(dialogs_);
    }
    void cleanup() {
        window_.reset();
        dir_.reset();
    }

    void firstTickAfterStartStops();
    void firstShowingGlidesInTwoPhases();
    void laterShowingMovesNothing();

  private:
    // Ikoni left, SaldoriNimi top, OK2 left, Versio1 left, Koti left, SPosti top.
    using Positions = QList<int>;
    Positions positions() const {
        const Saldori& w = *window_;
        return {twips::left(w.Ikoni),   twips::top(w.SaldoriNimi), twips::left(w.OK2),
                twips::left(w.Versio1), twips::left(w.Koti),       twips::top(w.SPosti)};
    }
    void startAnimation() {
        window_->tietovaihe = QStringLiteral("1");
        window_->Ajastin->start();
    }
    void tick() { window_->Ajastin_Timer(); }
    void runFirstShowing();

    RecordingDialogs dialogs_;
    std::unique_ptr<TempWorkDir> dir_;
    std::unique_ptr<Saldori> window_;
};

void AboutAnimationTest::firstTickAfterStartStops() {
    QVERIFY(window_->Ajastin->isEnabled());
    const Positions design = positions();
    window_->Ajastin_Timer();
    QVERIFY(!window_->Ajastin->isEnabled());
    QCOMPARE(positions(), design);
}

void AboutAnimationTest::runFirstShowing() {
    const Positions design = positions();
    QCOMPARE(design, (Positions{-480, 1560, 4080, 4320, -2160, 1440}));
    startAnimation();

    for (int step = 1; step <= 36; ++step) {
        tick();
        QCOMPARE(positions(), (Positions{-480 + 15 * step, 1560 - 40 * step, 4080 - 18 * step, 4320,
                                         -2160, 1440}));
    }
    QCOMPARE(positions(), (Positions{60, 120, 3432, 4320, -2160, 1440}));
    tick();
    QCOMPARE(positions(), (Positions{50, 200, 3400, 4320, -2160, 1440}));
    QCOMPARE(window_->tietovaihe, QStringLiteral("2"));
    QVERIFY(window_->Ajastin->isEnabled());

    for (int step = 1; step <= 27; ++step) {
        tick();
        QCOMPARE(positions(),
                 (Positions{50, 200, 3400, 4320 - 45 * step, -2160 + 70 * step, 1440 - 13 * step}));
    }
    QCOMPARE(positions(), (Positions{50, 200, 3400, 3105, -270, 1089}));
    tick();
    QCOMPARE(positions(), (Positions{50, 200, 3400, 3120, 50, 1100}));
    QVERIFY(window_->tietovaihe.isEmpty());
    QVERIFY(window_->Ajastin->isEnabled());

    tick();
    QVERIFY(!window_->Ajastin->isEnabled());
    QCOMPARE(positions(), (Positions{50, 200, 3400, 3120, 50, 1100}));
}

void AboutAnimationTest::firstShowingGlidesInTwoPhases() {
    window_->Ajastin_Timer();
    runFirstShowing();
    QVERIFY(!QTest::currentTestFailed());
}

void AboutAnimationTest::laterShowingMovesNothing() {
    window_->Ajastin_Timer();
    runFirstShowing();
    QVERIFY(!QTest::currentTestFailed());
    const Positions settled = positions();

    startAnimation();
    const QString phases[] = {QStringLiteral("2"), QString(), QString()};
    for (const QString& phase : phases) {
        tick();
        QCOMPARE(positions(), settled);
        QCOMPARE(window_->tietovaihe, phase);
    }
    QVERIFY(!window_->Ajastin->isEnabled());
}

QTEST_MAIN(AboutAnimationTest)
#include "tst_about_animation.moc"
