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
class TransitionsTest : public WindowTestCase {
    Q_OBJECT

  private slots:
    void transition_data();
    void transition();
    void unknownStateStopsBeforeTellingOnce_data();
    void unknownStateStopsBeforeTellingOnce();
};

namespace {

const QStringList kWholeMenu = {"Apua",    "LLaina", "LLainaaja", "Lopeta",
                                "Muokkaa", "PLaina", "PLainaaja"};

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

// Each row: the panel starts at `top` with `height` (after two ticks of `opening`, if given; with
// `other` shown too), then moves by `step` for `steps` ticks with its bottom edge fixed, arrives
// at `endHeight`/`endTop` on the next tick, and the timer stops after `ticks` ticks in all.
void TransitionsTest::transition_data() {
    QTest::addColumn<QString>("opening");
    QTest::addColumn<QString>("state");
    QTest::addColumn<QString>("panelName");
    QTest::addColumn<QString>("other");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("steps");
    QTest::addColumn<int>("ticks");
    QTest::addColumn<int>("endTop");
    QTest::addColumn<int>("endHeight");
    QTest::addColumn<int>("list"); // 0: the list is left alone throughout
    QTest::addColumn<QString>("enabled");

    // clang-format off
    QTest::newRow("add borrower, first")      << "" << "llainaaja" << "Add" << "" << 3120 << 15 << 100 << 11 << 12 << 2020 << 1095 << 1555 << "";
    QTest::newRow("add borrower, later")      << "" << "llainaaja" << "Add" << "" << 3120 << 0 << 100 << 11 << 12 << 2020 << 1095 << 1555 << "";
    QTest::newRow("add loans, first")         << "" << "llaina" << "Add1" << "" << 3120 << 15 << 100 << 18 << 19 << 1320 << 1815 << 885 << "";
    QTest::newRow("add loans, later")         << "" << "llaina" << "Add1" << "" << 3120 << 0 << 100 << 19 << 20 << 1220 << 1815 << 800 << "";
    QTest::newRow("edit")                     << "" << "muokkaus" << "Muokkaus" << "" << 3120 << 15 << 100 << 17 << 18 << 1420 << 1650 << 950 << "";
    QTest::newRow("help menu, first")         << "" << "apua" << "apu" << "" << 3120 << 15 << 100 << 11 << 12 << 2020 << 1095 << 1485 << "";
    QTest::newRow("help menu, later")         << "" << "apua" << "apu" << "" << 3120 << 0 << 100 << 11 << 12 << 2020 << 1095 << 1500 << "";
    QTest::newRow("update")                   << "" << "webupdate" << "WebUpdate" << "" << 3120 << 15 << 100 << 10 << 11 << 2040 << 1100 << 0 << "";
    QTest::newRow("close add borrower")       << "" << "llainaajatakaisin" << "Add" << "" << 2020 << 1095 << -115 << 9 << 10 << 3120 << 0 << 2700 << "menu";
    QTest::newRow("... add loans still shown") << "" << "llainaajatakaisin" << "Add" << "Add1" << 2020 << 1095 << -115 << 9 << 10 << 3120 << 0 << 2700 << "";
    QTest::newRow("... guided")               << "" << "ohjellainaajatakaisin" << "Add" << "" << 2020 << 1095 << -115 << 9 << 10 << 3120 << 0 << 2700 << "";
    QTest::newRow("close add loans")          << "" << "llainatakaisin" << "Add1" << "" << 1320 << 1815 << -115 << 15 << 16 << 3120 << 0 << 2700 << "menu";
    QTest::newRow("... guided, slower")       << "" << "ohjellainatakaisin" << "Add1" << "" << 1320 << 1815 << -100 << 18 << 19 << 3120 << 0 << 2700 << "menu";
    QTest::newRow("close edit")               << "" << "muokkaustakaisin" << "Muokkaus" << "" << 1420 << 1650 << -115 << 14 << 15 << 3120 << 0 << 2700 << "menu";
    QTest::newRow("close help menu")          << "" << "apuatakaisin" << "apu" << "" << 2020 << 1095 << -100 << 10 << 11 << 3120 << 0 << 2700 << "menu lists";
    QTest::newRow("... another panel follows") << "" << "apuatakaisin1" << "apu" << "" << 2020 << 1095 << -100 << 10 << 11 << 3120 << 0 << 2700 << "";
    QTest::newRow("close help topics")        << "" << "ohjetakaisin" << "Ohje" << "" << 2025 << 1095 << -100 << 10 << 11 << 3120 << 0 << 0 << "";
    QTest::newRow("close update")             << "" << "webupdatetakaisin" << "WebUpdate" << "" << 2040 << 1100 << -100 << 10 << 11 << 3120 << 0 << 0 << "";
    QTest::newRow("closed two ticks after opening") << "llainaaja" << "llainaajatakaisin" << "Add" << "" << 3120 << 15 << -115 << 1 << 2 << 3120 << 0 << 2700 << "menu";
    // 915 less seven steps leaves 110: the eighth step stops at nothing instead of below it.
    QTest::newRow("a step never passes below nothing") << "" << "llainatakaisin" << "Add1" << "" << 2220 << 915 << -115 << 8 << 9 << 3120 << 0 << 2700 << "menu";
    // Add sinks while Add1 rises; on the ninth tick they swap and Add1 finishes at its own pace.
    QTest::newRow("add borrower hands over to add loans") << "" << "SLAL1" << "Add" << "Add1" << 2020 << 1095 << -130 << 8 << 16 << 3120 << 0 << 885 << "";
    // clang-format on
}

void TransitionsTest::transition() {
    QFETCH(QString, opening);
    QFETCH(QString, state);
    QFETCH(QString, panelName);
    QFETCH(QString, other);
    QFETCH(int, top);
    QFETCH(int, height);
    QFETCH(int, step);
    QFETCH(int, steps);
    QFETCH(int, ticks);
    QFETCH(int, endTop);
    QFETCH(int, endHeight);
    QFETCH(int, list);
    QFETCH(QString, enabled);

    auto* panel = w->findChild<QGroupBox*>(panelName);
    twips::place(panel, 1680, top, 4215, height);
    panel->show();
    if (!other.isEmpty())
        w->findChild<QWidget*>(other)->show();
    w->Disabloi();
    w->Lainaaja->setEnabled(false);
    w->Laina->setEnabled(false);
    const int bottom = top + height;
    const int listBefore = twips::height(w->Laina);
    w->liiketila = opening.isEmpty() ? state : opening;
    w->liikuttaja->start();
    if (!opening.isEmpty()) {
        w->liikuttaja_Timer();
        w->liikuttaja_Timer();
        w->liiketila = state;
    }
    const int from = twips::height(panel);

    for (int tick = 1; tick <= steps; ++tick) {
        w->liikuttaja_Timer();
        QCOMPARE(twips::height(panel), std::max(0, from + step * tick));
        QCOMPARE(twips::top(panel) + twips::height(panel), bottom);
        QCOMPARE(twips::height(w->Laina), list ? 2700 - twips::height(panel) : listBefore);
        QVERIFY(Saldori::shown(panel));
        QVERIFY(w->liikuttaja->isEnabled());
    }
    w->liikuttaja_Timer();
    QCOMPARE(twips::top(panel), endTop);
    QCOMPARE(twips::height(panel), endHeight);
    QCOMPARE(Saldori::shown(panel), endHeight > 0);
    for (int tick = steps + 2; tick <= ticks; ++tick) {
        QVERIFY(w->liikuttaja->isEnabled());
        w->liikuttaja_Timer();
    }
    QVERIFY(!w->liikuttaja->isEnabled());
    if (!other.isEmpty())
        QVERIFY(Saldori::shown(w->findChild<QWidget*>(other)));
    QCOMPARE(twips::height(w->Laina), list ? list : listBefore);
    QCOMPARE(enabledMenuLabels(*w), enabled.contains("menu") ? kWholeMenu : QStringList{"Lopeta"});
    QCOMPARE(w->Laina->isEnabled(), enabled.contains("lists"));
    QCOMPARE(w->Lainaaja->isEnabled(), enabled.contains("lists"));
    if (state == u"webupdate")
        QCOMPARE(w->tila->text(), QStringLiteral("Tarkistetaan päivitys tarvetta..."));
    QVERIFY(dialogs.shown.isEmpty());
}

void TransitionsTest::unknownStateStopsBeforeTellingOnce_data() {
    QTest::addColumn<QString>("state");
    QTest::newRow("empty") << QString();
    QTest::newRow("deletion marker") << "ohno";
    QTest::newRow("another case") << "LLAINAAJA";
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
    QCOMPARE(probe.timerRunningAtShow, QList<bool>{false});
    QVERIFY(!window.liikuttaja->isEnabled());
    QCOMPARE(twips::height(window.Add), 15);
    QCOMPARE(twips::height(window.Laina), 2610);
}

QTEST_MAIN(TransitionsTest)
#include "tst_transitions.moc"
