#include "ledger/LoanFile.h"
#include "support/Harness.h"
#include "support/Input.h"
#include "ui/Colours.h"
#include "ui/Hints.h"
#include "ui/MenuLabel.h"
#include "ui/Messages.h"

#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

using ledger::kRegisterFile;

namespace {

const QStringList kBorrowers = {"Aino", "", "Liisa", "Pekka"};

QStringList withAt(int slot, const QString& value, QStringList values = {}) {
    values.resize(std::max(int(values.size()), slot + 1));
    values[slot] = value;
    return values;
}

} // namespace

// Adding borrowers and adding loans to them.
class AddTest : public WindowTestCase {
    Q_OBJECT

  private slots:
    void panelsOpenAndClose_data() {
        QTest::addColumn<QString>("opener");
        QTest::addColumn<QString>("closer");
        QTest::addColumn<QString>("picked");
        // clang-format off
        QTest::newRow("add borrower")              << "LLainaaja" << "sulje1" << "Aino";
        QTest::newRow("add loans, borrower shown") << "LLaina"    << "sulje2" << "Aino";
        QTest::newRow("add loans, prompt shown")   << "LLaina"    << "sulje2" << "";
        // clang-format on
    }

    void panelsOpenAndClose() {
        QFETCH(QString, opener);
        QFETCH(QString, closer);
        QFETCH(QString, picked);
        writeRecordFile(kRegisterFile, {"Aino", "", "Pekka"}, 100);
        writeRecordFile("Aino.kdx", {"kirja"}, 30);
        reopen();
        const auto filesBefore = snapshotWorkDir();
        if (!picked.isEmpty())
            pickFromList(w->Lainaaja, picked);
        const bool addLoans = opener == "LLaina";
        QGroupBox* panel = addLoans ? w->Add1 : w->Add;

        click(w->findChild<QWidget*>(opener));
        settle(*w);

        QVERIFY(Saldori::shown(panel));
        QCOMPARE(QApplication::focusWidget(), addLoans ? w->LainaLisaa : w->Uusi);
        QCOMPARE(enabledMenuLabels(*w), QStringList{"Lopeta"});
        QCOMPARE(w->Lainaaja->currentText(), ui_text::kPrompt);
        QVERIFY(!w->Lainaaja->isEnabled() && !w->Laina->isEnabled());
        QCOMPARE(w->Laina->count(), 0);
        if (addLoans) {
            // The borrower shown on the main screen is preselected.
            QCOMPARE(w->Lainaaja1->currentText(), picked);
            QCOMPARE(entries(w->Lainaaja1), (QStringList{"Aino", "Pekka"}));
            // Typing a borrower moves on to the loan.
            w->Lainaaja1->setFocus();
            QTest::keyClick(w->Lainaaja1->lineEdit(), 'x');
            QCOMPARE(QApplication::focusWidget(), w->LainaLisaa);
        }

        click(w->findChild<QWidget*>(closer));
        settle(*w);

        QVERIFY(!Saldori::shown(panel));
        QCOMPARE(enabledMenuLabels(*w).size(), 7);
        QVERIFY(w->Lainaaja->isEnabled() && w->Laina->isEnabled());
        QCOMPARE(entries(w->Lainaaja), (QStringList{"Aino", "Pekka"}));
        QCOMPARE(w->Lainaaja->currentText(), ui_text::kPrompt);
        QCOMPARE(snapshotWorkDir(), filesBefore);
        QVERIFY(dialogs.shown.isEmpty());
        if (!addLoans) {
            // What was typed before leaving is still there on coming back.
            QTest::keyClicks(w->Uusi, "Pekka");
            click(w->sulje1);
            settle(*w);
            click(w->LLainaaja);
            QCOMPARE(w->Uusi->text(), QStringLiteral("Pekka"));
        }
    }

