#include "support/Harness.h"
#include "support/Input.h"
#include "ui/Hints.h"
#include "ui/MenuLabel.h"
#include "ui/Messages.h"

#include <QDir>
#include <QLabel>
#include <functional>
#include <optional>

namespace {

const QStringList kFive = {"Aino", "Bertta", "Cecilia", "Daavid", "Eero"};
const QString kEarlierHint = QStringLiteral("Valitse lainaaja listalta.");

// Every name of the register gets a loan file of one loan.
void writeLedger(const QStringList& names) {
    writeRecordFile("nimet.kdx", names, 100);
    for (const QString& name : names) {
        if (!name.isEmpty())
            writeRecordFile(name + ".kdx", {"laina of " + name}, 30);
    }
}

// Answers like the recording dialogs, but the disk fills up while a question is open.
class DiskFillsOnQuestion final : public Dialogs {
  public:
    Answer show(const Message& message) override {
        if (message.icon == Icon::Question)
            full.emplace();
        return recorded.show(message);
    }
    RecordingDialogs recorded;
    std::optional<FailingWrites> full;
};

} // namespace

// Deleting ticked loans, and deleting a borrower with all their loans.
class DeleteTest : public WindowTestCase {
    Q_OBJECT

  private slots:
    void deletesTickedAndCompacts_data() {
        QTest::addColumn<QStringList>("loans");
        QTest::addColumn<QStringList>("ticked");
        QTest::addColumn<QStringList>("remaining");
        using L = QStringList;
        // clang-format off
        QTest::newRow("two of five")      << L{"a", "b", "c", "d", "e"}     << L{"b", "d"} << L{"a", "c", "e"};
        QTest::newRow("adjacent, last")   << L{"a", "b", "c"}               << L{"b", "c"} << L{"a"};
        QTest::newRow("none, gaps close") << L{"a", "", "c", "", "", "f"}   << L{}         << L{"a", "c", "f"};
        // clang-format on
    }

    void deletesTickedAndCompacts() {
        QFETCH(QStringList, loans);
        QFETCH(QStringList, ticked);
        QFETCH(QStringList, remaining);
        openWithAinoLoans(loans);
        pickFromList(w->Lainaaja, "Aino");
        tickAll(ticked);

        click(w->PLaina);

        QVERIFY(dialogs.shown.isEmpty());
        QCOMPARE(recordLines("Aino.kdx"), expectedRecords(remaining, 30));
        QCOMPARE(entries(w->Laina), remaining);
        QCOMPARE(w->Lainaaja->currentText(), QStringLiteral("Aino"));
    }

    void lastLoanGoneOffersTheBorrower_data() {
        QTest::addColumn<Answer>("answer");
        QTest::newRow("OK deletes the borrower") << Answer::Ok;
        QTest::newRow("Cancel keeps the borrower") << Answer::Cancel;
    }

    void lastLoanGoneOffersTheBorrower() {
        QFETCH(Answer, answer);
        openWithAinoLoans({"a", "", "b"});
        const QByteArray registerBefore = readBytes("nimet.kdx");
        pickFromList(w->Lainaaja, "Aino");
        tickAll({"a", "b"});
        dialogs.answers.enqueue(answer);

        click(w->PLaina);

        const Message question{
            "Lainaajalla Aino ei ole enää lainoja. Haluatko poistaa kyseisen lainaajan listalta?",
            Icon::Question, Buttons::OkCancel, "Saldori"};
        QCOMPARE(dialogs.shown, QList<Message>{question});
        QVERIFY(exists("Pekka.kdx") && exists("Ville.kdx"));
        if (answer == Answer::Ok) {
            QCOMPARE(recordLines("nimet.kdx"), expectedRecords({"", "", "Pekka", "Ville"}, 100));
            QVERIFY(!exists("Aino.kdx"));
            QCOMPARE(entries(w->Lainaaja), (QStringList{"Pekka", "Ville"}));
            QCOMPARE(w->Lainaaja->currentText(), ui_text::kPrompt);
            QCOMPARE(w->Laina->count(), 0);
        } else {
            QCOMPARE(readBytes("nimet.kdx"), registerBefore);
            QCOMPARE(recordLines("Aino.kdx"), expectedRecords({}, 30));
            QCOMPARE(entries(w->Laina), QStringList{ui_text::kNoLoans});
        }
    }

