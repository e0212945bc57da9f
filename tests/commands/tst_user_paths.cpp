#include "support/Harness.h"
#include "support/Input.h"
#include "ui/Hints.h"
#include "ui/MenuLabel.h"
#include "ui/Messages.h"

#include <QGroupBox>

// Users' ways with keys and clicks reach the loan and borrower they chose, and nothing else.
class UserPathsTest : public WindowTestCase {
    Q_OBJECT

    // Aino with loans a, b, c and Pekka are registered, Aino is picked and the command opened.
    void openOnAino(const QString& command = {}) {
        writeRecordFile("nimet.kdx", {"Aino", "Pekka"}, 100);
        writeRecordFile("Aino.kdx", {"a", "b", "c"}, 30);
        reopen();
        pickFromList(w->Lainaaja, "Aino");
        if (!command.isEmpty())
            click(w->findChild<MenuLabel*>(command));
        settle(*w);
    }

  private slots:
    // Tabbing into the list selects nothing; keys that select, and a tick by Space, choose.
    void keyboardChoosesTheEditedLoan_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("chosen"); // empty: a new loan in the first free slot
        QTest::newRow("focus only") << 0 << "";
        QTest::newRow("Down") << int(Qt::Key_Down) << "b";
        QTest::newRow("End") << int(Qt::Key_End) << "c";
        QTest::newRow("Page Down") << int(Qt::Key_PageDown) << "c";
        QTest::newRow("Space ticks") << int(Qt::Key_Space) << "a";
    }

    void keyboardChoosesTheEditedLoan() {
        QFETCH(int, key);
        QFETCH(QString, chosen);
        openOnAino("Muokkaa");
        QTest::keyClick(w->Mtlaina, Qt::Key_Backtab);
        if (key)
            QTest::keyClick(w->Laina, Qt::Key(key));
        QCOMPARE(w->Mtlaina->text(), chosen);
        QTest::keyClick(w->Laina, Qt::Key_Tab);
        typeAndEnter(w->Mtlaina, "uusi");
        QStringList saved = {"a", "b", "c"};
        chosen.isEmpty() ? saved.append("uusi") : saved.replace(saved.indexOf(chosen), "uusi");
        QCOMPARE(recordLines("Aino.kdx"), expectedRecords(saved, 30));
    }

    // Typing Pekka over the picked Aino and leaving the box picks nobody: Aino is deleted.
    void typedNameIsNoPick_data() {
        QTest::addColumn<int>("key"); // 0: a click on the list
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Tab") << int(Qt::Key_Tab);
        QTest::newRow("click elsewhere") << 0;
    }

    void typedNameIsNoPick() {
        QFETCH(int, key);
        openOnAino();
        retype(w->Lainaaja, "Pekka");
        key ? QTest::keyClick(w->Lainaaja, Qt::Key(key)) : clickEntry(w->Laina, "a");
        click(w->PLainaaja);
        QCOMPARE(recordLines("nimet.kdx"), expectedRecords({"", "Pekka"}, 100));
        QVERIFY(!exists("Aino.kdx") && dialogs.shown.isEmpty());
    }

    void doubleClickRunsOnce_data() {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("shown"); // what that box shows afterwards
        QTest::newRow("Poista lainaaja") << "PLainaaja"
                                         << "Lainaaja" << ui_text::kPrompt;
        QTest::newRow("Lisää laina") << "LLaina"
                                     << "Lainaaja1"
                                     << "Aino";
    }

    void doubleClickRunsOnce() {
        QFETCH(QString, label);
        QFETCH(QString, box);
        QFETCH(QString, shown);
        openOnAino();
        // Through the window, which turns the second press into the double-click event.
        const auto* menuLabel = w->findChild<MenuLabel*>(label);
        QTest::mouseDClick(w->windowHandle(), Qt::LeftButton, {},
                           menuLabel->mapTo(w.get(), menuLabel->rect().center()));
        settle(*w);
        QVERIFY(dialogs.shown.isEmpty());
        QCOMPARE(w->findChild<QComboBox*>(box)->currentText(), shown);
    }

    // The texts that stand for "nothing chosen", and names whose save would need too long a
    // temporary name, are refused at once; the longest usable names are taken.
    void textsRefusedAtOnce_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("refused");
        const QString add = "LLainaaja";
        QTest::newRow("the prompt") << add << "Uusi" << ui_text::kPrompt << true;
        QTest::newRow("no borrowers") << add << "Uusi" << ui_text::kNoBorrowers << true;
        QTest::newRow("244 bytes") << add << "Uusi" << QString(244, u'a') << false;
        QTest::newRow("245 bytes") << add << "Uusi" << QString(245, u'a') << true;
        QTest::newRow("244 bytes of ä") << add << "Uusi" << QString(122, u'ä') << false;
        QTest::newRow("246 bytes of ä") << add << "Uusi" << QString(123, u'ä') << true;
        QTest::newRow("loan: no loans") << "LLaina"
                                        << "LainaLisaa" << ui_text::kNoLoans << true;
        QTest::newRow("edit: no loans") << "Muokkaa"
                                        << "Mtlaina" << ui_text::kNoLoans << true;
    }

    void textsRefusedAtOnce() {
        QFETCH(QString, command);
        QFETCH(QString, box);
        QFETCH(QString, text);
        QFETCH(bool, refused);
        openOnAino(command);
        typeAndEnter(w->findChild<QLineEdit*>(box), text);
        const Message refusal = box == "Uusi" ? msg::kUnusableName : msg::kUnstorableLoan;
        QCOMPARE(dialogs.shown, refused ? QList<Message>{refusal} : QList<Message>{});
        QCOMPARE(exists(text + ".kdx"), !refused);
        QCOMPARE(recordLines("Aino.kdx"), expectedRecords({"a", "b", "c"}, 30));
    }

    // A register from elsewhere may name a borrower whose loans cannot be a file of their own.
    void unsafeLoanFileIsNoSave_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("a path") << "../x";
        QTest::newRow("the register") << "nimet";
    }

    void unsafeLoanFileIsNoSave() {
        QFETCH(QString, name);
        writeRecordFile("nimet.kdx", {name}, 100);
        reopen();
        pickFromList(w->Lainaaja, name);
        click(w->Muokkaa);
        settle(*w);
        typeAndEnter(w->Mtlaina, "laina");
        QCOMPARE(dialogs.shown, QList<Message>{msg::saveFailed(name + ".kdx")});
        QCOMPARE(entries(w->Laina), QStringList{ui_text::kNoLoans});
        QCOMPARE(recordLines("nimet.kdx"), expectedRecords({name}, 100));
    }

    void centredLabelsStartAtTheTop() {
        for (const QLabel* label : {w->CopyR, w->ohjeteksti, w->Label1, w->Label5, w->tila})
            QCOMPARE(label->alignment(), Qt::AlignHCenter | Qt::AlignTop);
    }
};

QTEST_MAIN(UserPathsTest)
#include "tst_user_paths.moc"
