#include "support/Harness.h"

namespace {

const QStringList kAinoLoans = {"kirja", "", "10,50 € maitoa", "\"lapio\" ja kuokka"};

} // namespace

// Editing a loan: borrower, panel, loan, the new text, then Enter or "Tallenna".
class EditLoanTest : public WindowTestCase {
    Q_OBJECT

  private slots:
    void edit_data() {
        QTest::addColumn<QString>("borrower"); // picked
        QTest::addColumn<int>("key");          // into the list by Shift+Tab, then this key
        QTest::addColumn<QString>("selected"); // clicked unless chosen by a key
        QTest::addColumn<QString>("typedBorrower");
        QTest::addColumn<QString>("edit");
        QTest::addColumn<Message>("refusal");
        QTest::addColumn<QStringList>("stored"); // Aino's loans after
        const QString none;
        const int mouse = 0, focusOnly = Qt::Key_Backtab;
        const Message noLoans{
            "Lainaajalla Pekka ei ole lainoja, joten et voi niitä myöskään muokata."};
        // clang-format off
        QTest::newRow("letter case only")     << "Aino"  << mouse << "kirja"       << none     << "Kirja"     << Message()         << withAt(0, "Kirja", kAinoLoans);
        QTest::newRow("middle loan, trimmed") << "Aino"  << mouse << kAinoLoans[2] << none     << " 12,00 € " << Message()         << withAt(2, "12,00 €", kAinoLoans);
        // Focus makes the first entry current without selecting it: the edit is a new loan.
        QTest::newRow("focus only: a gap")    << "Aino"  << focusOnly << none      << none     << "uusi"      << Message()         << withAt(1, "uusi", kAinoLoans);
        QTest::newRow("Down key")             << "Aino"  << int(Qt::Key_Down) << kAinoLoans[2] << none << "uusi" << Message()     << withAt(2, "uusi", kAinoLoans);
        QTest::newRow("Space ticks")          << "Aino"  << int(Qt::Key_Space) << "kirja" << none  << "uusi"      << Message()         << withAt(0, "uusi", kAinoLoans);
        QTest::newRow("no borrower chosen")   << none    << mouse << none          << none     << "uusi"      << msg::kChooseBorrowerFirst << kAinoLoans;
        QTest::newRow("blanks only")          << "Aino"  << mouse << "kirja"       << none     << "   "       << msg::kEmptyEdit   << kAinoLoans;
        QTest::newRow("[EI LAINAA!] chosen")  << "Pekka" << mouse << ui_text::kNoLoans << none << "uusi"      << noLoans           << kAinoLoans;
        QTest::newRow("typed, not in memory") << "Aino"  << mouse << "kirja"       << "Ilmari" << "uusi"      << Message{"Lainaajaa Ilmari ei löydy muistista."} << kAinoLoans;
        // The loans shown are Aino's; saving them under Pekka's name would replace Pekka's file.
        QTest::newRow("typed other borrower") << "Aino"  << mouse << "kirja"       << "Pekka"  << "uusi"      << msg::kChooseBorrowerFirst << kAinoLoans;
        QTest::newRow("duplicate, blanks")    << "Aino"  << mouse << "kirja"       << none     << " kirja "   << msg::kDuplicateEdit << kAinoLoans;
        QTest::newRow("none selected, full")  << "Ville" << mouse << none          << none     << "uusi"      << msg::kLoanNotFound << kAinoLoans;
        QTest::newRow("marker")               << "Aino"  << mouse << "kirja"       << none     << "kirja × 2" << msg::kUnstorableLoan << kAinoLoans;
        // The list shows this text for "no loans", so such a loan could never be chosen.
        QTest::newRow("the no-loans text")    << "Aino"  << mouse << "kirja"       << none     << ui_text::kNoLoans << msg::kUnstorableLoan << kAinoLoans;
        // Only a register from elsewhere names a borrower whose loans cannot be a file.
        QTest::newRow("no file for the name") << "../x"  << mouse << none          << none     << "laina"     << msg::saveFailed("../x.kdx") << kAinoLoans;
        // clang-format on
    }

    void edit() {
        QFETCH(QString, borrower);
        QFETCH(int, key);
        QFETCH(QString, selected);
        QFETCH(QString, typedBorrower);
        QFETCH(QString, edit);
        QFETCH(Message, refusal);
        QFETCH(QStringList, stored);
        writeRecordFile("nimet.kdx", {"Aino", "Pekka", "../x", "Ville"}, 100);
        writeRecordFile("Aino.kdx", kAinoLoans, 30);
        writeRecordFile("Pekka.kdx", {}, 30);
        writeRecordFile("Ville.kdx", numbered("laina ", 30), 30);
        reopen();
        if (!borrower.isEmpty())
            pickFromList(w->Lainaaja, borrower);
        click(w->Muokkaa);
        settle(*w);
        if (key != 0) {
            QTest::keyClick(w->Mtlaina, Qt::Key_Backtab);
            if (key != Qt::Key_Backtab)
                QTest::keyClick(w->Laina, Qt::Key(key));
        } else if (!selected.isEmpty()) {
            clickEntry(w->Laina, selected);
        }
        QCOMPARE(w->Mtlaina->text(), selected);
        const auto before = snapshotWorkDir();
        retype(w->Mtlaina, edit);
        if (typedBorrower.isEmpty()) {
            QTest::keyClick(w->Mtlaina, Qt::Key_Return);
        } else {
            // Saved without the box losing the focus: on losing it, the box picks an exact match.
            retype(w->Lainaaja->lineEdit(), typedBorrower);
            w->Tallenna->click();
        }

        QCOMPARE(dialogs.shown, refusal == Message() ? QList<Message>() : QList<Message>{refusal});
        QCOMPARE(recordsIn("Aino.kdx"), records(stored, 30));
        if (refusal != Message()) {
            QCOMPARE(snapshotWorkDir(), before);
            return;
        }
        stored.removeAll(QString());
        QCOMPARE(entries(w->Laina), stored);
        QCOMPARE(w->Mtlaina->text(), edit.trimmed());
        click(w->Command3);
        QCOMPARE(ticksToArrive(*w), 15);
        QVERIFY(w->Muokkaus->isHidden());
    }
};

QTEST_MAIN(EditLoanTest)
#include "tst_edit_loan.moc"
