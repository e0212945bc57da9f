#include "support/Harness.h"
#include "ui/MenuLabel.h"
#include "ui/Messages.h"
#include "ui/Twips.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <functional>

namespace {

// The panel starts at `top` with `height` (after two ticks of `opening`, if given; with `other`
// shown too), then moves by `step` for `steps` ticks with its bottom edge fixed, arrives at
// `endTop`/`endHeight` on the next tick, and the timer stops after `ticks` ticks in all. `list` is
// the loan list's height at the end, 0 when the list is left alone throughout; `enabled` tells
// whether the whole menu and the lists are enabled afterwards.
struct Move {
    const char *name, *opening, *state, *panel, *other;
    int top, height, step, steps, ticks, endTop, endHeight, list;
    const char* enabled;
};

// A message box that also tells whether the transition timer still ran when it opened.
struct ProbeDialogs final : Dialogs {
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

Q_DECLARE_METATYPE(Move)

// The panels slide in and out one tick at a time, and each arrival leaves the window settled;
// the About panel's contents glide into place the first time, and stay there ever after.
class TransitionsTest : public WindowTestCase {
    Q_OBJECT

    // Ikoni left, SaldoriNimi top, OK2 left, Versio1 left, Koti left, SPosti top.
    QList<int> positions() const {
        return {twips::left(w->Ikoni),   twips::top(w->SaldoriNimi), twips::left(w->OK2),
                twips::left(w->Versio1), twips::left(w->Koti),       twips::top(w->SPosti)};
    }

  private slots:
    void transition_data() {
        QTest::addColumn<Move>("move");
        // clang-format off
        const Move rows[] = {
            {"add borrower, first", "", "llainaaja", "Add", "", 3120, 15, 100, 11, 12, 2020, 1095, 1555, ""},
            {"add borrower, later", "", "llainaaja", "Add", "", 3120, 0, 100, 11, 12, 2020, 1095, 1555, ""},
            {"add loans, first", "", "llaina", "Add1", "", 3120, 15, 100, 18, 19, 1320, 1815, 885, ""},
            {"add loans, later", "", "llaina", "Add1", "", 3120, 0, 100, 19, 20, 1220, 1815, 800, ""},
            {"edit", "", "muokkaus", "Muokkaus", "", 3120, 15, 100, 17, 18, 1420, 1650, 950, ""},
            {"help menu, first", "", "apua", "apu", "", 3120, 15, 100, 11, 12, 2020, 1095, 1485, ""},
            {"help menu, later", "", "apua", "apu", "", 3120, 0, 100, 11, 12, 2020, 1095, 1500, ""},
            {"update", "", "webupdate", "WebUpdate", "", 3120, 15, 100, 10, 11, 2040, 1100, 0, ""},
            {"close add borrower", "", "llainaajatakaisin", "Add", "", 2020, 1095, -115, 9, 10, 3120, 0, 2700, "menu"},
            {"... add loans still shown", "", "llainaajatakaisin", "Add", "Add1", 2020, 1095, -115, 9, 10, 3120, 0, 2700, ""},
            {"... guided", "", "ohjellainaajatakaisin", "Add", "", 2020, 1095, -115, 9, 10, 3120, 0, 2700, ""},
            {"close add loans", "", "llainatakaisin", "Add1", "", 1320, 1815, -115, 15, 16, 3120, 0, 2700, "menu"},
            {"... guided, slower", "", "ohjellainatakaisin", "Add1", "", 1320, 1815, -100, 18, 19, 3120, 0, 2700, "menu"},
            {"close edit", "", "muokkaustakaisin", "Muokkaus", "", 1420, 1650, -115, 14, 15, 3120, 0, 2700, "menu"},
            {"close help menu", "", "apuatakaisin", "apu", "", 2020, 1095, -100, 10, 11, 3120, 0, 2700, "menu lists"},
            {"... another panel follows", "", "apuatakaisin1", "apu", "", 2020, 1095, -100, 10, 11, 3120, 0, 2700, ""},
            {"close help topics", "", "ohjetakaisin", "Ohje", "", 2025, 1095, -100, 10, 11, 3120, 0, 0, ""},
            {"close update", "", "webupdatetakaisin", "WebUpdate", "", 2040, 1100, -100, 10, 11, 3120, 0, 0, ""},
            {"closed two ticks after opening", "llainaaja", "llainaajatakaisin", "Add", "", 3120, 15, -115, 1, 2, 3120, 0, 2700, "menu"},
            // 915 less seven steps leaves 110: the eighth step stops at nothing instead of below it.
            {"a step never passes below nothing", "", "llainatakaisin", "Add1", "", 2220, 915, -115, 8, 9, 3120, 0, 2700, "menu"},
            // Add sinks while Add1 rises; on the ninth tick they swap and Add1 finishes at its own pace.
            {"add borrower hands over to add loans", "", "SLAL1", "Add", "Add1", 2020, 1095, -130, 8, 16, 3120, 0, 885, ""},
        };
        // clang-format on
        for (const Move& row : rows)
            QTest::newRow(row.name) << row;
    }

