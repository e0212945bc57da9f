#include "support/Harness.h"
#include "ui/MenuLabel.h"
#include "ui/Messages.h"
#include "ui/Twips.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QTest>
#include <functional>

// The panels slide in and out one tick at a time, and each arrival leaves the window settled.
class TransitionsTest : public QObject {
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

    void opening_data();
    void opening();
    void updatePanelOpening_data();
    void updatePanelOpening();
    void closing_data();
    void closing();
    void handOverFromAddBorrowerToAddLoans_data();
    void handOverFromAddBorrowerToAddLoans();
    void replacedStateContinuesFromWherePanelIs_data();
    void replacedStateContinuesFromWherePanelIs();
    void unknownStateStopsBeforeTellingOnce_data();
    void unknownStateStopsBeforeTellingOnce();

  private:
    QWidget* panel(const QString& name) const { return window_->findChild<QWidget*>(name); }
    int listHeight() const { return twips::height(window_->Laina); }
    void startTransition(const QString& state) {
        window_->liiketila = state;
        window_->liikuttaja->start();
    }
    void verifyClosedReset(QWidget* closed) const {
        QVERIFY(!Saldori::shown(closed));
        QCOMPARE(twips::top(closed), 3120);
        QCOMPARE(twips::height(closed), 0);
        QCOMPARE(listHeight(), 2700);
    }

    RecordingDialogs dialogs_;
    std::unique_ptr<TempWorkDir> dir_;
    std::unique_ptr<Saldori> window_;
};

namespace {

const int kDesignListHeight = 2610;

// A window message box that also tells whether the transition timer still ran when it opened.
class ProbeDialogs final : public Dialogs {
  public:
    Answer show(const Message& message) override {
        shown.append(message);
        timerRunningAtShow.append(probe());
        return Answer::Ok;
    }
    std::function<bool()> probe;
    QList<Message> shown;
    QList<bool> timerRunningAtShow;
};

} // namespace

void TransitionsTest::opening_data() {
    QTest::addColumn<QString>("state");
    QTest::addColumn<QString>("panelName");
    QTest::addColumn<int>("startHeight");
    QTest::addColumn<int>("steps");
    QTest::addColumn<int>("peakHeight");
    QTest::addColumn<int>("peakTop");
    QTest::addColumn<int>("endHeight");
    QTest::addColumn<int>("endList");
    QTest::addColumn<bool>("keepsState");

    QTest::newRow("add borrower, first")
        << "llainaaja"
        << "Add" << 15 << 11 << 1115 << 2020 << 1095 << 1555 << false;
    QTest::newRow("add borrower, later")
        << "llainaaja"
        << "Add" << 0 << 11 << 1100 << 2020 << 1095 << 1555 << false;
    QTest::newRow("add loans, first")
        << "llaina"
        << "Add1" << 15 << 18 << 1815 << 1320 << 1815 << 2700 - 1815 << false;
    QTest::newRow("add loans, later")
        << "llaina"
        << "Add1" << 0 << 19 << 1900 << 1220 << 1815 << 2700 - 1900 << false;
    QTest::newRow("edit, first") << "muokkaus"
                                 << "Muokkaus" << 15 << 17 << 1715 << 1420 << 1650 << 950 << false;
    QTest::newRow("edit, later") << "muokkaus"
                                 << "Muokkaus" << 0 << 17 << 1700 << 1420 << 1650 << 950 << false;
    QTest::newRow("help menu, first") << "apua"
                                      << "apu" << 15 << 11 << 1115 << 2020 << 1095 << 1485 << true;
    QTest::newRow("help menu, later") << "apua"
                                      << "apu" << 0 << 11 << 1100 << 2020 << 1095 << 1500 << true;
}

// Each step grows the panel by 100 with its bottom edge fixed and the list giving way; the
// arrival trims the overshoot, leaving the top where the last step put it.
void TransitionsTest::opening() {
    QFETCH(QString, state);
    QFETCH(QString, panelName);
    QFETCH(int, startHeight);
    QFETCH(int, steps);
    QFETCH(int, peakHeight);
    QFETCH(int, peakTop);
    QFETCH(int, endHeight);
    QFETCH(int, endList);
    QFETCH(bool, keepsState);

    QWidget* opened = panel(panelName);
    twips::setHeight(opened, startHeight);
    opened->show();
    startTransition(state);

    for (int tick = 1; tick <= steps; ++tick) {
        window_->liikuttaja_Timer();
        QCOMPARE(twips::height(opened), startHeight + 100 * tick);
        QCOMPARE(twips::top(opened), 3120 - 100 * tick);
        QCOMPARE(listHeight(), 2700 - twips::height(opened));
        QVERIFY(window_->liikuttaja->isEnabled());
    }
    QCOMPARE(twips::height(opened), peakHeight);
    QCOMPARE(twips::top(opened), peakTop);

    window_->liikuttaja_Timer();
    QCOMPARE(twips::height(opened), endHeight);
    QCOMPARE(twips::top(opened), peakTop);
    QCOMPARE(listHeight(), endList);
    QVERIFY(!window_->liikuttaja->isEnabled());
    QVERIFY(Saldori::shown(opened));
    QCOMPARE(window_->liiketila, keepsState ? state : QString());
    QVERIFY(dialogs_.shown.isEmpty());
}