    void loanRefusals_data() {
        QTest::addColumn<QString>("picked");
        QTest::addColumn<QString>("meanwhile");
        QTest::addColumn<Message>("expected");
        // clang-format off
        QTest::newRow("no borrower chosen")     << ""      << ""                << msg::kChooseAndTick;
        QTest::newRow("borrower without loans") << "Pekka" << ""                << Message{"Lainaajalla Pekka ei ole lainoja."};
        QTest::newRow("borrower gone")          << "Aino"  << "drop from register" << msg::kChooseFromList;
        // Compacting a list that shows nobody's loans would empty the borrower's file.
        QTest::newRow("list shows nobody's")    << "Aino"  << "clear the list"  << msg::kChooseFromList;
        // clang-format on
    }

    void loanRefusals() {
        QFETCH(QString, picked);
        QFETCH(QString, meanwhile);
        QFETCH(Message, expected);
        openWithAinoLoans({"a", "b"});
        if (!picked.isEmpty())
            pickFromList(w->Lainaaja, picked);
        if (meanwhile == "drop from register")
            writeRecordFile("nimet.kdx", {"", "", "Pekka", "Ville"}, 100);
        // The list as the add-loan panel leaves it when it closes.
        if (meanwhile == "clear the list")
            w->Laina->clear();
        const auto before = snapshotWorkDir();

        click(w->PLaina);

        QCOMPARE(dialogs.shown, QList<Message>{expected});
        QCOMPARE(snapshotWorkDir(), before);
        QCOMPARE(w->vilkkukohde, 4);
        QVERIFY(w->Vilkuta->isEnabled());
    }

    void failedSaveChangesNothing_data() {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QStringList>("ticked");
        QTest::addColumn<QString>("failedFile");
        // clang-format off
        QTest::newRow("loans, one ticked")              << "PLaina"    << QStringList{"b"}           << "Aino.kdx";
        QTest::newRow("loans, all ticked, no question") << "PLaina"    << QStringList{"a", "b", "c"} << "Aino.kdx";
        QTest::newRow("borrower")                       << "PLainaaja" << QStringList{}              << "nimet.kdx";
        // clang-format on
    }

    void failedSaveChangesNothing() {
        QFETCH(QString, label);
        QFETCH(QStringList, ticked);
        QFETCH(QString, failedFile);
        openWithAinoLoans({"a", "b", "c"});
        w->ohjeteksti->show();
        pickFromList(w->Lainaaja, "Aino");
        tickAll(ticked);
        const QString hintBefore = w->ohjeteksti->text();
        const auto before = snapshotWorkDir();
        {
            const FailingWrites diskFull;
            click(w->findChild<QWidget*>(label));
        }

        QCOMPARE(dialogs.shown, QList<Message>{msg::saveFailed(failedFile)});
        QCOMPARE(snapshotWorkDir(), before);
        QCOMPARE(entries(w->Lainaaja), (QStringList{"Aino", "Pekka", "Ville"}));
        QCOMPARE(w->ohjeteksti->text(), hintBefore);
        if (label == "PLaina")
            QCOMPARE(entries(w->Laina), (QStringList{"a", "b", "c"}));
    }