    void transition() {
        QFETCH(Move, move);
        const QString enabled = QString::fromLatin1(move.enabled);
        QWidget* other = *move.other ? w->findChild<QWidget*>(move.other) : nullptr;
        auto* panel = w->findChild<QGroupBox*>(move.panel);
        twips::place(panel, 1680, move.top, 4215, move.height);
        panel->show();
        if (other)
            other->show();
        w->Disabloi();
        w->Lainaaja->setEnabled(false);
        w->Laina->setEnabled(false);
        const int bottom = move.top + move.height;
        const int listBefore = twips::height(w->Laina);
        // The update check runs on arrival; with no address to fetch, it fails and closes again.
        w->URL->clear();
        w->liiketila = QString::fromLatin1(*move.opening ? move.opening : move.state);
        w->liikuttaja->start();
        if (*move.opening) {
            w->liikuttaja_Timer();
            w->liikuttaja_Timer();
            w->liiketila = QString::fromLatin1(move.state);
        }
        const int from = twips::height(panel);

        for (int tick = 1; tick <= move.steps; ++tick) {
            w->liikuttaja_Timer();
            QCOMPARE(twips::height(panel), std::max(0, from + move.step * tick));
            QCOMPARE(twips::top(panel) + twips::height(panel), bottom);
            QCOMPARE(twips::height(w->Laina), move.list ? 2700 - twips::height(panel) : listBefore);
            QVERIFY(Saldori::shown(panel) && w->liikuttaja->isEnabled());
        }
        w->liikuttaja_Timer();
        QCOMPARE(twips::top(panel), move.endTop);
        QCOMPARE(twips::height(panel), move.endHeight);
        QCOMPARE(Saldori::shown(panel), move.endHeight > 0);
        for (int tick = move.steps + 2; tick <= move.ticks; ++tick) {
            QVERIFY(w->liikuttaja->isEnabled());
            w->liikuttaja_Timer();
        }
        const bool checksForUpdate = move.state == QByteArrayView("webupdate");
        QCOMPARE(w->liikuttaja->isEnabled(), checksForUpdate);
        QVERIFY(!other || Saldori::shown(other));
        QCOMPARE(twips::height(w->Laina), move.list ? move.list : listBefore);
        const QStringList wholeMenu{"Apua",    "LLaina", "LLainaaja", "Lopeta",
                                    "Muokkaa", "PLaina", "PLainaaja"};
        QCOMPARE(enabledMenuLabels(*w),
                 enabled.contains("menu") ? wholeMenu : QStringList{"Lopeta"});
        const bool lists = enabled.contains("lists");
        QCOMPARE((QList<bool>{w->Laina->isEnabled(), w->Lainaaja->isEnabled()}),
                 (QList<bool>{lists, lists}));
        if (checksForUpdate)
            QCOMPARE(w->tila->text(), QStringLiteral("Tarkistetaan päivitys tarvetta..."));
        QCOMPARE(dialogs.shown.size(), checksForUpdate ? 2 : 0);
    }

    void unknownStateStopsBeforeTellingOnce_data() {
        QTest::addColumn<QString>("state");
        QTest::newRow("empty") << QString();
        QTest::newRow("deletion marker") << "ohno";
        QTest::newRow("another case") << "LLAINAAJA";
    }

    void unknownStateStopsBeforeTellingOnce() {
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

QTEST_MAIN(TransitionsTest)
#include "tst_transitions.moc"
