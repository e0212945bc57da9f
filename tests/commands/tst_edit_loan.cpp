#include "support/Harness.h"
#include "support/Input.h"
#include "ui/Hints.h"
#include "ui/MenuLabel.h"
#include "ui/Messages.h"

#include <QGroupBox>
#include <QPushButton>

namespace {

const QStringList kAinoLoans = {"kirja", "", "10,50 € maitoa", "\"lapio\" ja kuokka"};

QStringList ainoWith(int slot, const QString& loan) {
    QStringList loans = kAinoLoans;
    loans[slot] = loan;
    return loans;
}

QStringList shownLoans(QStringList slotValues) {
    slotValues.removeAll(QString());
    return slotValues;
}

} // namespace

class EditLoanTest : public WindowTestCase {
    Q_OBJECT

  private slots:
    void panelOpensAndCloses() {
        writeLedger();
        pickFromList(w->Lainaaja, "Aino");
        clickEntry(w->Laina, "kirja");
        QCOMPARE(w->Mtlaina->text(), QString());

        click(w->Muokkaa);
        settle(*w);

        QVERIFY(Saldori::shown(w->Muokkaus));
        QCOMPARE(w->Mtlaina->text(), QStringLiteral("kirja"));
        QCOMPARE(QApplication::focusWidget(), w->Mtlaina);
        QCOMPARE(enabledMenuLabels(*w), QStringList{"Lopeta"});
        clickEntry(w->Laina, kAinoLoans[3]);
        QCOMPARE(w->Mtlaina->text(), kAinoLoans[3]);
        tickEntry(w->Laina, "kirja");
        QCOMPARE(w->Mtlaina->text(), QStringLiteral("kirja"));

        click(w->Command3);
        settle(*w);

        QVERIFY(!Saldori::shown(w->Muokkaus));
        QCOMPARE(enabledMenuLabels(*w).size(), 7);
        QCOMPARE(recordLines("Aino.kdx"), expectedRecords(kAinoLoans, 30));
        QVERIFY(dialogs.shown.isEmpty());
    }

    void noBorrowersAtAll() {
        click(w->Muokkaa);
        settle(*w);
        QCOMPARE(dialogs.shown, QList<Message>{msg::kNoBorrowersToEdit});
        QVERIFY(!Saldori::shown(w->Muokkaus));
    }

    void savesInPlace_data() {
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("stored");
        // clang-format off
        QTest::newRow("letter case only")       << "kirja"       << "Kirja"          << ainoWith(0, "Kirja");
        QTest::newRow("middle loan, same slot") << kAinoLoans[2] << "12,00 € maitoa" << ainoWith(2, "12,00 € maitoa");
        QTest::newRow("outer blanks trimmed")   << "kirja"       << "  sanakirja  "  << ainoWith(0, "sanakirja");
        QTest::newRow("none selected, 1st gap") << ""            << "uusi"           << ainoWith(1, "uusi");
        // clang-format on
    }

    void savesInPlace() {
        QFETCH(QString, selected);
        QFETCH(QString, typed);
        QFETCH(QStringList, stored);
        openWith("Aino", selected);
        retype(w->Mtlaina, typed);

        QTest::keyClick(w->Mtlaina, Qt::Key_Return);

        QVERIFY(dialogs.shown.isEmpty());
        QCOMPARE(recordLines("Aino.kdx"), expectedRecords(stored, 30));
        QCOMPARE(entries(w->Laina), shownLoans(stored));
        QVERIFY(w->Laina->selectedItems().isEmpty());
        QCOMPARE(w->Mtlaina->text(), typed.trimmed());
        // The saved text is now on the list itself.
        click(w->Tallenna);
        QCOMPARE(dialogs.shown, QList<Message>{msg::kDuplicateEdit});
        QCOMPARE(recordLines("Aino.kdx"), expectedRecords(stored, 30));
    }