void TransitionsTest::updatePanelOpening_data() {
    QTest::addColumn<int>("startHeight");
    QTest::addColumn<int>("peakHeight");

    QTest::newRow("first") << 15 << 1015;
    QTest::newRow("later") << 0 << 1000;
}

// The update panel leaves the list alone, and its arrival places it absolutely, wherever the
// steps ended, before the update check runs.
void TransitionsTest::updatePanelOpening() {
    QFETCH(int, startHeight);
    QFETCH(int, peakHeight);

    twips::setHeight(window_->WebUpdate, startHeight);
    window_->WebUpdate->show();
    startTransition(QStringLiteral("webupdate"));
    for (int tick = 1; tick <= 10; ++tick) {
        window_->liikuttaja_Timer();
        QCOMPARE(listHeight(), kDesignListHeight);
        QVERIFY(window_->liikuttaja->isEnabled());
    }
    QCOMPARE(twips::height(window_->WebUpdate), peakHeight);
    QCOMPARE(twips::top(window_->WebUpdate), 2120);
    QCOMPARE(window_->tila->text(), QStringLiteral("Odota hetki..."));

    window_->liikuttaja_Timer();
    QCOMPARE(twips::top(window_->WebUpdate), 2040);
    QCOMPARE(twips::height(window_->WebUpdate), 1100);
    QCOMPARE(window_->tila->text(), QStringLiteral("Tarkistetaan päivitys tarvetta..."));
    QCOMPARE(listHeight(), kDesignListHeight);
    QVERIFY(!window_->liikuttaja->isEnabled());
    QCOMPARE(window_->liiketila, QStringLiteral("webupdate"));
}

void TransitionsTest::closing_data() {
    QTest::addColumn<QString>("state");
    QTest::addColumn<QString>("panelName");
    QTest::addColumn<int>("openHeight");
    QTest::addColumn<int>("openTop");
    QTest::addColumn<bool>("add1Shown");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("steps");
    QTest::addColumn<bool>("listFollows");
    QTest::addColumn<bool>("menuEnabled");
    QTest::addColumn<bool>("mainListsEnabled");
    QTest::addColumn<bool>("keepsState");

    QTest::newRow("add borrower") << "llainaajatakaisin"
                                  << "Add" << 1095 << 2020 << false << 115 << 9 << true << true
                                  << false << false;
    QTest::newRow("add borrower, add loans still shown")
        << "llainaajatakaisin"
        << "Add" << 1095 << 2020 << true << 115 << 9 << true << false << false << false;
    QTest::newRow("add borrower, guided")
        << "ohjellainaajatakaisin"
        << "Add" << 1095 << 2020 << false << 115 << 9 << true << false << false << false;
    QTest::newRow("edit") << "muokkaustakaisin"
                          << "Muokkaus" << 1650 << 1420 << false << 115 << 14 << true << true
                          << false << false;
    QTest::newRow("add loans") << "llainatakaisin"
                               << "Add1" << 1815 << 1320 << false << 115 << 15 << true << true
                               << false << false;
    QTest::newRow("add loans, guided")
        << "ohjellainatakaisin"
        << "Add1" << 1815 << 1320 << false << 100 << 18 << true << true << false << false;
    QTest::newRow("help topics") << "ohjetakaisin"
                                 << "Ohje" << 1095 << 2025 << false << 100 << 10 << false << false
                                 << false << true;
    QTest::newRow("help menu") << "apuatakaisin"
                               << "apu" << 1095 << 2020 << false << 100 << 10 << true << true
                               << true << true;
    QTest::newRow("help menu, another panel follows")
        << "apuatakaisin1"
        << "apu" << 1095 << 2020 << false << 100 << 10 << true << false << false << true;
    QTest::newRow("update") << "webupdatetakaisin"
                            << "WebUpdate" << 1100 << 2040 << false << 100 << 10 << false << false
                            << false << true;
}

