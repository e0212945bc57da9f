#include "support/Input.h"
#include "ui/Hints.h"
#include "ui/MenuLabel.h"
#include "ui/Messages.h"

#include <QLabel>
#include <QMap>
#include <optional>

namespace {

const QStringList kRegister = {"Aino", "", "Pekka", "Ville"};

QMap<QString, QByteArray> snapshot() {
    QMap<QString, QByteArray> files;
    for (const QString& file : filesInWorkDir())
        files[file] = readBytes(file);
    return files;
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

enum Scenario { NoneChosen, WithoutLoans, GoneFromRegister, ListShowsNobody };

} // namespace

class DeleteLoansTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        dir_ = std::make_unique<TempWorkDir>();
        dialogs_.shown.clear();
        dialogs_.answers.clear();
    }
    void cleanup() {
        // Leaving the borrower box picks what it shows; that must happen while the window lives.
        if (window_)
            window_->hide();
        window_.reset();
        dir_.reset();
    }

    void deletesTickedAndCompacts_data();
    void deletesTickedAndCompacts();
    void lastLoanGoneOffersTheBorrower_data();
    void lastLoanGoneOffersTheBorrower();
    void refusals_data();
    void refusals();
    void failedLoanSaveKeepsTheLoans_data();
    void failedLoanSaveKeepsTheLoans();
    void failedRegisterSaveKeepsTheBorrower();
    void guidedHelpSteps();

  private:
    void open(const QStringList& ainoLoans, Dialogs* dialogs = nullptr) {
        writeRecordFile("nimet.kdx", kRegister, 100);
        writeRecordFile("Aino.kdx", ainoLoans, 30);
        writeRecordFile("Pekka.kdx", {}, 30);
        writeRecordFile("Ville.kdx", {"sateenvarjo"}, 30);
        if (dialogs) {
            window_ = std::make_unique<Saldori>(*dialogs, Ticker::Clock::Manual);
            window_->show();
            QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        } else {
            window_ = openWindow(dialogs_);
        }
    }
    void tickAll(const QStringList& loans) {
        for (const QString& loan : loans)
            tickEntry(window_->Laina, loan);
        QCOMPARE(tickedEntries(window_->Laina), loans);
    }

    RecordingDialogs dialogs_;
    std::unique_ptr<TempWorkDir> dir_;
    std::unique_ptr<Saldori> window_;
};

void DeleteLoansTest::deletesTickedAndCompacts_data() {
    QTest::addColumn<QStringList>("loans");
    QTest::addColumn<QStringList>("ticked");
    QTest::addColumn<QStringList>("remaining");

    QTest::newRow("two of five") << QStringList{"a", "b", "c", "d", "e"} << QStringList{"b", "d"}
                                 << QStringList{"a", "c", "e"};
    QTest::newRow("both ends") << QStringList{"a", "b", "c"} << QStringList{"a", "c"}
                               << QStringList{"b"};
    QTest::newRow("nothing ticked closes the gaps")
        << QStringList{"a", "", "c", "", "", "f"} << QStringList{} << QStringList{"a", "c", "f"};
    QTest::newRow("commas and quotes survive")
        << QStringList{"10,50 € maitoa", "x", "\"kirja\" ja kynä"} << QStringList{"x"}
        << QStringList{"10,50 € maitoa", "\"kirja\" ja kynä"};
}

void DeleteLoansTest::deletesTickedAndCompacts() {
    QFETCH(QStringList, loans);
    QFETCH(QStringList, ticked);
    QFETCH(QStringList, remaining);
    open(loans);
    const QByteArray registerBefore = readBytes("nimet.kdx");
    pickFromList(window_->Lainaaja, "Aino");
    tickAll(ticked);

    click(window_->PLaina);

    QCOMPARE(recordLines("Aino.kdx"), expectedRecords(remaining, 30));
    QCOMPARE(entries(window_->Laina), remaining);
    QVERIFY(tickedEntries(window_->Laina).isEmpty());
    QCOMPARE(window_->muisti2[remaining.size()], QString());
    QCOMPARE(window_->Lainaaja->currentText(), QStringLiteral("Aino"));
    QCOMPARE(readBytes("nimet.kdx"), registerBefore);
    QVERIFY(dialogs_.shown.isEmpty());
    QCOMPARE(window_->vilkkukohde, 4);
    QVERIFY(window_->Vilkuta->isEnabled());
}

