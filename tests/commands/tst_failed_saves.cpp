#include "support/Harness.h"

#include <functional>

// A save that fails says so, changes no file and leaves nothing behind that a retry would trip
// over; guided help does not tell the user the loan is stored.
class FailedSavesTest : public WindowTestCase {
    Q_OBJECT

  private slots:
    void failedSave_data() {
        QTest::addColumn<std::function<void(Saldori&)>>("act");
        QTest::addColumn<QString>("failedFile");
        QTest::addColumn<QStringList>("listed"); // the loan list afterwards
        using L = QStringList;
        // clang-format off
        QTest::newRow("new borrower") << std::function([](Saldori& w) { click(w.LLainaaja); retype(w.Uusi, "Liisa"); click(w.OK); }) << "Liisa.kdx" << L{};
        QTest::newRow("loan")         << std::function([](Saldori& w) { click(w.LLaina); pickFromList(w.Lainaaja1, "Aino"); retype(w.LainaLisaa, "d"); click(w.OK1); }) << "Aino.kdx" << L{};
        QTest::newRow("edit")         << std::function([](Saldori& w) { click(w.Muokkaa); clickEntry(w.Laina, "a"); retype(w.Mtlaina, "d"); click(w.Tallenna); }) << "Aino.kdx" << L{"a", "b", "c"};
        QTest::newRow("one loan")     << std::function([](Saldori& w) { tickEntry(w.Laina, "b"); click(w.PLaina); }) << "Aino.kdx" << L{"a", "b", "c"};
        // After a failed save the file still holds the loans, so nobody is offered for deletion.
        QTest::newRow("all loans")    << std::function([](Saldori& w) { for (auto l : {"a", "b", "c"}) tickEntry(w.Laina, l); click(w.PLaina); }) << "Aino.kdx" << L{"a", "b", "c"};
        QTest::newRow("borrower")     << std::function([](Saldori& w) { click(w.PLainaaja); }) << "nimet.kdx" << L{};
        // clang-format on
    }

    void failedSave() {
        QFETCH(std::function<void(Saldori&)>, act);
        QFETCH(QString, failedFile);
        QFETCH(QStringList, listed);
        writeRecordFile("nimet.kdx", {"Aino", "", "Pekka"}, 100);
        writeRecordFile("Aino.kdx", {"a", "b", "c"}, 30);
        writeRecordFile("Pekka.kdx", {}, 30);
        reopen();
        w->ohjeteksti->show(); // guided help
        pickFromList(w->Lainaaja, "Aino");
        const auto before = snapshotWorkDir();
        {
            const FailingWrites diskFull;
            act(*w);
        }
        QCOMPARE(dialogs.shown, QList<Message>{msg::saveFailed(failedFile)});
        QCOMPARE(snapshotWorkDir(), before);
        QCOMPARE(entries(w->Laina), listed);
        const QStringList doneHints = {hint::kLoanSaved, hint::kLoansDeleted,
                                       hint::kBorrowerDeleted};
        QVERIFY(!doneHints.contains(w->ohjeteksti->text()));
    }

    // A folder stands where the new borrower's loan file would go.
    void borrowerWithoutLoanFileIsUndone() {
        writeRecordFile("nimet.kdx", {"Aino"}, 100);
        click(w->LLainaaja);
        retype(w->Uusi, "Liisa");
        QVERIFY(QDir().mkdir("Liisa.kdx"));
        click(w->OK);
        QVERIFY(QDir().rmdir("Liisa.kdx"));
        QCOMPARE(dialogs.shown, QList<Message>{msg::unreadableFile("Liisa.kdx")});
        QCOMPARE(recordsIn("nimet.kdx"), records({"Aino"}, 100));
        QVERIFY(w->Add1->isHidden());
        // Nothing of the failed attempt is left in memory to make the retry a duplicate.
        click(w->OK);
        QCOMPARE(dialogs.shown.size(), 1);
        QCOMPARE(recordsIn("nimet.kdx"), records({"Aino", "Liisa"}, 100));
        QCOMPARE(recordsIn("Liisa.kdx"), records({}, 30));
    }
};

QTEST_MAIN(FailedSavesTest)
#include "tst_failed_saves.moc"