// Closing shrinks the panel down onto its resting strip, then hides it there with no height;
// only some arrivals give the menu back.
void TransitionsTest::closing() {
    QFETCH(QString, state);
    QFETCH(QString, panelName);
    QFETCH(int, openHeight);
    QFETCH(int, openTop);
    QFETCH(bool, add1Shown);
    QFETCH(int, step);
    QFETCH(int, steps);
    QFETCH(bool, listFollows);
    QFETCH(bool, menuEnabled);
    QFETCH(bool, mainListsEnabled);
    QFETCH(bool, keepsState);

    QWidget* closed = panel(panelName);
    twips::place(closed, 1680, openTop, 4215, openHeight);
    window_->Add1->setVisible(add1Shown);
    closed->show();
    const int listBefore = listHeight();
    window_->Disabloi();
    window_->Lainaaja->setEnabled(false);
    window_->Laina->setEnabled(false);
    startTransition(state);

    for (int tick = 1; tick <= steps; ++tick) {
        window_->liikuttaja_Timer();
        QCOMPARE(twips::height(closed), openHeight - step * tick);
        QCOMPARE(twips::top(closed), openTop + step * tick);
        QCOMPARE(listHeight(), listFollows ? 2700 - twips::height(closed) : listBefore);
        QVERIFY(Saldori::shown(closed));
        QVERIFY(window_->liikuttaja->isEnabled());
    }
    QVERIFY(twips::height(closed) <= 100);

    window_->liikuttaja_Timer();
    QVERIFY(!Saldori::shown(closed));
    QCOMPARE(twips::top(closed), 3120);
    QCOMPARE(twips::height(closed), 0);
    QCOMPARE(listHeight(), listFollows ? 2700 : listBefore);
    QVERIFY(!window_->liikuttaja->isEnabled());
    QCOMPARE(window_->liiketila, keepsState ? state : QString());
    for (MenuLabel* label : {window_->LLainaaja, window_->LLaina, window_->PLainaaja,
                             window_->PLaina, window_->Muokkaa, window_->Apua})
        QCOMPARE(label->isEnabled(), menuEnabled);
    QVERIFY(window_->Lopeta->isEnabled());
    QCOMPARE(window_->Lainaaja->isEnabled(), mainListsEnabled);
    QCOMPARE(window_->Laina->isEnabled(), mainListsEnabled);
}

void TransitionsTest::handOverFromAddBorrowerToAddLoans_data() {
    QTest::addColumn<int>("add1Start");
    QTest::addColumn<int>("secondPhaseSteps");
    QTest::addColumn<int>("peakHeight");
    QTest::addColumn<int>("peakTop");

    QTest::newRow("add loans first shown") << 15 << 6 << 1815 << 1320;
    QTest::newRow("add loans shown before") << 0 << 7 << 1900 << 1220;
}

void TransitionsTest::handOverFromAddBorrowerToAddLoans() {
    QFETCH(int, add1Start);
    QFETCH(int, secondPhaseSteps);
    QFETCH(int, peakHeight);
    QFETCH(int, peakTop);

    Saldori& w = *window_;
    twips::place(w.Add, 1680, 2020, 4215, 1095);
    w.Add->show();
    twips::setHeight(w.Add1, add1Start);
    w.Add1->show();
    startTransition(QStringLiteral("SLAL1"));

    for (int tick = 1; tick <= 8; ++tick) {
        w.liikuttaja_Timer();
        QCOMPARE(twips::height(w.Add), 1095 - 130 * tick);
        QCOMPARE(twips::top(w.Add), 2020 + 130 * tick);
        QCOMPARE(twips::height(w.Add1), add1Start + 150 * tick);
        QCOMPARE(twips::top(w.Add1), 3120 - 150 * tick);
        QCOMPARE(listHeight(), 2700 - twips::height(w.Add));
    }
    QCOMPARE(twips::height(w.Add), 55);
    QCOMPARE(twips::top(w.Add1), 1920);

    w.liikuttaja_Timer();
    QVERIFY(!Saldori::shown(w.Add));
    QCOMPARE(twips::top(w.Add), 3120);
    QCOMPARE(twips::height(w.Add), 0);
    QVERIFY(Saldori::shown(w.Add1));
    QCOMPARE(twips::height(w.Add1), add1Start + 1200);
    QCOMPARE(listHeight(), 2700);
    QVERIFY(w.liikuttaja->isEnabled());
    QCOMPARE(w.liiketila, QStringLiteral("SLAL1"));

    for (int tick = 1; tick <= secondPhaseSteps; ++tick) {
        w.liikuttaja_Timer();
        QCOMPARE(twips::height(w.Add1), add1Start + 1200 + 100 * tick);
        QCOMPARE(listHeight(), 2700 - twips::height(w.Add1));
        QVERIFY(w.liikuttaja->isEnabled());
    }
    QCOMPARE(twips::height(w.Add1), peakHeight);
    QCOMPARE(twips::top(w.Add1), peakTop);

    w.liikuttaja_Timer();
    QCOMPARE(twips::height(w.Add1), 1815);
    QCOMPARE(twips::top(w.Add1), peakTop);
    QVERIFY(!w.liikuttaja->isEnabled());
    QVERIFY(w.liiketila.isEmpty());
    QVERIFY(!Saldori::shown(w.Add));
}