void DeleteLoansTest::lastLoanGoneOffersTheBorrower_data() {
    QTest::addColumn<Answer>("answer");
    QTest::newRow("OK deletes the borrower") << Answer::Ok;
    QTest::newRow("Cancel keeps the borrower") << Answer::Cancel;
}

void DeleteLoansTest::lastLoanGoneOffersTheBorrower() {
    QFETCH(Answer, answer);
    open({"a", "", "b"});
    const QByteArray registerBefore = readBytes("nimet.kdx");
    pickFromList(window_->Lainaaja, "Aino");
    tickAll({"a", "b"});
    dialogs_.answers.enqueue(answer);

    click(window_->PLaina);

    const Message question{
        "Lainaajalla Aino ei ole enää lainoja. Haluatko poistaa kyseisen lainaajan listalta?",
        Icon::Question, Buttons::OkCancel, "Saldori"};
    QCOMPARE(dialogs_.shown, QList<Message>{question});
    QVERIFY(exists("Pekka.kdx") && exists("Ville.kdx"));
    if (answer == Answer::Ok) {
        QCOMPARE(recordLines("nimet.kdx"), expectedRecords({"", "", "Pekka", "Ville"}, 100));
        QVERIFY(!exists("Aino.kdx"));
        QCOMPARE(entries(window_->Lainaaja), (QStringList{"Pekka", "Ville"}));
        QCOMPARE(window_->Lainaaja->currentText(), ui_text::kPrompt);
        QCOMPARE(window_->Laina->count(), 0);
    } else {
        QCOMPARE(readBytes("nimet.kdx"), registerBefore);
        QCOMPARE(recordLines("Aino.kdx"), expectedRecords({}, 30));
        QCOMPARE(entries(window_->Lainaaja), (QStringList{"Aino", "Pekka", "Ville"}));
        QCOMPARE(window_->Lainaaja->currentText(), QStringLiteral("Aino"));
        QCOMPARE(entries(window_->Laina), QStringList{ui_text::kNoLoans});
    }
}

void DeleteLoansTest::refusals_data() {
    QTest::addColumn<int>("scenario");
    QTest::addColumn<Message>("expected");

    QTest::newRow("no borrower chosen") << int(NoneChosen) << msg::kChooseAndTick;
    QTest::newRow("borrower without loans") << int(WithoutLoans) << msg::noLoans("Pekka");
    QTest::newRow("current borrower gone from the register")
        << int(GoneFromRegister) << msg::kChooseFromList;
    // Compacting a list that shows nobody's loans would empty the borrower's file.
    QTest::newRow("list shows nobody's loans") << int(ListShowsNobody) << msg::kChooseFromList;
}

void DeleteLoansTest::refusals() {
    QFETCH(int, scenario);
    QFETCH(Message, expected);
    open({"a", "b"});
    if (scenario == WithoutLoans)
        pickFromList(window_->Lainaaja, "Pekka");
    if (scenario == GoneFromRegister) {
        pickFromList(window_->Lainaaja, "Aino");
        tickAll({"a", "b"});
        click(window_->PLaina);
        QCOMPARE(dialogs_.shown.size(), 1);
        dialogs_.shown.clear();
        retype(window_->Lainaaja, "Ville");
    }
    if (scenario == ListShowsNobody) {
        pickFromList(window_->Lainaaja, "Aino");
        // The list as the add-loan panel leaves it when it closes.
        window_->Laina->clear();
    }
    const QMap<QString, QByteArray> before = snapshot();
    window_->Vilkuta->stop();

    click(window_->PLaina);

    QCOMPARE(dialogs_.shown, QList<Message>{expected});
    QCOMPARE(snapshot(), before);
    QCOMPARE(window_->vilkkukohde, 4);
    QVERIFY(window_->Vilkuta->isEnabled());
}