    void addBorrower_data() {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<Message>("refusal");
        QTest::addColumn<int>("slot");

        using L = QStringList;
        const L slot57 = withAt(57, "Matti");
        const L full = numbered("Nimi", 100);
        const Message ok;
        // clang-format off
        QTest::newRow("empty")                << L()          << ""                 << msg::kEmptyName       << -1;
        QTest::newRow("blanks only")          << slot57       << "   "              << msg::kEmptyName       << -1;
        QTest::newRow("duplicate of slot 57") << slot57       << "Matti"            << msg::kDuplicateName   << -1;
        QTest::newRow("duplicate, blanks")    << slot57       << "  Matti "         << msg::kDuplicateName   << -1;
        QTest::newRow("register full")        << full         << "Uusi"             << msg::kRegisterFull    << -1;
        QTest::newRow("full and duplicate")   << full         << "Nimi42"           << msg::kDuplicateName   << -1;
        QTest::newRow("marker")               << slot57       << "Ma×tti"           << msg::kUnstorableName  << -1;
        QTest::newRow("emoji")                << slot57       << "Matti \U0001F600" << msg::kUnstorableName  << -1;
        QTest::newRow("outside the folder")   << slot57       << "../x"             << msg::kUnusableName    << -1;
        QTest::newRow("the register's name")  << slot57       << "nimet"            << msg::kUnusableName    << -1;
        QTest::newRow("300 characters")       << slot57       << QString(300, u'a') << msg::kUnusableName    << -1;
        QTest::newRow("first borrower")       << L()          << "Liisa"            << ok                    << 0;
        QTest::newRow("beside other case")    << L{"liisa"}   << "Liisa"            << ok                    << 1;
        QTest::newRow("only gap")             << withAt(5, "", full) << "Liisa"     << ok                    << 5;
        QTest::newRow("outer blanks")         << L{"Aino"}    << "  Liisa \t"       << ok                    << 1;
        QTest::newRow("euro")                 << L()          << "Velka €"          << ok                    << 0;
        // clang-format on
    }

    void addBorrower() {
        QFETCH(QStringList, names);
        QFETCH(QString, typed);
        QFETCH(Message, refusal);
        QFETCH(int, slot);
        if (!names.isEmpty())
            writeRecordFile(kRegisterFile, names, 100);
        // The panel reads the register itself, so the file written here is the one it works on.
        click(w->LLainaaja);
        const QByteArray registerBefore = readBytes(kRegisterFile);
        const QStringList filesBefore = filesInWorkDir();
        w->Uusi->setText(typed);

        click(w->OK);
        settle(*w);

        if (slot < 0) {
            QCOMPARE(dialogs.shown, QList<Message>{refusal});
            QCOMPARE(readBytes(kRegisterFile), registerBefore);
            QCOMPARE(filesInWorkDir(), filesBefore);
            QCOMPARE(w->Uusi->text(), typed);
            QVERIFY(!Saldori::shown(w->Add1));
            return;
        }
        const QString stored = typed.trimmed();
        QVERIFY(dialogs.shown.isEmpty());
        QCOMPARE(recordLines(kRegisterFile), expectedRecords(withAt(slot, stored, names), 100));
        QCOMPARE(recordLines(stored + ".kdx"), expectedRecords({}, 30));
        QCOMPARE(w->Uusi->text(), QString());
        QVERIFY(!Saldori::shown(w->Add) && Saldori::shown(w->Add1));
        QCOMPARE(QApplication::focusWidget(), w->LainaLisaa);
        QCOMPARE(w->Lainaaja1->currentText(), stored);
    }

    void failedBorrowerSave_data() {
        QTest::addColumn<bool>("loanFileFails");
        QTest::addColumn<QString>("failedFile");
        QTest::newRow("register") << false << kRegisterFile;
        QTest::newRow("loan file") << true << QStringLiteral("Liisa.kdx");
    }