void TransitionsTest::replacedStateContinuesFromWherePanelIs_data() {
    QTest::addColumn<QString>("opening");
    QTest::addColumn<QString>("closing");
    QTest::addColumn<QString>("panelName");
    QTest::addColumn<int>("startHeight");
    QTest::addColumn<int>("openingTicks");
    QTest::addColumn<QList<int>>("closingHeights");

    QTest::newRow("add borrower closed after two ticks") << "llainaaja"
                                                         << "llainaajatakaisin"
                                                         << "Add" << 15 << 2 << QList<int>{100};
    QTest::newRow("at 100 the next tick already resets") << "llainaaja"
                                                         << "llainaajatakaisin"
                                                         << "Add" << 0 << 1 << QList<int>{};
    QTest::newRow("edit closed half open")
        << "muokkaus"
        << "muokkaustakaisin"
        << "Muokkaus" << 15 << 5 << QList<int>{400, 285, 170, 55};
    // 915 less seven steps of 115 leaves 110, above the threshold but short of a whole step.
    QTest::newRow("a whole step would pass below nothing")
        << "llaina"
        << "llainatakaisin"
        << "Add1" << 15 << 9 << QList<int>{800, 685, 570, 455, 340, 225, 110, 0};
}

void TransitionsTest::replacedStateContinuesFromWherePanelIs() {
    QFETCH(QString, opening);
    QFETCH(QString, closing);
    QFETCH(QString, panelName);
    QFETCH(int, startHeight);
    QFETCH(int, openingTicks);
    QFETCH(QList<int>, closingHeights);

    QWidget* moved = panel(panelName);
    twips::setHeight(moved, startHeight);
    const int bottom = 3120 + startHeight;
    moved->show();
    startTransition(opening);
    for (int tick = 0; tick < openingTicks; ++tick)
        window_->liikuttaja_Timer();

    startTransition(closing);
    for (int expected : closingHeights) {
        window_->liikuttaja_Timer();
        QCOMPARE(twips::height(moved), expected);
        QCOMPARE(twips::top(moved) + twips::height(moved), bottom);
        QCOMPARE(listHeight(), 2700 - expected);
    }
    window_->liikuttaja_Timer();
    verifyClosedReset(moved);
    QVERIFY(!window_->liikuttaja->isEnabled());
    QVERIFY(window_->liiketila.isEmpty());
}

void TransitionsTest::unknownStateStopsBeforeTellingOnce_data() {
    QTest::addColumn<QString>("state");

    QTest::newRow("empty") << QString();
    QTest::newRow("deletion marker") << "ohno";
    QTest::newRow("another case") << "LLAINAAJA";
    QTest::newRow("trailing blank") << "llainaaja ";
}

void TransitionsTest::unknownStateStopsBeforeTellingOnce() {
    QFETCH(QString, state);

    ProbeDialogs probe;
    Saldori window(probe, Ticker::Clock::Manual);
    probe.probe = [&window] { return window.liikuttaja->isEnabled(); };
    window.Add->show();
    window.liiketila = state;
    window.liikuttaja->start();

    window.liikuttaja_Timer();
    QCOMPARE(probe.shown, QList<Message>{msg::kVirhe});
    QCOMPARE(probe.shown.first().text, QStringLiteral("Virhe!"));
    QCOMPARE(probe.shown.first().icon, Icon::None);
    QCOMPARE(probe.shown.first().caption, QStringLiteral("Saldori"));
    QCOMPARE(probe.timerRunningAtShow, QList<bool>{false});
    QVERIFY(!window.liikuttaja->isEnabled());
    QCOMPARE(window.liiketila, state);
    QCOMPARE(twips::height(window.Add), 15);
    QCOMPARE(twips::top(window.Add), 3120);
    QCOMPARE(twips::height(window.Laina), kDesignListHeight);
}

QTEST_MAIN(TransitionsTest)
#include "tst_transitions.moc"
