// The ledger alone, as the command line meets it: no window, no widget library.
#include "ledger/Amount.h"
#include "ledger/EntryRules.h"
#include "ledger/Ledger.h"
#include "ledger/RecordFile.h"
#include "ledger/StorableText.h"
#include "support/Files.h"

using ledger::Outcome;
using ledger::Problem;

namespace {

using Act = std::function<Outcome(ledger::Ledger&)>;

// An operation on a register of Aino (with loans a, b, c) and Liisa, and what it leaves.
struct Operation {
    Act act;
    Problem problem;
    QStringList names;                // the register after it
    std::optional<QStringList> loans; // Aino's file after it; nothing when it is gone
};

// Changes Aino's loans in memory as `change` says, then saves them when it was allowed.
Act onLoans(std::function<Problem(ledger::Ledger&)> change, const QString& borrower = "Aino") {
    return [=](ledger::Ledger& l) {
        l.Lue(borrower);
        const Problem problem = change(l);
        return problem == Problem::None ? l.saveLoans() : Outcome{problem, {}};
    };
}
Act addingLoan(const QString& loan, const QString& borrower = "Aino") {
    return onLoans([=](ledger::Ledger& l) { return l.addLoan(loan); }, borrower);
}
Act editing(const QString& loan, const QString& edited) {
    return onLoans([=](ledger::Ledger& l) { return l.replaceLoan(loan, edited); });
}
Act adding(const QString& name) {
    return [=](ledger::Ledger& l) { return l.addBorrower(name); };
}
Act deleting(const QString& name) {
    return [=](ledger::Ledger& l) { return l.deleteBorrower(name); };
}

const QStringList kNames = {"Aino", "Liisa"};
const QStringList kLoans = {"a", "b", "c"};

} // namespace

Q_DECLARE_METATYPE(Operation)

class LedgerTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        dir = std::make_unique<TempWorkDir>();
        writeRecordFile("nimet.kdx", kNames, 100);
        writeRecordFile("Aino.kdx", kLoans, 30);
        writeRecordFile("Liisa.kdx", {}, 30);
    }
    void cleanup() { dir.reset(); }

    void operations_data() {
        QTest::addColumn<Operation>("row");
        // clang-format off
        QTest::newRow("add borrower")       << Operation{adding("Pekka"), Problem::None, kNames + QStringList{"Pekka"}, kLoans};
        QTest::newRow("add own file")       << Operation{adding("nimet"), Problem::Unusable, kNames, kLoans};
        QTest::newRow("add the prompt")     << Operation{adding(ledger::kNobodyChosen), Problem::Unusable, kNames, kLoans};
        QTest::newRow("add duplicate")      << Operation{adding("Liisa"), Problem::Duplicate, kNames, kLoans};
        QTest::newRow("add loan")           << Operation{addingLoan("d"), Problem::None, kNames, kLoans + QStringList{"d"}};
        QTest::newRow("add duplicate loan") << Operation{addingLoan("b"), Problem::Duplicate, kNames, kLoans};
        QTest::newRow("add loan, no file")  << Operation{addingLoan("d", "Pekka"), Problem::NoLoanFile, kNames, kLoans};
        QTest::newRow("edit")               << Operation{editing("b", "B"), Problem::None, kNames, QStringList{"a", "B", "c"}};
        QTest::newRow("edit into another")  << Operation{editing("b", "c"), Problem::Duplicate, kNames, kLoans};
        QTest::newRow("edit one not held")  << Operation{editing("x", "y"), Problem::NotHeld, kNames, kLoans};
        QTest::newRow("delete loans")       << Operation{onLoans([](ledger::Ledger& l) { l.dropLoans({0, 2}); return Problem::None; }),
                                                         Problem::None, kNames, QStringList{"b"}};
        QTest::newRow("delete borrower")    << Operation{deleting("Aino"), Problem::None, QStringList{"", "Liisa"}, std::nullopt};
        QTest::newRow("delete a stranger")  << Operation{deleting("Pekka"), Problem::NotRegistered, kNames, kLoans};
        // clang-format on
    }

    // Each operation checks every rule on the register read from disk, and what it refuses
    // leaves every file as it was.
    void operations() {
        const Operation& row = fetch<Operation>();
        const auto before = snapshotWorkDir();
        int changes = 0;
        ledger::Ledger ledger([] { return QString::fromLatin1(kHeader.chopped(2)); });
        ledger.onChanged([&] { ++changes; });
        ledger.LueNimet();
        QCOMPARE(row.act(ledger).problem, row.problem);
        QCOMPARE(recordsIn("nimet.kdx"), records(row.names, 100));
        QCOMPARE(recordsIn("Aino.kdx"), row.loans ? records(*row.loans, 30) : "<none>");
        QCOMPARE(changes, row.problem == Problem::None ? 1 : 0);
        if (row.problem != Problem::None) {
            QCOMPARE(snapshotWorkDir(), before);
            return;
        }
        // Taken back after a restart, done again and taken back again, byte for byte each time.
        const auto after = snapshotWorkDir();
        ledger::Ledger restarted;
        for (const auto& [step, files] : {std::pair(&ledger::Ledger::undo, before),
                                          {&ledger::Ledger::redo, after},
                                          {&ledger::Ledger::undo, before}}) {
            QVERIFY((restarted.*step)().done());
            QCOMPARE(snapshotWorkDir(), files);
        }
        // The borrower the change concerned is picked again, where they are registered.
        QCOMPARE(restarted.kenen(), row.names.contains("Pekka") ? ledger::kNobodyChosen : "Aino");
    }

    // Full tables: the 101st borrower and the 31st loan are refused, not lost or wrapped.
    void fullTables() {
        writeRecordFile("nimet.kdx", numbered("N", 100), 100);
        writeRecordFile("Aino.kdx", numbered("L", 30), 30);
        ledger::Ledger ledger([] { return QString(); });
        ledger.LueNimet();
        QCOMPARE(ledger.addBorrower("Pekka").problem, Problem::Full);
        ledger.Lue("Aino");
        QCOMPARE(ledger.addLoan("uusi"), Problem::Full);
        QCOMPARE(ledger.loans(), numbered("L", 30));
    }

    // A save that cannot happen leaves the files and the memory as they were, and says which
    // file stopped it.
    void failedSaves() {
        ledger::Ledger ledger([] { return u"h"_qs; });
        ledger.LueNimet();
        onFullDisk([&] {
            QCOMPARE(ledger.addBorrower("Pekka").file, ".historia");
            QCOMPARE(ledger.deleteBorrower("Aino").problem, Problem::Failed);
        });
        QCOMPARE(ledger.names(), kNames);
        QCOMPARE(recordsIn("Aino.kdx"), records(kLoans, 30));
        // A save that could not start leaves nothing to take back.
        QFile::link("/nowhere/Pekka.kdx", "Pekka.kdx");
        QCOMPARE(ledger.addBorrower("Pekka").file, "Pekka.kdx");
        QCOMPARE(ledger.undo().problem, Problem::NoHistory);
        writeBytes("Liisa.kdx", "h\r\nAino\xC3\x97\r\n"); // another program's
        QCOMPARE(addingLoan("x", "Liisa")(ledger).problem, Problem::Unreadable);
        QCOMPARE(ledger.unreadableFile(), "Liisa.kdx");
        ledger.Lue("../x");
        QCOMPARE(ledger.saveLoans().problem, Problem::Unnamable);
    }

    // A letter typed with a separate accent is kept as the one letter the code page holds; what
    // would read back as another text (byte order marks, lone surrogates) cannot be stored.
    void entriesAsStored() {
        for (const QString& text : {u"\uFEFFAino"_qs, u"\uFFFEAino"_qs, u"Aino"_qs + QChar(0xD83D),
                                    u"Ai"_qs + QChar(0xDE00) + u'n'})
            QVERIFY2(!ledger::isStorable(text), text.toUtf8().toHex().constData());
        const QString zoe = ledger::asStored(u" Zoe\u0308 "_qs);
        QCOMPARE(zoe, u"Zo\u00EB"_qs);
        QCOMPARE(ledger::checkNewName(zoe, ledger::NameTable{}), Problem::None);
        // The header never holds a record's marker, and what the file cannot hold becomes "?".
        QCOMPARE(ledger::recordHeader("sal×dori", "9:00μ.μ."), "saldori muistaa! 9:00?.?.");
    }

    // Money as Finns write it is read to the cent; what could be read two ways is not read.
    void amounts_data() {
        QTest::addColumn<QString>("loan");
        QTest::addColumn<QVariant>("cents"); // null: no amount
        const QVariant none;
        const std::pair<const char16_t*, QVariant> rows[] = {
            {u"50 €", 5000},
            {u"50,00e", 5000},
            {u"1 200 €", 120000},
            {u"1\u00A0200 €", 120000},
            {u"1.200 €", 120000},
            {u"12,5 e", 1250},
            {u"€50", 5000},
            {u"50,-", 5000},
            {u"-20 €", -2000},
            {u"15.3. 3 kpl", none},
            {u"1,200 €", none},
            {u"lainasin 50 € ja 20 €", none},
            {u"porakone", none},
            {u"10.000 euroa", 1000000},
            {u"1.234.567,89 EUR", 123456789},
            {u"EUR 12.50", 1250},
            {u"kirja 50 € 2 kpl", 5000},
            {u"A4-paperia 7e", 700},
            {u"20-30 €", none},
            {u"x50 €", none},
            {u"-€50", none},
            {u"1.2000 €", none},
            {u"1.200.50 €", none},
            {u"50 eläkettä", none},
            {u"99999999999999999 €", none},
            {u"9999999999999999,99 €", qint64(999999999999999999)},
        };
        for (const auto& [loan, cents] : rows)
            QTest::newRow(QString::fromUtf16(loan).toUtf8().constData())
                << QString::fromUtf16(loan) << cents;
    }
    void amounts() {
        QFETCH(QString, loan);
        QFETCH(QVariant, cents);
        const std::optional<qint64> amount = ledger::amountIn(loan);
        QCOMPARE(amount ? QVariant(*amount) : QVariant(), cents);
        if (amount) // and as it is shown, it reads back
            QCOMPARE(ledger::amountIn(ledger::euros(*amount)), amount);
    }

    // A sum beyond 64-bit cents is reported, never wrapped; loans without an amount are counted.
    void sumsOverflow() {
        ledger::Tally tally;
        tally.add(u"porakone"_qs);
        for (int k = 0; k < 9; ++k)
            tally.add(u"9 999 999 999 999 999 €"_qs);
        QVERIFY(!tally.overflow);
        QCOMPARE(ledger::euros(tally.cents),
                 u"89\u00A0999\u00A0999\u00A0999\u00A0999\u00A0991,00\u00A0€"_qs);
        ledger::Tally total;
        total.add(tally);
        total.add(u"9 999 999 999 999 999 €"_qs);
        QCOMPARE(std::tuple(total.overflow, total.loans, total.withoutAmount),
                 std::tuple(true, qint64(11), qint64(1)));
    }

  private:
    std::unique_ptr<TempWorkDir> dir;
};

QTEST_GUILESS_MAIN(LedgerTest)
#include "tst_ledger.moc"
