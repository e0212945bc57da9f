#include "support/Harness.h"

#include <QRegularExpression>

namespace {

const QStringList kNames = {"Aino", "", "Pekka", "Ville"};

// Aino's loans as given, Pekka none, Ville one.
void writeLedger(const QStringList& ainoLoans) {
    writeRecordFile("nimet.kdx", kNames, 100);
    writeRecordFile("Aino.kdx", ainoLoans, 30);
    writeRecordFile("Pekka.kdx", {}, 30);
    writeRecordFile("Ville.kdx", {"sateenvarjo"}, 30);
}

} // namespace

// Deleting ticked loans, and deleting a borrower with all their loans.
class DeleteTest : public WindowTestCase {
    Q_OBJECT

    void openOn(const QStringList& ainoLoans, const QString& picked, const QStringList& ticked) {
        writeLedger(ainoLoans);
        reopen();
        if (!picked.isEmpty())
            pickFromList(w->Lainaaja, picked);
        for (const QString& loan : ticked)
            tickEntry(w->Laina, loan);
    }

  private slots:
    void deleteLoans_data() {
        QTest::addColumn<QStringList>("loans"); // Aino's
        QTest::addColumn<QStringList>("ticked");
        QTest::addColumn<Answer>("answer");         // to the offer to delete Aino
        QTest::addColumn<QStringList>("remaining"); // Aino's loans after; none: Aino is gone
        using L = QStringList;
        // clang-format off
        QTest::newRow("two of five")      << L{"a", "b", "c", "d", "e"}   << L{"b", "d"} << Answer::Ok     << L{"a", "c", "e"};
        QTest::newRow("adjacent, last")   << L{"a", "b", "c"}             << L{"b", "c"} << Answer::Ok     << L{"a"};
        QTest::newRow("none, gaps close") << L{"a", "", "c", "", "", "f"} << L{}         << Answer::Ok     << L{"a", "c", "f"};
        QTest::newRow("all, Aino kept")   << L{"a", "", "b"}              << L{"a", "b"} << Answer::Cancel << L{ui_text::kNoLoans};
        QTest::newRow("all, Aino gone")   << L{"a", "", "b"}              << L{"a", "b"} << Answer::Ok     << L{};
        // clang-format on
    }

    void deleteLoans() {
        QFETCH(QStringList, loans);
        QFETCH(QStringList, ticked);
        QFETCH(Answer, answer);
        QFETCH(QStringList, remaining);
        openOn(loans, "Aino", ticked);
        dialogs.answers.enqueue(answer);

        click(w->PLaina);

        const Message question{"Lainaajalla Aino ei ole enää lainoja. Haluatko poistaa kyseisen "
                               "lainaajan listalta?",
                               Icon::Question, Buttons::OkCancel};
        const bool allGone = ticked.size() == loans.size() - loans.count("");
        QCOMPARE(dialogs.shown, allGone ? QList<Message>{question} : QList<Message>());
        QCOMPARE(entries(w->Laina), remaining);
        remaining.removeAll(ui_text::kNoLoans);
        const bool ainoGone = allGone && answer == Answer::Ok;
        QCOMPARE(recordsIn("Aino.kdx"), ainoGone ? QByteArray("<none>") : records(remaining, 30));
        const QStringList names = ainoGone ? QStringList{"", "", "Pekka", "Ville"} : kNames;
        QCOMPARE(recordsIn("nimet.kdx"), records(names, 100));
        QCOMPARE(entries(w->Lainaaja), QStringList(names).filter(QRegularExpression(".")));
        QCOMPARE(w->Lainaaja->currentText(), ainoGone ? ui_text::kPrompt : "Aino");
        QCOMPARE(recordsIn("Ville.kdx"), records({"sateenvarjo"}, 30));
    }

