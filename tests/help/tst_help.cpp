#include "ledger/LoanFile.h"
#include "platform/Addresses.h"
#include "support/Input.h"
#include "ui/Colours.h"
#include "ui/Hints.h"
#include "ui/MenuLabel.h"
#include "ui/Messages.h"
#include "ui/Twips.h"

#include <QGroupBox>
#include <QPushButton>
#include <QUrl>

using ledger::kRegisterFile;
using Geometry = QList<int>; // left, top, height

struct RecordingOpener final : AddressOpener {
    void open(const QUrl& address) override { opened << address.toString(); }
    QStringList opened;
};

// Each step is what the user does and the hint that follows; after the last the user leaves
// with "<<". `file` then holds `records`, and the main list shows `borrowers`.
struct Walk {
    QList<std::pair<QString, QString>> steps;
    QString file;
    QStringList records, borrowers;
};

// The help timer in `state`, after `before` has run to its end, takes `ticks` in all.
struct HelpMove {
    QString before, state, control;
    int ticks;
    Geometry lastMove, end;
};
Q_DECLARE_METATYPE(Walk)
Q_DECLARE_METATYPE(HelpMove)

Geometry geometry(const QWidget* control) {
    return {twips::left(control), twips::top(control), twips::height(control)};
}

// The help menu, the help topics with their guided walkthroughs, and the About panel.
class HelpTest : public WindowTestCase {
    Q_OBJECT

    // Each a control's name to click, "box>entry" to pick or tick an entry, or keys to type
    // where the focus is; everything settles before a click or a pick, not before typing.
    void act(const QStringList& actions) {
        for (const QString& action : actions) {
            const QStringList pick = action.split(u'>');
            auto* control = w->findChild<QWidget*>(pick[0]);
            if (control)
                settle(*w);
            if (auto* combo = qobject_cast<QComboBox*>(control); combo && pick.size() == 2)
                pickFromList(combo, pick[1]);
            else if (auto* list = qobject_cast<QListWidget*>(control))
                tickEntry(list, pick[1]);
            else if (control)
                click(control);
            else
                QTest::keyClicks(
                    QApplication::focusWidget() ? QApplication::focusWidget() : w.get(), action);
        }
    }

  private slots:
    void walkthrough_data() {
        QTest::addColumn<Walk>("walk");
        const QStringList both = {"Aino", "Pekka"};
        // clang-format off
        QTest::newRow("add borrower") << Walk{{{"ohjellainaaja", hint::kClickAddBorrower}, {"LLainaaja", hint::kTypeName},
            {"Maija", hint::kClickAdd}, {"OK", hint::kChooseBorrowerTypeLoan}}, kRegisterFile, {"Aino", "Pekka", "Maija"}, {"Aino", "Pekka", "Maija"}};
        QTest::newRow("add borrower, left early") << Walk{{{"ohjellainaaja", hint::kClickAddBorrower}, {"LLainaaja", hint::kTypeName}},
            kRegisterFile, both, both};
        QTest::newRow("add loan") << Walk{{{"ohjellaina", hint::kClickAddLoan}, {"LLaina", hint::kChooseBorrowerTypeLoan},
            {"sakset", hint::kClickAdd}, {"Lainaaja1>Pekka", hint::kClickAdd}, {"OK1", hint::kLoanSaved}}, "Pekka.kdx", {"sakset"}, both};
        QTest::newRow("delete borrower") << Walk{{{"ohjeplainaaja", hint::kChooseBorrower},
            {"Lainaaja>Pekka", hint::kClickDeleteBorrower}, {"PLainaaja", hint::kBorrowerDeleted}}, kRegisterFile, {"Aino"}, {"Aino"}};
        QTest::newRow("delete loan") << Walk{{{"ohjeplaina", hint::kChooseBorrower}, {"Lainaaja>Aino", hint::kTickLoans},
            {"Laina>levy", hint::kClickDeleteLoan}, {"PLaina", hint::kLoansDeleted}}, "Aino.kdx", {"kirja"}, both};
        // clang-format on
    }