void DeleteLoansTest::failedLoanSaveKeepsTheLoans_data() {
    QTest::addColumn<QStringList>("ticked");
    QTest::newRow("one ticked") << QStringList{"b"};
    QTest::newRow("all ticked") << QStringList{"a", "b", "c"};
}

void DeleteLoansTest::failedLoanSaveKeepsTheLoans() {
    QFETCH(QStringList, ticked);
    open({"a", "b", "c"});
    window_->ohjeteksti->show();
    window_->ohjeteksti->setText(hint::kClickDeleteLoan);
    pickFromList(window_->Lainaaja, "Aino");
    tickAll(ticked);
    const QMap<QString, QByteArray> before = snapshot();
    {
        const FailingWrites diskFull;
        click(window_->PLaina);
    }

    QCOMPARE(dialogs_.shown, QList<Message>{msg::saveFailed("Aino.kdx")});
    QCOMPARE(snapshot(), before);
    QCOMPARE(entries(window_->Laina), (QStringList{"a", "b", "c"}));
    QCOMPARE(window_->Lainaaja->currentText(), QStringLiteral("Aino"));
    QCOMPARE(window_->ohjeteksti->text(), hint::kClickDeleteLoan);
}

void DeleteLoansTest::failedRegisterSaveKeepsTheBorrower() {
    DiskFillsOnQuestion dialogs;
    open({"a"}, &dialogs);
    const QByteArray registerBefore = readBytes("nimet.kdx");
    pickFromList(window_->Lainaaja, "Aino");
    tickAll({"a"});

    click(window_->PLaina);
    dialogs.full.reset();

    QCOMPARE(dialogs.recorded.shown.size(), 2);
    QCOMPARE(dialogs.recorded.shown.last(), msg::saveFailed("nimet.kdx"));
    QCOMPARE(readBytes("nimet.kdx"), registerBefore);
    QCOMPARE(recordLines("Aino.kdx"), expectedRecords({}, 30));
    QCOMPARE(entries(window_->Lainaaja), (QStringList{"Aino", "Pekka", "Ville"}));
    QCOMPARE(window_->Lainaaja->currentText(), QStringLiteral("Aino"));
    QCOMPARE(entries(window_->Laina), QStringList{ui_text::kNoLoans});
    QVERIFY(window_->liiketila.isEmpty());
}

void DeleteLoansTest::guidedHelpSteps() {
    open({"a", "b"});
    window_->ohjeteksti->show();
    window_->ohjeteksti->setText("Valitse lainaaja listalta.");
    window_->Disabloi();
    window_->PLaina->setEnabled(true);

    click(window_->PLaina);
    QCOMPARE(window_->ohjeteksti->text(), QStringLiteral("Valitse lainaaja listalta."));
    pickFromList(window_->Lainaaja, "Aino");
    QCOMPARE(window_->ohjeteksti->text(), hint::kTickLoans);
    tickEntry(window_->Laina, "b");
    QCOMPARE(window_->ohjeteksti->text(), QStringLiteral("Klikkaa 'Poista laina' painiketta."));
    click(window_->PLaina);
    QCOMPARE(window_->ohjeteksti->text(), QStringLiteral("Klikkaa '<<' nappia lopettaaksesi."));
    QCOMPARE(recordLines("Aino.kdx"), expectedRecords({"a"}, 30));
    QCOMPARE(dialogs_.shown, QList<Message>{msg::kChooseAndTick});
}

QTEST_MAIN(DeleteLoansTest)
#include "tst_delete_loans.moc"
