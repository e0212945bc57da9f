#include "support/Harness.h"
#include "ui/Twips.h"

struct RecordingOpener final : AddressOpener {
    void open(const QUrl& address) override { opened << address.toString(); }
    QStringList opened;
};

// Steps (an action, the hint it brings); after them, a file, the records it holds, the borrowers.
using Walk = std::tuple<QList<std::pair<QString, QString>>, QString, QStringList, QStringList>;

// The screens of help are compared with their pictures in tst_screens; here the paths through it.
class HelpTest : public WindowTestCase {
    Q_OBJECT

    // Settles, then clicks a name or picks or ticks "box>entry"; other text is keys, typed at once.
    void act(const QStringList& actions) {
        for (const QString& action : actions) {
            auto* control = w->findChild<QWidget*>(action.section(u'>', 0, 0));
            if (control)
                settleAll(*w);
            if (auto* combo = qobject_cast<QComboBox*>(control); combo)
                pickFromList(combo, action.section(u'>', 1));
            else if (auto* list = qobject_cast<QListWidget*>(control))
                tickEntry(list, action.section(u'>', 1));
            else if (control)
                click(control);
            else
                QTest::keyClicks(QApplication::focusWidget(), action);
        }
    }

    // The help timer's ticks until the hint line stops, where it and its button end.
    QList<int> slide() {
        return {settleAll(*w), twips::left(w->ohjeteksti), twips::left(w->takaisin2)};
    }

  private slots:
    void walkthrough_data() {
        QTest::addColumn<Walk>("row");
        // clang-format off
        QTest::newRow("add borrower") << Walk{{{"ohjellainaaja", hint::kClickAddBorrower}, {"LLainaaja", hint::kTypeName}, {"Maija", hint::kClickAdd}, {"OK", hint::kChooseBorrowerTypeLoan}}, "nimet.kdx", {"Aino", "Pekka", "Maija"}, {"Aino", "Pekka", "Maija"}};
        QTest::newRow("add borrower, left early") << Walk{{{"ohjellainaaja", hint::kClickAddBorrower}, {"LLainaaja", hint::kTypeName}}, "nimet.kdx", {"Aino", "Pekka"}, {"Aino", "Pekka"}};
        QTest::newRow("add loan") << Walk{{{"ohjellaina", hint::kClickAddLoan}, {"LLaina", hint::kChooseBorrowerTypeLoan}, {"sakset", hint::kClickAdd}, {"Lainaaja1>Pekka", hint::kClickAdd}, {"OK1", hint::kLoanSaved}}, "Pekka.kdx", {"sakset"}, {"Aino", "Pekka"}};
        QTest::newRow("add loan, left early") << Walk{{{"ohjellaina", hint::kClickAddLoan}, {"LLaina", hint::kChooseBorrowerTypeLoan}}, "Pekka.kdx", {}, {"Aino", "Pekka"}};
        QTest::newRow("delete borrower") << Walk{{{"ohjeplainaaja", hint::kChooseBorrower}, {"Lainaaja>Pekka", hint::kClickDeleteBorrower}, {"PLainaaja", hint::kBorrowerDeleted}}, "nimet.kdx", {"Aino"}, {"Aino"}};
        QTest::newRow("delete loan") << Walk{{{"ohjeplaina", hint::kChooseBorrower}, {"Lainaaja>Aino", hint::kTickLoans}, {"Laina>levy", hint::kClickDeleteLoan}, {"PLaina", hint::kLoansDeleted}}, "Aino.kdx", {"kirja"}, {"Aino", "Pekka"}};
        // clang-format on
    }

    void walkthrough() {
        const auto& [steps, file, stored, borrowers] = fetch<Walk>();
        writeRecordFile("nimet.kdx", {"Aino", "Pekka"}, 100);
        writeRecordFile("Aino.kdx", {"kirja", "levy"}, 30);
        writeRecordFile("Pekka.kdx", {}, 30);
        reopen();
        act({"Apua", "Ohjeet", steps[0].first});
        QCOMPARE(w->ohjeteksti->text(), steps[0].second);
        QCOMPARE(slide() << enabledMenuLabels(*w).size(), (QList<int>{15, 80, 200, 2}));
        for (const auto& [action, hint] : steps.mid(1)) {
            act({action});
            QVERIFY2(w->ohjeteksti->text() == hint, qPrintable(action));
        }
        act({"takaisin2"});
        QCOMPARE(w->ohjeteksti->text(), hint::kLeaveButton);
        QCOMPARE(slide(), (QList<int>{15, -1320, -1200}));
        for (const QWidget* gone : QWidgetList{w->ohjeteksti, w->takaisin2, w->Add, w->Add1})
            QVERIFY(!Saldori::shown(gone));
        for (const QLabel* label : w->findChildren<MenuLabel*>())
            QVERIFY(label->isEnabled() && !label->font().underline());
        QVERIFY(w->Lainaaja->isEnabled() && w->Laina->isEnabled() && dialogs.shown.isEmpty());
        QCOMPARE(entries(w->Lainaaja), borrowers);
        QCOMPARE(recordsIn(file), records(stored, file == "nimet.kdx" ? 100 : 30));
    }

    // With nobody in the register, three topics only say so; leaving help reads the register anew.
    void topicsNeedABorrower() {
        act({"Apua", "Ohjeet", "ohjellaina", "ohjeplainaaja", "ohjeplaina"});
        QCOMPARE(dialogs.shown, QList<Message>(3, msg::kAddBorrowerFirst));
        QVERIFY(!Saldori::shown(w->ohjeteksti) && enabledMenuLabels(*w).size() == 1);
        writeRecordFile("nimet.kdx", {"Aino"}, 100);
        act({"Command1"});
        settleAll(*w);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        settleAll(*w);
        QCOMPARE(entries(w->Lainaaja) << w->Lainaaja->currentText(),
                 (QStringList{"Aino", ui_text::kPrompt}));
        QCOMPARE(enabledMenuLabels(*w).size(), 7);
    }

    void aboutLinksKeepThePanelOpen() {
        RecordingOpener opener;
        w->useAddressOpener(opener);
        act({"Apua", "Tieto", "Koti", "SPosti"});
        QCOMPARE(opener.opened, (QStringList{SALDORI_HOME_PAGE, "mailto:" SALDORI_EMAIL}));
        QVERIFY(Saldori::shown(w->Tietoa) && !w->liikuttaja->isEnabled());
    }
};

QTEST_MAIN(HelpTest)
#include "tst_help.moc"