    // The register is written first, so a failure there leaves the borrower with a loan file.
    void failedRegisterSaveKeepsTheBorrower() {
        openWithAinoLoans({"a"});
        DiskFillsOnQuestion diskFills;
        w.reset();
        w = std::make_unique<Saldori>(diskFills, Ticker::Clock::Manual);
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        const QByteArray registerBefore = readBytes("nimet.kdx");
        pickFromList(w->Lainaaja, "Aino");
        tickAll({"a"});

        click(w->PLaina);
        diskFills.full.reset();

        QCOMPARE(diskFills.recorded.shown.last(), msg::saveFailed("nimet.kdx"));
        QCOMPARE(readBytes("nimet.kdx"), registerBefore);
        QCOMPARE(recordLines("Aino.kdx"), expectedRecords({}, 30));
        QCOMPARE(w->Lainaaja->currentText(), QStringLiteral("Aino"));
        QCOMPARE(entries(w->Laina), QStringList{ui_text::kNoLoans});
        w.reset();
    }

    // One walk through the guided help of both delete commands.
    void guidedHelp() {
        openWithAinoLoans({"a", "b"});
        w->ohjeteksti->show();
        w->ohjeteksti->setText(kEarlierHint);
        // The help screen leaves only the command's own label enabled.
        w->Disabloi();
        w->PLaina->setEnabled(true);
        const std::pair<std::function<void()>, QString> steps[] = {
            {[&] { click(w->PLaina); }, kEarlierHint}, // nobody chosen yet
            {[&] { pickFromList(w->Lainaaja, "Aino"); }, hint::kTickLoans},
            {[&] { tickEntry(w->Laina, "b"); }, hint::kClickDeleteLoan},
            {[&] { click(w->PLaina); }, hint::kLoansDeleted},
            {[&] {
                 w->PLainaaja->setEnabled(true);
                 pickFromList(w->Lainaaja, "Ville");
             },
             hint::kClickDeleteBorrower},
            {[&] { click(w->PLainaaja); }, hint::kBorrowerDeleted},
        };
        for (int step = 0; step < int(std::size(steps)); ++step) {
            steps[step].first();
            QVERIFY2(w->ohjeteksti->text() == steps[step].second,
                     qPrintable(QString::number(step)));
        }
        QCOMPARE(dialogs.shown, QList<Message>{msg::kChooseAndTick});
        QCOMPARE(recordLines("Aino.kdx"), expectedRecords({"a"}, 30));
        QVERIFY(!exists("Ville.kdx"));
    }

    void deletesThePickedBorrower_data() {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("picked");
        QTest::addColumn<QString>("typedAfter");
        QTest::addColumn<bool>("loanFileMissing");
        QTest::addColumn<QStringList>("stored");
        using L = QStringList;
        // clang-format off
        QTest::newRow("slot 2 of five")    << kFive         << "Cecilia" << ""     << false << L{"Aino", "Bertta", "", "Daavid", "Eero"};
        QTest::newRow("the only borrower") << L{"", "Aino"} << "Aino"    << ""     << false << L{};
        QTest::newRow("typed after pick")  << kFive         << "Bertta"  << "Eero" << false << L{"Aino", "", "Cecilia", "Daavid", "Eero"};
        QTest::newRow("loan file missing") << kFive         << "Daavid"  << ""     << true  << L{"Aino", "Bertta", "Cecilia", "", "Eero"};
        // clang-format on
    }

    void deletesThePickedBorrower() {
        QFETCH(QStringList, names);
        QFETCH(QString, picked);
        QFETCH(QString, typedAfter);
        QFETCH(bool, loanFileMissing);
        QFETCH(QStringList, stored);
        writeLedger(names);
        if (loanFileMissing)
            QVERIFY(QFile::remove(picked + ".kdx"));
        reopen();
        pickFromList(w->Lainaaja, picked);
        if (!typedAfter.isEmpty())
            retype(w->Lainaaja, typedAfter);

        click(w->PLainaaja);

        QVERIFY(dialogs.shown.isEmpty());
        QCOMPARE(recordLines("nimet.kdx"), expectedRecords(stored, 100));
        QVERIFY(!exists(picked + ".kdx"));
        QStringList listed;
        for (const QString& name : stored) {
            if (!name.isEmpty()) {
                QCOMPARE(recordLines(name + ".kdx"), expectedRecords({"laina of " + name}, 30));
                listed << name;
            }
        }
        QCOMPARE(entries(w->Lainaaja),
                 listed.isEmpty() ? QStringList{ui_text::kNoBorrowers} : listed);
        QCOMPARE(w->Lainaaja->currentText(), ui_text::kPrompt);
    }