    void walkthrough() {
        QFETCH(Walk, walk);
        writeRecordFile(kRegisterFile, {"Aino", "Pekka"}, 100);
        writeRecordFile("Aino.kdx", {"kirja", "levy"}, 30);
        writeRecordFile("Pekka.kdx", {}, 30);
        reopen();
        act({"Apua", "Ohjeet"});
        for (const auto& [action, hint] : walk.steps) {
            act({action});
            QVERIFY2(w->ohjeteksti->text() == hint, qPrintable(action));
        }
        // Only "Poistu" and the underlined label of the task respond.
        QStringList responding{"Lopeta"};
        for (const QLabel* label : w->findChildren<MenuLabel*>())
            responding << (label->font().underline() ? label->objectName() : QString());
        responding.removeAll(QString());
        responding.sort();
        QCOMPARE(enabledMenuLabels(*w), responding);
        QCOMPARE(responding.size(), 2);
        act({"takaisin2"});
        QCOMPARE(w->ohjeteksti->text(), hint::kLeaveButton);
        settle(*w);
        for (const QWidget* gone : QWidgetList{w->ohjeteksti, w->takaisin2, w->Add, w->Add1})
            QVERIFY(!Saldori::shown(gone));
        QCOMPARE(enabledMenuLabels(*w).size(), 7);
        for (const QLabel* label : w->findChildren<MenuLabel*>())
            QVERIFY(!label->font().underline());
        for (const QWidget* box : QWidgetList{w->Uusi, w->Lainaaja1, w->LainaLisaa})
            QCOMPARE(colours::background(box), colours::systemWindow());
        QVERIFY(w->Lainaaja->isEnabled() && w->Laina->isEnabled() && dialogs.shown.isEmpty());
        QCOMPARE(entries(w->Lainaaja), walk.borrowers);
        const int slotCount = walk.file == kRegisterFile ? 100 : 30;
        QCOMPARE(recordLines(walk.file), expectedRecords(walk.records, slotCount));
        QCOMPARE(exists("Pekka.kdx"), walk.borrowers.contains("Pekka"));
    }

    void helpTimer_data() {
        QTest::addColumn<HelpMove>("move");
        // clang-format off
        const HelpMove moves[] = {
            {"",        "ohje",           "Ohje",       10, {1680, 2220, 915},    {1680, 2280, 855}},
            {"ohje",    "ohjetakaisin",   "Ohje",       9,  {1680, 3080, 55},     {1680, 3120, 0}},
            {"",        "piilota",        "ohjeteksti", 15, {80, 1440, 1335},     {80, 1440, 1335}},
            {"piilota", "näytä",          "ohjeteksti", 15, {-1320, 1440, 1335},  {-1320, 1440, 1335}},
            {"",        "tietoa",         "Tietoa",     15, {1680, 1720, 1415},   {1680, 1680, 1455}},
            {"tietoa",  "tietoatakaisin", "Tietoa",     15, {1680, 3080, 55},     {1680, 3120, 0}},
            {"",        "Ohje",           "Ohje",       1,  {1680, 3120, 15},     {1680, 3120, 15}},
        };
        // clang-format on
        for (const HelpMove& move : moves)
            QTest::newRow(qPrintable(move.state)) << move;
    }

    void helpTimer() {
        QFETCH(HelpMove, move);
        QWidget* moved = w->findChild<QWidget*>(move.control);
        moved->show();
        for (const QString& state : {move.before, move.state}) {
            settle(*w);
            w->ohjetila = state;
            w->ohjeliikuttaja->setEnabled(!state.isEmpty());
        }
        for (int tick = 1; tick < move.ticks; ++tick)
            w->ohjeliikuttaja_Timer();
        QCOMPARE(geometry(moved), move.lastMove);
        w->ohjeliikuttaja_Timer();
        QCOMPARE(geometry(moved), move.end);
        QVERIFY(!w->ohjeliikuttaja->isEnabled());
        QCOMPARE(Saldori::shown(moved), move.before.isEmpty());
        QCOMPARE(twips::left(w->takaisin2) - twips::left(w->ohjeteksti), 120);
        QCOMPARE(w->Ajastin->isEnabled(), move.state == "tietoa");
        QCOMPARE(twips::height(w->Laina), move.state == "tietoatakaisin" ? 2700 - 15 : 2610);
        QCOMPARE(dialogs.shown.size(), int(move.state == "Ohje"));
    }

