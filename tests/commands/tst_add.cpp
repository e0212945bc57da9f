#include "support/Harness.h"

// Adding borrowers and adding loans to them.
class AddTest : public WindowTestCase {
    Q_OBJECT

  private slots:
    void addBorrower_data() {
        QTest::addColumn<QStringList>("names"); // the register; none when empty
        QTest::addColumn<QString>("typed");
        QTest::addColumn<Message>("refusal");
        QTest::addColumn<int>("slot"); // where an accepted name goes
        const QStringList slot57 = withAt(57, "Matti"), full = numbered("Nimi", 100);
        // clang-format off
        QTest::newRow("blanks only")         << slot57 << "   "              << msg::kEmptyName       << -1;
        QTest::newRow("duplicate, blanks")   << slot57 << "  Matti "         << msg::kDuplicateName   << -1;
        QTest::newRow("duplicate of slot 0") << full   << "Nimi0"            << msg::kDuplicateName   << -1;
        QTest::newRow("register full")       << full   << "Uusi"             << msg::kRegisterFull    << -1;
        QTest::newRow("marker")              << slot57 << "Ma×tti"           << msg::kUnstorableName  << -1;
        QTest::newRow("emoji")               << slot57 << "Matti \U0001F600" << msg::kUnstorableName  << -1;
        QTest::newRow("outside the folder")  << slot57 << "../x"             << msg::kUnusableName    << -1;
        // A save writes through the name and seven bytes more, which must fit in 255.
        QTest::newRow("245 bytes")           << slot57 << QString(245, u'a') << msg::kUnusableName    << -1;
        // The program shows these for "nobody chosen", so such a borrower could never be picked.
        QTest::newRow("the prompt")          << slot57 << ui_text::kPrompt   << msg::kUnusableName    << -1;
        QTest::newRow("no borrowers text")   << slot57 << ui_text::kNoBorrowers << msg::kUnusableName << -1;
        QTest::newRow("beside other case")   << QStringList{"liisa"} << "Liisa" << Message()          << 1;
        QTest::newRow("only gap, blanks")    << withAt(5, "", full) << " Liisa\t" << Message()        << 5;
        QTest::newRow("euro, no register")   << QStringList() << "Velka €"   << Message()             << 0;
        // clang-format on
    }

    // By keyboard: the name, then Enter.
    void addBorrower() {
        QFETCH(QStringList, names);
        QFETCH(QString, typed);
        QFETCH(Message, refusal);
        QFETCH(int, slot);
        if (!names.isEmpty())
            writeRecordFile("nimet.kdx", names, 100);
        click(w->LLainaaja);
        settle(*w);
        const auto before = snapshotWorkDir();
        w->Uusi->setText(typed);
        QTest::keyClick(w->Uusi, Qt::Key_Return);

        if (slot < 0) {
            QCOMPARE(dialogs.shown, QList<Message>{refusal});
            QCOMPARE(snapshotWorkDir(), before);
            QCOMPARE(w->Uusi->text(), typed);
            return;
        }
        const QString stored = typed.trimmed();
        QVERIFY(dialogs.shown.isEmpty());
        QCOMPARE(recordsIn("nimet.kdx"), records(withAt(slot, stored, names), 100));
        QCOMPARE(recordsIn(stored + ".kdx"), records({}, 30));
        // The add-borrower panel hands over to the add-loans panel, on the new borrower.
        QCOMPARE(ticksToArrive(*w), 16);
        QVERIFY(w->Add->isHidden() && !w->Add1->isHidden());
        QCOMPARE(w->Lainaaja1->currentText(), stored);
        QCOMPARE(QApplication::focusWidget(), w->LainaLisaa);
        QCOMPARE(w->Uusi->text(), QString());
    }

    void addLoan_data() {
        QTest::addColumn<QStringList>("saved"); // Liisa's loans
        QTest::addColumn<QString>("borrower");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<Message>("refusal");
        QTest::addColumn<QStringList>("after");
        using L = QStringList;
        const L one = {"kirja"}, thirty = numbered("laina ", 30), gapAt4 = withAt(4, "", thirty);
        const Message noFile = msg::kNoLoanFile;
        const Message full{"Voit tallentaa 30 lainaa jokaiselle lainaajalle. Sinulla on jo 30 "
                           "lainaa lainaajalla Liisa.",
                           Icon::Information, Buttons::Ok, "saldori - Lainaa ei lisätty!"};
        // clang-format off
        QTest::newRow("blanks only")          << one    << "Liisa"    << "   "       << msg::kEmptyLoan      << one;
        QTest::newRow("duplicate, blanks")    << one    << "Liisa"    << " kirja  "  << msg::kDuplicateLoan  << one;
        QTest::newRow("marker")               << one    << "Liisa"    << "ki×rja"    << msg::kUnstorableLoan << one;
        QTest::newRow("the no-loans text")    << one    << "Liisa"    << ui_text::kNoLoans << msg::kUnstorableLoan << one;
        QTest::newRow("no borrower")          << one    << ""         << "kynä"      << noFile               << one;
        QTest::newRow("empty, unknown one")   << one    << "Maija"    << ""          << msg::kEmptyLoan      << one;
        QTest::newRow("register as borrower") << one    << "nimet"    << "kynä"      << noFile               << one;
        QTest::newRow("31st loan")            << thirty << "Liisa"    << "kynä"      << full                 << thirty;
        QTest::newRow("first loan")           << L()    << "Liisa"    << "kynä"      << Message()            << L{"kynä"};
        QTest::newRow("other case")           << L{"Kynä"} << "Liisa" << "kynä"      << Message()            << L{"Kynä", "kynä"};
        QTest::newRow("gap at slot 4")        << gapAt4 << "Liisa"    << "kynä"      << Message()            << withAt(4, "kynä", gapAt4);
        // clang-format on
    }

    // The borrower picked from the list when it is there, typed otherwise; the loan, then Enter.
    void addLoan() {
        QFETCH(QStringList, saved);
        QFETCH(QString, borrower);
        QFETCH(QString, typed);
        QFETCH(Message, refusal);
        QFETCH(QStringList, after);
        writeRecordFile("nimet.kdx", {"Aino", "", "Liisa", "Pekka"}, 100);
        writeRecordFile("Liisa.kdx", saved, 30);
        click(w->LLaina);
        settle(*w);
        if (entries(w->Lainaaja1).contains(borrower))
            pickFromList(w->Lainaaja1, borrower);
        else
            retype(w->Lainaaja1->lineEdit(), borrower);
        const QStringList filesBefore = snapshotWorkDir().keys();
        w->LainaLisaa->setText(typed);
        QTest::keyClick(w->LainaLisaa, Qt::Key_Return);

        QCOMPARE(dialogs.shown, refusal == Message() ? QList<Message>() : QList<Message>{refusal});
        QCOMPARE(recordsIn("Liisa.kdx"), records(after, 30));
        QCOMPARE(snapshotWorkDir().keys(), filesBefore);
        // A borrower without a loan file is not kept for the next try.
        QCOMPARE(w->Lainaaja1->currentText(), refusal == msg::kNoLoanFile ? QString() : borrower);
        QCOMPARE(w->LainaLisaa->text(), QString());
        QCOMPARE(QApplication::focusWidget(), w->LainaLisaa);
    }
};

QTEST_MAIN(AddTest)
#include "tst_add.moc"