    void failedBorrowerSave() {
        QFETCH(bool, loanFileFails);
        QFETCH(QString, failedFile);
        writeRecordFile(kRegisterFile, {"Aino", "", "Pekka"}, 100);
        click(w->LLainaaja);
        const QByteArrayList registerBefore = recordLines(kRegisterFile);
        retype(w->Uusi, "Liisa");

        if (loanFileFails) {
            // A folder in the way of the loan file lets the register be written and the loan file
            // not.
            QVERIFY(QDir().mkdir("Liisa.kdx"));
            click(w->OK);
            QVERIFY(QDir().rmdir("Liisa.kdx"));
        } else {
            const FailingWrites failing;
            click(w->OK);
        }

        QCOMPARE(dialogs.shown, QList<Message>{msg::saveFailed(failedFile)});
        QCOMPARE(recordLines(kRegisterFile), registerBefore);
        QVERIFY(!exists("Liisa.kdx"));
        QVERIFY(!Saldori::shown(w->Add1));
        QCOMPARE(w->Uusi->text(), QStringLiteral("Liisa"));

        // Nothing of the failed attempt is left in memory to make the retry a duplicate.
        dialogs.shown.clear();
        click(w->OK);
        QVERIFY(dialogs.shown.isEmpty());
        QCOMPARE(recordLines(kRegisterFile), expectedRecords({"Aino", "Liisa", "Pekka"}, 100));
    }

    void guidedAddBorrower() {
        w->ohjeteksti->show();
        click(w->LLainaaja);
        QCOMPARE(w->ohjeteksti->text(), hint::kTypeName);
        QCOMPARE(colours::background(w->Uusi), colours::kYellow);
        QCOMPARE(colours::text(w->Uusi), colours::kRed);
        QVERIFY(!w->Vilkuta->isEnabled());
        QCOMPARE(enabledMenuLabels(*w), (QStringList{"LLainaaja", "Lopeta"}));
        QCOMPARE(QApplication::focusWidget(), w->Uusi);

        QTest::keyClick(w->Uusi, 'L');
        QCOMPARE(w->ohjeteksti->text(), hint::kClickAdd);
        QVERIFY(w->OK->font().bold());
        QTest::keyClick(w->Uusi, Qt::Key_Backspace);
        QCOMPARE(w->ohjeteksti->text(), hint::kTypeName);
        QVERIFY(!w->OK->font().bold());

        // Back out once: the help screen takes over again with the name box plain.
        QTest::keyClicks(w->Uusi, "Pekka");
        click(w->sulje1);
        QCOMPARE(w->ohjeteksti->text(), hint::kClickAddBorrower);
        QVERIFY(w->LLainaaja->isEnabled() && w->LLainaaja->font().underline());
        QVERIFY(!w->LLaina->isEnabled() && !w->LLaina->font().underline());
        QVERIFY(!w->OK->font().bold());
        QCOMPARE(colours::background(w->Uusi), colours::systemWindow());
        QCOMPARE(colours::text(w->Uusi), colours::kBlack);
        settle(*w);
        QVERIFY(!Saldori::shown(w->Add));
        QVERIFY(dialogs.shown.isEmpty());

        click(w->LLainaaja);
        retype(w->Uusi, "Liisa");
        click(w->OK);
        QCOMPARE(w->ohjeteksti->text(), hint::kChooseBorrowerTypeLoan);
        QVERIFY(!w->OK->font().bold());
        QCOMPARE(colours::background(w->Uusi), colours::systemWindow());
        QCOMPARE(colours::text(w->Uusi), colours::kBlack);
        QVERIFY(!w->LLainaaja->font().underline() && w->LLaina->font().underline());
        QCOMPARE(enabledMenuLabels(*w), (QStringList{"LLaina", "Lopeta"}));
        QCOMPARE(colours::background(w->Lainaaja1), colours::kGreen);
        QCOMPARE(colours::background(w->LainaLisaa), colours::kCyan);
        QVERIFY(exists("Liisa.kdx"));
    }

    void emptyRegisterOnlyTellsSo() {
        click(w->LLaina);
        settle(*w);

        QCOMPARE(dialogs.shown, QList<Message>{msg::kNoBorrowersForLoans});
        QCOMPARE(enabledMenuLabels(*w).size(), 7);
        QVERIFY(!Saldori::shown(w->Add1));
        QVERIFY(filesInWorkDir().isEmpty());
    }