    // Heights of the help menu, the topics, the About panel and the loan list at the end; the
    // register read again only on the way back to the main screen.
    void helpScreens_data() {
        QTest::addColumn<QStringList>("actions");
        QTest::addColumn<Geometry>("heights");
        QTest::addColumn<bool>("backToMain");
        // clang-format off
        QTest::newRow("Ohjeet")     << QStringList{"Ohjeet"}             << Geometry{0, 855, 15, 2700}  << false;
        QTest::newRow("topics' <<") << QStringList{"Ohjeet", "Command1"} << Geometry{1095, 0, 15, 1500} << false;
        // The help timer ends last and sizes the list from the help menu.
        QTest::newRow("Selvä")      << QStringList{"Tieto", "OK2"}       << Geometry{1095, 15, 0, 1605} << false;
        QTest::newRow("Takaisin")   << QStringList{"takaisin"}           << Geometry{0, 15, 15, 2700}   << true;
        QTest::newRow("Escape")     << QStringList{"\x1b"}               << Geometry{0, 15, 15, 2700}   << true;
        QTest::newRow("Escape as the About panel opens") << QStringList{"Tieto", "\x1b"} << Geometry{0, 15, 1455, 2700} << false;
        // The topics need a borrower, and the register read at start held none.
        for (const char* topic : {"ohjellaina", "ohjeplainaaja", "ohjeplaina"})
            QTest::newRow(topic) << QStringList{"Ohjeet", topic} << Geometry{0, 855, 15, 2700} << false;
        // clang-format on
    }

    void helpScreens() {
        QFETCH(QStringList, actions);
        QFETCH(Geometry, heights);
        QFETCH(bool, backToMain);
        act({"Apua"});
        settle(*w);
        writeRecordFile(kRegisterFile, {"Aino"}, 100);
        act(actions);
        settle(*w);
        const QWidgetList panels = {w->apu, w->Ohje, w->Tietoa, w->Laina};
        for (int i = 0; i < panels.size(); ++i)
            QCOMPARE(twips::height(panels[i]), heights[i]);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(Saldori::shown(panels[i]), heights[i] > 15);
        QCOMPARE(enabledMenuLabels(*w).size(), backToMain ? 7 : 1);
        QCOMPARE(entries(w->Lainaaja), QStringList{backToMain ? "Aino" : ui_text::kNoBorrowers});
        QCOMPARE(w->Lainaaja->currentText(), ui_text::kPrompt);
        const bool refused = actions.last().startsWith("ohje");
        QCOMPARE(dialogs.shown,
                 refused ? QList<Message>{msg::kAddBorrowerFirst} : QList<Message>{});
        QVERIFY(!Saldori::shown(w->ohjeteksti));
    }

    void aboutPanel() {
        RecordingOpener opener;
        w->useAddressOpener(opener);
        act({"Apua", "Tieto"});
        QCOMPARE(w->Versio1->text(),
                 "Versio " QT_STRINGIFY(SALDORI_VERSION_MAJOR) "." QT_STRINGIFY(
                     SALDORI_VERSION_MINOR) "." QT_STRINGIFY(SALDORI_VERSION_PATCH));
        for (int tick = 0; tick < 15; ++tick) {
            QVERIFY(!w->Ajastin->isEnabled());
            w->ohjeliikuttaja_Timer();
        }
        for (int tick = 0; tick < 5; ++tick)
            w->Ajastin_Timer();
        QVERIFY(w->Ajastin->isEnabled() && twips::left(w->Ikoni) == -480 + 5 * 15);
        // Closed before the contents arrive, they go on into place out of sight.
        click(w->OK2);
        settle(*w);
        QVERIFY(!Saldori::shown(w->Tietoa) && twips::left(w->Ikoni) == 50);
        act({"Tieto"});
        QCOMPARE(geometry(w->Koti), (Geometry{50, 840, 255}));
        act({"Koti", "SPosti"});
        QCOMPARE(opener.opened, (QStringList{SALDORI_HOME_PAGE, "mailto:" SALDORI_EMAIL}));
        QCOMPARE(w->Koti->text(), QStringLiteral(SALDORI_HOME_PAGE));
        QVERIFY(Saldori::shown(w->Tietoa) && !w->liikuttaja->isEnabled());
        for (const QLabel* link : {w->Koti, w->SPosti})
            QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
    }
};

QTEST_MAIN(HelpTest)
#include "tst_help.moc"