    void refusals_data() {
        QTest::addColumn<QString>("borrower");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QString>("typedBorrower");
        QTest::addColumn<QString>("edit");
        QTest::addColumn<Message>("expected");

        const QString none;
        const Message noLoans{
            "Lainaajalla Pekka ei ole lainoja, joten et voi niitä myöskään muokata."};
        // clang-format off
        QTest::newRow("no borrower chosen")   << none    << none             << none     << "uusi"     << msg::kChooseBorrowerFirst;
        QTest::newRow("empty edit")           << "Aino"  << "kirja"          << none     << ""         << msg::kEmptyEdit;
        QTest::newRow("blanks only")          << "Aino"  << "kirja"          << none     << "   "      << msg::kEmptyEdit;
        QTest::newRow("[EI LAINAA!] chosen")  << "Pekka" << ui_text::kNoLoans << none    << "uusi"     << noLoans;
        QTest::newRow("typed, not in memory") << "Aino"  << "kirja"          << "Ilmari" << "uusi"     << Message{"Lainaajaa Ilmari ei löydy muistista."};
        // The loans shown are Aino's; saving them under Pekka's name would replace Pekka's file.
        QTest::newRow("typed other borrower") << "Aino"  << "kirja"          << "Pekka"  << "uusi"     << msg::kChooseBorrowerFirst;
        QTest::newRow("unchanged")            << "Aino"  << "kirja"          << none     << "kirja"    << msg::kDuplicateEdit;
        QTest::newRow("duplicate, blanks")    << "Aino"  << "kirja"          << none     << " kirja "  << msg::kDuplicateEdit;
        QTest::newRow("none selected, full")  << "Ville" << none             << none     << "uusi"     << msg::kLoanNotFound;
        QTest::newRow("marker")               << "Aino"  << "kirja"          << none     << "kirja × 2" << msg::kUnstorableLoan;
        // clang-format on
    }

    void refusals() {
        QFETCH(QString, borrower);
        QFETCH(QString, selected);
        QFETCH(QString, typedBorrower);
        QFETCH(QString, edit);
        QFETCH(Message, expected);
        openWith(borrower, selected);
        if (!typedBorrower.isEmpty())
            retype(w->Lainaaja, typedBorrower);
        w->Mtlaina->setText(edit);
        const QStringList listBefore = entries(w->Laina);
        const auto filesBefore = snapshotWorkDir();

        // Pressed as a shortcut does, without taking the focus, so a typed borrower stays only
        // typed.
        w->Tallenna->click();

        QCOMPARE(dialogs.shown, QList<Message>{expected});
        QCOMPARE(entries(w->Laina), listBefore);
        QCOMPARE(snapshotWorkDir(), filesBefore);
    }

    void failedSaveShowsWhatIsStored() {
        openWith("Aino", "kirja");
        retype(w->Mtlaina, "sanakirja");
        const QByteArray before = readBytes("Aino.kdx");
        {
            const FailingWrites diskFull;
            click(w->Tallenna);
        }

        QCOMPARE(dialogs.shown, QList<Message>{msg::saveFailed("Aino.kdx")});
        QCOMPARE(readBytes("Aino.kdx"), before);
        QCOMPARE(entries(w->Laina), shownLoans(kAinoLoans));
        QCOMPARE(w->Mtlaina->text(), QStringLiteral("sanakirja"));
    }

  private:
    // Aino has loans with a gap, Pekka none, Ville thirty.
    void writeLedger() {
        writeRecordFile("nimet.kdx", {"Aino", "Pekka", "", "Ville"}, 100);
        writeRecordFile("Aino.kdx", kAinoLoans, 30);
        writeRecordFile("Pekka.kdx", {}, 30);
        writeRecordFile("Ville.kdx", numbered("laina ", 30), 30);
        reopen();
    }

    // The panel opened as a user does it: borrower, panel, loan.
    void openWith(const QString& borrower, const QString& loan) {
        writeLedger();
        if (!borrower.isEmpty())
            pickFromList(w->Lainaaja, borrower);
        click(w->Muokkaa);
        if (!loan.isEmpty())
            clickEntry(w->Laina, loan);
    }
};

QTEST_MAIN(EditLoanTest)
#include "tst_edit_loan.moc"