    void addLoan_data() {
        QTest::addColumn<QStringList>("saved");
        QTest::addColumn<QString>("borrower");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<Message>("refusal");
        QTest::addColumn<QStringList>("after");

        using L = QStringList;
        const L one = {"kirja"};
        const L thirty = numbered("laina ", 30);
        const L gapAt4 = withAt(4, "", thirty);
        const Message ok;
        const Message noFile = msg::kNoLoanFile;
        const Message full{msg::loansFull("Liisa").text, Icon::Information, Buttons::Ok,
                           "saldori - Lainaa ei lisätty!"};
        // clang-format off
        QTest::newRow("empty")                << one << "Liisa"    << ""         << msg::kEmptyLoan       << one;
        QTest::newRow("blanks only")          << one << "Liisa"    << "   "      << msg::kEmptyLoan       << one;
        QTest::newRow("duplicate")            << one << "Liisa"    << "kirja"    << msg::kDuplicateLoan   << one;
        QTest::newRow("duplicate, blanks")    << one << "Liisa"    << " kirja  " << msg::kDuplicateLoan   << one;
        QTest::newRow("marker")               << one << "Liisa"    << "ki×rja"   << msg::kUnstorableLoan  << one;
        QTest::newRow("no borrower")          << one << ""         << "kynä"     << noFile                << one;
        QTest::newRow("empty, unknown one")   << one << "Maija"    << ""         << msg::kEmptyLoan       << one;
        QTest::newRow("unknown borrower")     << one << "Maija"    << "kynä"     << noFile                << one;
        QTest::newRow("path as borrower")     << one << "../nimet" << "kynä"     << noFile                << one;
        QTest::newRow("register as borrower") << one << "nimet"    << "kynä"     << noFile                << one;
        QTest::newRow("31st loan")            << thirty << "Liisa" << "kynä"     << full                  << thirty;
        QTest::newRow("first loan")           << L() << "Liisa"    << "kynä"     << ok << L{"kynä"};
        QTest::newRow("other case")           << L{"Kynä"} << "Liisa" << "kynä"  << ok << L{"Kynä", "kynä"};
        QTest::newRow("gap at slot 4")        << gapAt4 << "Liisa" << "kynä"     << ok << withAt(4, "kynä", gapAt4);
        QTest::newRow("outer blanks")         << one << "Liisa"    << "  kynä \t" << ok << L{"kirja", "kynä"};
        // clang-format on
    }

    void addLoan() {
        QFETCH(QStringList, saved);
        QFETCH(QString, borrower);
        QFETCH(QString, typed);
        QFETCH(Message, refusal);
        QFETCH(QStringList, after);
        writeRecordFile("Liisa.kdx", saved, 30);
        openAddLoans(borrower);
        const QByteArray registerBefore = readBytes(kRegisterFile);
        const QStringList filesBefore = filesInWorkDir();
        const bool outsideBefore = exists("../nimet.kdx");
        w->LainaLisaa->setText(typed);

        click(w->OK1);

        QCOMPARE(dialogs.shown, refusal == Message() ? QList<Message>() : QList<Message>{refusal});
        QCOMPARE(recordLines("Liisa.kdx"), expectedRecords(after, 30));
        QCOMPARE(readBytes(kRegisterFile), registerBefore);
        QCOMPARE(filesInWorkDir(), filesBefore);
        QCOMPARE(exists("../nimet.kdx"), outsideBefore);
        // A borrower without a loan file is not kept for the next try.
        QCOMPARE(w->Lainaaja1->currentText(), refusal == msg::kNoLoanFile ? QString() : borrower);
        QCOMPARE(w->LainaLisaa->text(), QString());
        QCOMPARE(QApplication::focusWidget(), w->LainaLisaa);
    }