    void borrowerRefusals_data() {
        QTest::addColumn<QStringList>("names"); // no register file when empty
        QTest::addColumn<QString>("deletedBefore");
        QTest::addColumn<Message>("expected");
        // clang-format off
        QTest::newRow("no borrower chosen")              << kFive         << ""     << msg::kChooseBorrower;
        QTest::newRow("chosen borrower already deleted") << kFive         << "Aino" << msg::kBorrowerMissing;
        QTest::newRow("no register file")                << QStringList{} << ""     << msg::kNoNamesToDelete;
        QTest::newRow("register of free slots")          << QStringList{""} << ""   << msg::kNoNamesToDelete;
        // clang-format on
    }

    void borrowerRefusals() {
        QFETCH(QStringList, names);
        QFETCH(QString, deletedBefore);
        QFETCH(Message, expected);
        if (!names.isEmpty())
            writeLedger(names);
        reopen();
        w->ohjeteksti->show();
        if (!deletedBefore.isEmpty()) {
            pickFromList(w->Lainaaja, deletedBefore);
            click(w->PLainaaja);
            retype(w->Lainaaja, "Eero");
        }
        w->ohjeteksti->setText(kEarlierHint);
        const QStringList filesBefore = filesInWorkDir();
        const QByteArrayList registerBefore = recordLines("nimet.kdx");

        click(w->PLainaaja);

        QCOMPARE(dialogs.shown.last(), expected);
        QCOMPARE(recordLines("nimet.kdx"), registerBefore);
        QCOMPARE(filesInWorkDir(), filesBefore);
        QCOMPARE(w->Lainaaja->currentText(), ui_text::kPrompt);
        QCOMPARE(w->ohjeteksti->text(), kEarlierHint);
        QVERIFY(w->Vilkuta->isEnabled());
    }

    // Names like these come only from a register written by hand or by an older program.
    void unsafeNamesTouchNoOtherFile_data() {
        QTest::addColumn<QString>("picked");
        QTest::newRow("the register's own name") << "nimet";
        QTest::newRow("a path out of the folder") << "../victim";
        QTest::newRow("the parent folder") << "..";
    }

    void unsafeNamesTouchNoOtherFile() {
        QFETCH(QString, picked);
        QVERIFY(QDir().mkdir("work"));
        writeBytes("victim.kdx", "keep me\r\n");
        writeBytes(".kdx", "keep me too\r\n");
        QDir::setCurrent("work");
        writeRecordFile("nimet.kdx", {"Aino", picked}, 100);
        reopen();
        pickFromList(w->Lainaaja, picked);

        click(w->PLainaaja);

        QVERIFY(dialogs.shown.isEmpty());
        QCOMPARE(recordLines("nimet.kdx"), expectedRecords({"Aino"}, 100));
        QCOMPARE(readBytes("../victim.kdx"), QByteArray("keep me\r\n"));
        QCOMPARE(readBytes("../.kdx"), QByteArray("keep me too\r\n"));
        w.reset();
        QDir::setCurrent(dir->path());
    }

  private:
    void openWithAinoLoans(const QStringList& ainoLoans) {
        writeRecordFile("nimet.kdx", {"Aino", "", "Pekka", "Ville"}, 100);
        writeRecordFile("Aino.kdx", ainoLoans, 30);
        writeRecordFile("Pekka.kdx", {}, 30);
        writeRecordFile("Ville.kdx", {"sateenvarjo"}, 30);
        reopen();
    }

    void tickAll(const QStringList& loans) {
        for (const QString& loan : loans)
            tickEntry(w->Laina, loan);
        QCOMPARE(tickedEntries(w->Laina), loans);
    }
};

QTEST_MAIN(DeleteTest)
#include "tst_delete.moc"
