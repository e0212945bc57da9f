#include "support/Harness.h"
#include "ui/Hints.h"
#include "ui/MenuLabel.h"
#include "ui/Messages.h"

// Users' keys and clicks reach the loan and borrower they chose, and only what can be chosen
// again is stored.
class UserPathsTest : public WindowTestCase {
    Q_OBJECT

    // Aino (loans a, b, c) and Pekka are registered; Aino is picked and the command opened.
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
    // Focus alone selects nothing, so the edit is a new loan; keys that select, and Space, choose.
    void keyboardChoosesTheEditedLoan_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("focus only") << 0 << "";
        QTest::newRow("Down") << int(Qt::Key_Down) << "b";
        QTest::newRow("End") << int(Qt::Key_End) << "c";
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
        QCOMPARE(recordsIn("Aino.kdx"), records(saved, 30));
    }

    // Pekka typed over the picked Aino, then Enter, Tab and a click elsewhere: Aino is deleted.
    void typedNameIsNoPick() {
        openOnAino();
        retype(w->Lainaaja->lineEdit(), "Pekka");
        QTest::keyClick(w->Lainaaja, Qt::Key_Return);
        QTest::keyClick(w->Lainaaja, Qt::Key_Tab);
        retype(w->Lainaaja->lineEdit(), "Pekka");
        clickEntry(w->Laina, "a");
        click(w->PLainaaja);
        QCOMPARE(recordsIn("nimet.kdx"), records({"", "Pekka"}, 100));
    }

    // A second run would find nobody chosen and say so.
    void doubleClickRunsOnce() {
        openOnAino();
        // Through the window, which makes the second press the double-click event.
        QTest::mouseDClick(w->windowHandle(), Qt::LeftButton, {},
                           w->PLainaaja->mapTo(w.get(), w->PLainaaja->rect().center()));
        settle(*w);
        QVERIFY(dialogs.shown.isEmpty());
        QCOMPARE(recordsIn("nimet.kdx"), records({"", "Pekka"}, 100));
    }

    // Texts that stand for "nothing chosen", and names too long for the save's temporary name.
    void textsRefusedAtOnce_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("refused");
        QTest::newRow("the prompt") << "LLainaaja"
                                    << "Uusi" << ui_text::kPrompt << true;
        QTest::newRow("no borrowers") << "LLainaaja"
                                      << "Uusi" << ui_text::kNoBorrowers << true;
        QTest::newRow("244 bytes") << "LLainaaja"
                                   << "Uusi" << QString(122, u'ä') << false;
        QTest::newRow("245 bytes") << "LLainaaja"
                                   << "Uusi" << QString(245, u'a') << true;
        QTest::newRow("no loans, added") << "LLaina"
                                         << "LainaLisaa" << ui_text::kNoLoans << true;
        QTest::newRow("no loans, edited") << "Muokkaa"
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
        QCOMPARE(QFile::exists(text + ".kdx"), !refused);
        QCOMPARE(recordsIn("Aino.kdx"), records({"a", "b", "c"}, 30));
    }

    // A register from elsewhere may name a borrower whose loans cannot be a file.
    void unsafeLoanFileIsNoSave() {
        writeRecordFile("nimet.kdx", {"../x"}, 100);
        reopen();
        pickFromList(w->Lainaaja, "../x");
        click(w->Muokkaa);
        settle(*w);
        typeAndEnter(w->Mtlaina, "laina");
        QCOMPARE(dialogs.shown, QList<Message>{msg::saveFailed("../x.kdx")});
        QCOMPARE(entries(w->Laina), QStringList{ui_text::kNoLoans});
    }

    void centredLabelsStartAtTheTop() {
        for (const QLabel* label : {w->CopyR, w->ohjeteksti, w->Label1, w->Label5, w->tila})
            QCOMPARE(label->alignment(), Qt::AlignHCenter | Qt::AlignTop);
    }
};

QTEST_MAIN(UserPathsTest)
#include "tst_user_paths.moc"