    void deleteBorrower_data() {
        QTest::addColumn<QString>("picked");
        QTest::addColumn<QString>("then");       // before the click on "Poista lainaaja"
        QTest::addColumn<QStringList>("stored"); // the register after
        QTest::addColumn<QList<Message>>("shown");
        using L = QStringList;
        const QList<Message> none;
        // clang-format off
        QTest::newRow("Pekka")                << "Pekka" << ""             << L{"Aino", "", "", "Ville"}  << none;
        // Typed names are no pick, whether Enter or Tab ends them.
        QTest::newRow("typed after the pick") << "Ville" << "type names"   << L{"Aino", "", "Pekka"}      << none;
        QTest::newRow("nobody chosen")        << ""      << ""             << kNames                      << QList<Message>{msg::kChooseBorrower};
        QTest::newRow("picked twice")         << "Aino"  << "delete first" << L{"", "", "Pekka", "Ville"} << QList<Message>{msg::kBorrowerMissing};
        QTest::newRow("double-click")         << "Aino"  << "double-click" << L{"", "", "Pekka", "Ville"} << none;
        // clang-format on
    }

    void deleteBorrower() {
        QFETCH(QString, picked);
        QFETCH(QString, then);
        QFETCH(QStringList, stored);
        QFETCH(QList<Message>, shown);
        openOn({"kirja"}, picked, {});
        if (then == "delete first") {
            click(w->PLainaaja);
            retype(w->Lainaaja->lineEdit(), "Pekka");
        } else if (then == "type names") {
            retype(w->Lainaaja->lineEdit(), "Pekka");
            QTest::keyClick(w->Lainaaja, Qt::Key_Return);
            retype(w->Lainaaja->lineEdit(), "Aino");
            QTest::keyClick(w->Lainaaja, Qt::Key_Tab);
        }

        if (then == "double-click") // through the window, which makes the second press one
            QTest::mouseDClick(w->windowHandle(), Qt::LeftButton, {},
                               w->PLainaaja->mapTo(w.get(), w->PLainaaja->rect().center()));
        else
            click(w->PLainaaja);

        QCOMPARE(dialogs.shown, shown);
        QCOMPARE(recordsIn("nimet.kdx"), records(stored, 100));
        QStringList listed;
        for (const QString& name : kNames) {
            if (name.isEmpty())
                continue;
            const bool kept = stored.contains(name);
            QCOMPARE(QFile::exists(name + ".kdx"), kept);
            if (kept)
                listed << name;
        }
        QCOMPARE(entries(w->Lainaaja), listed);
        QCOMPARE(w->Lainaaja->currentText(), ui_text::kPrompt);
    }

    void deleteLoansRefused_data() {
        QTest::addColumn<QString>("picked");
        QTest::addColumn<QString>("meanwhile");
        QTest::addColumn<Message>("expected");
        // clang-format off
        QTest::newRow("nobody chosen")  << ""      << ""                   << msg::kChooseAndTick;
        QTest::newRow("no loans")       << "Pekka" << ""                   << Message{"Lainaajalla Pekka ei ole lainoja."};
        QTest::newRow("borrower gone")  << "Aino"  << "drop from register" << msg::kChooseFromList;
        // Compacting a list that shows nobody's loans would empty the borrower's file.
        QTest::newRow("list cleared")   << "Aino"  << "clear the list"     << msg::kChooseFromList;
        // clang-format on
    }

    void deleteLoansRefused() {
        QFETCH(QString, picked);
        QFETCH(QString, meanwhile);
        QFETCH(Message, expected);
        openOn({"a", "b"}, picked, {});
        if (meanwhile == "drop from register")
            writeRecordFile("nimet.kdx", {"", "", "Pekka", "Ville"}, 100);
        if (meanwhile == "clear the list") // as the add-loans panel leaves it when it closes
            w->Laina->clear();
        const auto before = snapshotWorkDir();
        click(w->PLaina);
        QCOMPARE(dialogs.shown, QList<Message>{expected});
        QCOMPARE(snapshotWorkDir(), before);
    }
};

QTEST_MAIN(DeleteTest)
#include "tst_delete.moc"
