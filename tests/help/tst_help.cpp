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

const QString kRegisterFile = QStringLiteral("nimet.kdx");

struct RecordingOpener final : AddressOpener {
    void open(const QUrl& address) override { opened << address.toString(); }
    QStringList opened;
};

// Steps: what the user does, the hint that follows. After "<<", `file` holds `records`.
struct Walk {
    QList<std::pair<QString, QString>> steps;
    QString file;
    QStringList records, borrowers;
};
Q_DECLARE_METATYPE(Walk)

// Lets every timer run out, the help timer last (its moves end last anyway); its tick count.
int settleAll(Saldori& w) {
    settle(w);
    int helpTicks = 0;
    for (; w.ohjeliikuttaja->isEnabled() && helpTicks < 100; ++helpTicks)
        w.ohjeliikuttaja_Timer();
    for (int tick = 0; w.Ajastin->isEnabled() && tick < 100; ++tick)
        w.Ajastin_Timer();
    return helpTicks;
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
                settleAll(*w);
            if (auto* combo = qobject_cast<QComboBox*>(control); combo && pick.size() == 2)
                pickFromList(combo, pick[1]);
            else if (auto* list = qobject_cast<QListWidget*>(control))
                tickEntry(list, pick[1]);
            else if (control)
                click(control);
            else
                QTest::keyClicks(QApplication::focusWidget(), action);
        }
    }

    QList<int> hintLine() const { return {twips::left(w->ohjeteksti), twips::left(w->takaisin2)}; }

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
    }

    // After the last action: the help timer's ticks; the help menu's height and whether it is
    // shown; the topics' and the About panel's top and height; the loan list's height; how many
    // menu labels respond (all of them back on the main screen, with the register read again).
    void helpScreens_data() {
        QTest::addColumn<QStringList>("actions");
        QTest::addColumn<QList<int>>("ends");
        using L = QList<int>;
        using S = QStringList;
        QTest::newRow("Ohjeet")     << S{"Ohjeet"}             << L{10, 0, 0, 2280, 855, 3120, 15, 2700, 1};
        QTest::newRow("topics' <<") << S{"Ohjeet", "Command1"} << L{9, 1095, 1, 3120, 0, 3120, 15, 1500, 1};
        QTest::newRow("Tietoa")     << S{"Tieto"}              << L{15, 0, 0, 3120, 15, 1680, 1455, 2700, 1};
        // The help timer ends last and sizes the list from the help menu.
        QTest::newRow("Selvä")      << S{"Tieto", "OK2"}       << L{15, 1095, 1, 3120, 15, 3120, 0, 1605, 1};
        QTest::newRow("Takaisin")   << S{"takaisin"}           << L{0, 0, 0, 3120, 15, 3120, 15, 2700, 7};
        QTest::newRow("Escape")     << S{"\x1b"}               << L{0, 0, 0, 3120, 15, 3120, 15, 2700, 7};
        QTest::newRow("Escape as the About panel opens") << S{"Tieto", "\x1b"} << L{15, 0, 0, 3120, 15, 1680, 1455, 2700, 1};
        // The register read at start held nobody.
        for (const char* topic : {"ohjellaina", "ohjeplainaaja", "ohjeplaina"})
            QTest::newRow(topic) << S{"Ohjeet", topic} << L{0, 0, 0, 2280, 855, 3120, 15, 2700, 1};
        // clang-format on
    }

    void walkthrough() {
        QFETCH(Walk, walk);
        writeRecordFile(kRegisterFile, {"Aino", "Pekka"}, 100);
        writeRecordFile("Aino.kdx", {"kirja", "levy"}, 30);
        writeRecordFile("Pekka.kdx", {}, 30);
        reopen();
        act({"Apua", "Ohjeet", walk.steps[0].first});
        QCOMPARE(w->ohjeteksti->text(), walk.steps[0].second);
        QCOMPARE(enabledMenuLabels(*w).size(),
                 2); // "Poistu" and the task's label, clicked next
        QCOMPARE(settleAll(*w), 15);
        QCOMPARE(hintLine(), (QList<int>{80, 200}));
        for (const auto& [action, hint] : walk.steps.mid(1)) {
            act({action});
            QVERIFY2(w->ohjeteksti->text() == hint, qPrintable(action));
        }
        act({"takaisin2"});
        QCOMPARE(w->ohjeteksti->text(), hint::kLeaveButton);
        QCOMPARE(settleAll(*w), 15);
        QCOMPARE(hintLine(), (QList<int>{-1320, -1200}));
        for (const QWidget* gone : QWidgetList{w->ohjeteksti, w->takaisin2, w->Add, w->Add1})
            QVERIFY(!Saldori::shown(gone));
        for (const QLabel* label : w->findChildren<MenuLabel*>())
            QVERIFY(label->isEnabled() && !label->font().underline());
        for (const QWidget* box : QWidgetList{w->Uusi, w->Lainaaja1, w->LainaLisaa})
            QCOMPARE(colours::background(box), colours::systemWindow());
        QVERIFY(w->Lainaaja->isEnabled() && w->Laina->isEnabled() && dialogs.shown.isEmpty());
        QCOMPARE(entries(w->Lainaaja), walk.borrowers);
        const int slotCount = walk.file == kRegisterFile ? 100 : 30;
        QCOMPARE(recordLines(walk.file), expectedRecords(walk.records, slotCount));
        QCOMPARE(exists("Pekka.kdx"), walk.borrowers.contains("Pekka"));
    }

    void helpScreens() {
        QFETCH(QStringList, actions);
        QFETCH(QList<int>, ends);
        act({"Apua"});
        settleAll(*w);
        writeRecordFile(kRegisterFile, {"Aino"}, 100);
        act(actions);
        QCOMPARE((QList<int>{settleAll(*w), twips::height(w->apu), Saldori::shown(w->apu),
                             twips::top(w->Ohje), twips::height(w->Ohje), twips::top(w->Tietoa),
                             twips::height(w->Tietoa), twips::height(w->Laina),
                             int(enabledMenuLabels(*w).size())}),
                 ends);
        const bool backToMain = ends.last() == 7;
        QCOMPARE(entries(w->Lainaaja), QStringList{backToMain ? "Aino" : ui_text::kNoBorrowers});
        QCOMPARE(dialogs.shown,
                 QList<Message>(actions.last().startsWith("ohje"), msg::kAddBorrowerFirst));
    }

    void aboutPanel() {
        RecordingOpener opener;
        w->useAddressOpener(opener);
        act({"Apua", "Tieto"});
        QCOMPARE(w->Versio1->text(),
                 "Versio " QT_STRINGIFY(SALDORI_VERSION_MAJOR) "." QT_STRINGIFY(
                     SALDORI_VERSION_MINOR) "." QT_STRINGIFY(SALDORI_VERSION_PATCH));
        while (w->ohjeliikuttaja->isEnabled())
            w->ohjeliikuttaja_Timer();
        // Closed as the contents start moving, they go on into place out of sight.
        click(w->OK2);
        settleAll(*w);
        QVERIFY(!Saldori::shown(w->Tietoa) && twips::left(w->Ikoni) == 50);
        act({"Tieto"});
        QCOMPARE(twips::left(w->Koti), 50);
        act({"Koti", "SPosti"});
        QCOMPARE(opener.opened, (QStringList{SALDORI_HOME_PAGE, "mailto:" SALDORI_EMAIL}));
        QVERIFY(Saldori::shown(w->Tietoa) && !w->liikuttaja->isEnabled());
        QCOMPARE(w->SPosti->cursor().shape(), Qt::PointingHandCursor);
    }
};

QTEST_MAIN(HelpTest)
#include "tst_help.moc"