    void failedLoanSave() {
        writeRecordFile("Liisa.kdx", {"kirja"}, 30);
        w->ohjeteksti->show();
        openAddLoans("Liisa");
        const QByteArray loansBefore = readBytes("Liisa.kdx");
        w->LainaLisaa->setText("kynä");
        {
            const FailingWrites failing;
            click(w->OK1);
        }

        QCOMPARE(dialogs.shown, QList<Message>{msg::saveFailed("Liisa.kdx")});
        QCOMPARE(readBytes("Liisa.kdx"), loansBefore);
        // The table is read back, so it holds what the file holds and not the loan that failed.
        QCOMPARE(w->muisti2[0], QStringLiteral("kirja"));
        QCOMPARE(w->muisti2[1], QString());
        QVERIFY(w->ohjeteksti->text() != hint::kLoanSaved);
        QCOMPARE(w->LainaLisaa->text(), QString());
        QCOMPARE(QApplication::focusWidget(), w->LainaLisaa);
    }

    void guidedAddLoans() {
        writeRecordFile("Liisa.kdx", {}, 30);
        w->ohjeteksti->show();
        openAddLoans("Liisa");
        QCOMPARE(enabledMenuLabels(*w).size(), 7);
        QVERIFY(!w->Vilkuta->isEnabled());
        QCOMPARE(colours::background(w->Lainaaja1), colours::kGreen);
        QCOMPARE(colours::background(w->LainaLisaa), colours::kCyan);
        QCOMPARE(w->ohjeteksti->text(), hint::kChooseBorrowerTypeLoan);
        QCOMPARE(QApplication::focusWidget(), w->LainaLisaa);

        QTest::keyClick(w->LainaLisaa, 'k');
        QCOMPARE(w->ohjeteksti->text(), hint::kClickAdd);
        QVERIFY(w->OK1->font().bold());
        QTest::keyClick(w->LainaLisaa, Qt::Key_Backspace);
        QCOMPARE(w->ohjeteksti->text(), hint::kChooseBorrowerTypeLoan);
        QVERIFY(!w->OK1->font().bold());

        QTest::keyClicks(w->LainaLisaa, "kirja");
        click(w->OK1);
        QCOMPARE(w->ohjeteksti->text(), hint::kLoanSaved);
        QVERIFY(!w->OK1->font().bold());
        QCOMPARE(recordLines("Liisa.kdx"), expectedRecords({"kirja"}, 30));

        colours::setUnderline(w->LLaina, true);
        click(w->sulje2);
        QCOMPARE(colours::background(w->Lainaaja1), colours::systemWindow());
        QCOMPARE(colours::background(w->LainaLisaa), colours::systemWindow());
        QVERIFY(!w->LLaina->font().underline());
        QCOMPARE(w->ohjeteksti->text(), hint::kLeaveButton);
        settle(*w);
        QVERIFY(!Saldori::shown(w->Add1));
        QVERIFY(w->ohjeliikuttaja->isEnabled());
        QCOMPARE(entries(w->Lainaaja), (QStringList{"Aino", "Liisa", "Pekka"}));
        QVERIFY(w->Lainaaja->isEnabled());
        QVERIFY(dialogs.shown.isEmpty());
    }

    void aBorrowerAndThreeLoansByKeyboard() {
        click(w->LLainaaja);
        QTest::keyClicks(QApplication::focusWidget(), "Liisa");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        const QStringList loans = {"kirja", "kyna ja kuori", "10,50 maitoa"};
        for (const QString& loan : loans) {
            QCOMPARE(QApplication::focusWidget(), w->LainaLisaa);
            QTest::keyClicks(QApplication::focusWidget(), loan);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        }
        QVERIFY(dialogs.shown.isEmpty());
        QCOMPARE(recordLines(kRegisterFile), expectedRecords({"Liisa"}, 100));
        QCOMPARE(recordLines("Liisa.kdx"), expectedRecords(loans, 30));
    }

  private:
    // The borrower box set as the program sets it, which counts as typing into it.
    void openAddLoans(const QString& borrower) {
        writeRecordFile(kRegisterFile, kBorrowers, 100);
        click(w->LLaina);
        w->Lainaaja1->lineEdit()->setText(borrower);
    }
};

QTEST_MAIN(AddTest)
#include "tst_add.moc"
