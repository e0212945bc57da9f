#include "ledger/LoanFile.h"
#include "support/Harness.h"
#include "ui/Colours.h"
#include "ui/Hints.h"
#include "ui/MenuLabel.h"
#include "ui/Messages.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {

QStringList numberedLoans(int count) {
    QStringList loans;
    for (int i = 0; i < count; ++i)
        loans << QStringLiteral("laina %1").arg(i);
    return loans;
}

QStringList tableOf(const ledger::LoanTable& table) {
    return QStringList(table.begin(), table.end());
}

QStringList padded(QStringList values, int count) {
    while (values.size() < count)
        values << QString();
    return values;
}

const QStringList kBorrowers = {"Aino", "", "Liisa", "Pekka"};

} // namespace

class AddLoansTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();

    void opening_data();
    void opening();
    void emptyRegisterOnlyTellsSo();
    void refusedLoan_data();
    void refusedLoan();
    void acceptedLoan_data();
    void acceptedLoan();
    void typingABorrowerMovesOnToTheLoan();
    void pickingABorrowerKeepsTheFocus();
    void settingTheBorrowerWhileHiddenDoesNothing();
    void leaving();
    void guidedAddAndLeave();
    void failedSaveShowsWhatIsStored();

  private:
    void openFor(const QString& borrower);
    void click(QWidget* control) { QTest::mouseClick(control, Qt::LeftButton); }
    void enterLoan(const QString& text);
    QStringList enabledMenuLabels() const;

    RecordingDialogs dialogs_;
    std::unique_ptr<TempWorkDir> dir_;
    std::unique_ptr<Saldori> w_;
};

void AddLoansTest::init() {
    dir_ = std::make_unique<TempWorkDir>();
    dialogs_.shown.clear();
    w_ = openWindow(dialogs_);
}

void AddLoansTest::cleanup() {
    w_.reset();
    dir_.reset();
}

// The register of kBorrowers, the panel opened, and the borrower box set as the program sets it.
void AddLoansTest::openFor(const QString& borrower) {
    writeRecordFile(ledger::kRegisterFile, kBorrowers, 100);
    click(w_->LLaina);
    w_->Lainaaja1->lineEdit()->setText(borrower);
}

void AddLoansTest::enterLoan(const QString& text) {
    w_->LainaLisaa->clear();
    w_->LainaLisaa->insert(text);
}

QStringList AddLoansTest::enabledMenuLabels() const {
    QStringList enabled;
    for (QLabel* label : w_->findChildren<MenuLabel*>()) {
        if (label->isEnabled())
            enabled << label->objectName();
    }
    enabled.sort();
    return enabled;
}

void AddLoansTest::opening_data() {
    QTest::addColumn<QString>("picked");
    QTest::addColumn<QString>("preselected");
    QTest::newRow("borrower shown") << "Liisa"
                                    << "Liisa";
    QTest::newRow("prompt shown") << ""
                                  << "";
}

void AddLoansTest::opening() {
    QFETCH(QString, picked);
    QFETCH(QString, preselected);
    writeRecordFile(ledger::kRegisterFile, kBorrowers, 100);
    writeRecordFile("Liisa.kdx", {"kirja"}, 30);
    w_->LueNimet();
    w_->LisaaNimet();
    if (!picked.isEmpty()) {
        pickFromList(w_->Lainaaja, picked);
        QCOMPARE(entries(w_->Laina), QStringList{"kirja"});
    }

    click(w_->LLaina);

    QVERIFY(dialogs_.shown.isEmpty());
    QCOMPARE(w_->Lainaaja1->currentText(), preselected);
    QCOMPARE(entries(w_->Lainaaja1), (QStringList{"Aino", "Liisa", "Pekka"}));
    QVERIFY(Saldori::shown(w_->Add1));
    QCOMPARE(w_->liiketila, QStringLiteral("llaina"));
    QVERIFY(w_->liikuttaja->isEnabled());
    QCOMPARE(w_->vilkkukohde, 2);
    QVERIFY(w_->Vilkuta->isEnabled());
    QCOMPARE(enabledMenuLabels(), (QStringList{"LLaina", "Lopeta"}));
    QCOMPARE(w_->Lainaaja->currentText(), ui_text::kPrompt);
    QVERIFY(!w_->Lainaaja->isEnabled());
    QCOMPARE(w_->Laina->count(), 0);
    QVERIFY(!w_->Laina->isEnabled());
    QVERIFY(!ledger::anyFilled(w_->muisti2));
    QCOMPARE(QApplication::focusWidget(), w_->LainaLisaa);
}

void AddLoansTest::emptyRegisterOnlyTellsSo() {
    click(w_->LLaina);

    QCOMPARE(dialogs_.shown, QList<Message>{msg::kNoBorrowersForLoans});
    QCOMPARE(enabledMenuLabels().size(), 7);
    QVERIFY(!Saldori::shown(w_->Add1));
    QVERIFY(w_->liiketila.isEmpty());
    QVERIFY(!w_->liikuttaja->isEnabled());
    // The blink already started runs its course.
    QCOMPARE(w_->vilkkukohde, 2);
    QVERIFY(w_->Vilkuta->isEnabled());
    QVERIFY(filesInWorkDir().isEmpty());
}

void AddLoansTest::refusedLoan_data() {
    QTest::addColumn<QStringList>("saved");
    QTest::addColumn<QString>("borrower");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<Message>("message");
    QTest::addColumn<QString>("borrowerAfter");

    const QStringList one = {"kirja"};
    const Message noFile = msg::kNoLoanFile;
    QTest::newRow("empty") << one << "Liisa"
                           << "" << msg::kEmptyLoan << "Liisa";
    QTest::newRow("blanks only") << one << "Liisa"
                                 << "   " << msg::kEmptyLoan << "Liisa";
    QTest::newRow("duplicate") << one << "Liisa"
                               << "kirja" << msg::kDuplicateLoan << "Liisa";
    QTest::newRow("duplicate with outer blanks") << one << "Liisa"
                                                 << " kirja  " << msg::kDuplicateLoan << "Liisa";
    QTest::newRow("marker") << one << "Liisa"
                            << "ki×rja" << msg::kUnstorableLoan << "Liisa";
    QTest::newRow("emoji") << one << "Liisa"
                           << "kirja \U0001F4D6" << msg::kUnstorableLoan << "Liisa";
    QTest::newRow("no borrower") << one << ""
                                 << "kynä" << noFile << "";
    QTest::newRow("unknown borrower") << one << "Maija"
                                      << "kynä" << noFile << "";
    QTest::newRow("path as borrower") << one << "../nimet"
                                      << "kynä" << noFile << "";
    QTest::newRow("register as borrower") << one << "nimet"
                                          << "kynä" << noFile << "";
    QTest::newRow("31st loan") << numberedLoans(30) << "Liisa"
                               << "kynä" << msg::loansFull("Liisa") << "Liisa";
}

void AddLoansTest::refusedLoan() {
    QFETCH(QStringList, saved);
    QFETCH(QString, borrower);
    QFETCH(QString, typed);
    QFETCH(Message, message);
    QFETCH(QString, borrowerAfter);
    writeRecordFile("Liisa.kdx", saved, 30);
    openFor(borrower);
    const QByteArrayList loansBefore = recordLines("Liisa.kdx");
    const QByteArray registerBefore = readBytes(ledger::kRegisterFile);
    const QStringList filesBefore = filesInWorkDir();
    const bool outsideBefore = exists("../nimet.kdx");
    enterLoan(typed);

    click(w_->OK1);

    QCOMPARE(dialogs_.shown, QList<Message>{message});
    QCOMPARE(recordLines("Liisa.kdx"), loansBefore);
    QCOMPARE(readBytes(ledger::kRegisterFile), registerBefore);
    QCOMPARE(filesInWorkDir(), filesBefore);
    QCOMPARE(exists("../nimet.kdx"), outsideBefore);
    QCOMPARE(w_->Lainaaja1->currentText(), borrowerAfter);
    QCOMPARE(w_->LainaLisaa->text(), QString());
    QCOMPARE(QApplication::focusWidget(), w_->LainaLisaa);
    QVERIFY(Saldori::shown(w_->Add1));
}

void AddLoansTest::acceptedLoan_data() {
    QTest::addColumn<QStringList>("saved");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("after");

    QStringList gapAt4 = numberedLoans(30);
    gapAt4[4].clear();
    QStringList filled = gapAt4;
    filled[4] = "kynä";
    QTest::newRow("first loan") << QStringList() << "kynä" << QStringList{"kynä"};
    QTest::newRow("other case") << QStringList{"Kynä"} << "kynä" << QStringList{"Kynä", "kynä"};
    QTest::newRow("gap at slot 4") << gapAt4 << "kynä" << filled;
    QTest::newRow("outer blanks") << QStringList{"kirja"} << "  kynä \t"
                                  << QStringList{"kirja", "kynä"};
    QTest::newRow("comma, quotes and euro")
        << QStringList() << "10,50 € \"maitoa\"" << QStringList{"10,50 € \"maitoa\""};
}

void AddLoansTest::acceptedLoan() {
    QFETCH(QStringList, saved);
    QFETCH(QString, typed);
    QFETCH(QStringList, after);
    writeRecordFile("Liisa.kdx", saved, 30);
    openFor("Liisa");
    enterLoan(typed);

    click(w_->OK1);

    QVERIFY(dialogs_.shown.isEmpty());
    QCOMPARE(recordLines("Liisa.kdx"), expectedRecords(after, 30));
    QCOMPARE(tableOf(w_->muisti2), padded(after, 30));
    w_->MuistiClear();
    w_->Lue1();
    QCOMPARE(tableOf(w_->muisti2), padded(after, 30));
    QCOMPARE(w_->LainaLisaa->text(), QString());
    QCOMPARE(QApplication::focusWidget(), w_->LainaLisaa);
    QCOMPARE(w_->Lainaaja1->currentText(), QStringLiteral("Liisa"));
}

void AddLoansTest::typingABorrowerMovesOnToTheLoan() {
    openFor("");
    w_->Lainaaja1->setFocus();
    QCOMPARE(QApplication::focusWidget(), w_->Lainaaja1);

    QTest::keyClick(w_->Lainaaja1->lineEdit(), 'x');

    QCOMPARE(QApplication::focusWidget(), w_->LainaLisaa);
    QCOMPARE(w_->Lainaaja1->currentText(), QStringLiteral("x"));
}

void AddLoansTest::pickingABorrowerKeepsTheFocus() {
    openFor("");
    w_->Lainaaja1->setFocus();

    pickFromList(w_->Lainaaja1, "Pekka");

    QCOMPARE(w_->Lainaaja1->currentText(), QStringLiteral("Pekka"));
    QVERIFY(QApplication::focusWidget() != w_->LainaLisaa);
}

void AddLoansTest::settingTheBorrowerWhileHiddenDoesNothing() {
    w_->Lainaaja->setFocus();

    w_->Lainaaja1_Change();

    QCOMPARE(QApplication::focusWidget(), w_->Lainaaja);
    QVERIFY(dialogs_.shown.isEmpty());
}

void AddLoansTest::leaving() {
    writeRecordFile("Liisa.kdx", {"kirja"}, 30);
    openFor("Liisa");
    enterLoan("kynä");
    click(w_->OK1);
    const QStringList filesBefore = filesInWorkDir();
    const QByteArray loansBefore = readBytes("Liisa.kdx");

    click(w_->sulje2);

    QCOMPARE(w_->liiketila, QStringLiteral("llainatakaisin"));
    QVERIFY(w_->liikuttaja->isEnabled());
    QVERIFY(!w_->ohjeliikuttaja->isEnabled());
    QVERIFY(w_->Lainaaja->isEnabled());
    QVERIFY(w_->Laina->isEnabled());
    QCOMPARE(entries(w_->Lainaaja), (QStringList{"Aino", "Liisa", "Pekka"}));
    QCOMPARE(w_->Lainaaja->currentText(), ui_text::kPrompt);
    QCOMPARE(w_->Laina->count(), 0);
    QCOMPARE(filesInWorkDir(), filesBefore);
    QCOMPARE(readBytes("Liisa.kdx"), loansBefore);
}

void AddLoansTest::guidedAddAndLeave() {
    writeRecordFile("Liisa.kdx", {}, 30);
    w_->ohjeteksti->show();
    openFor("Liisa");
    QCOMPARE(enabledMenuLabels().size(), 7);
    QCOMPARE(w_->vilkkukohde, 0);
    QVERIFY(!w_->Vilkuta->isEnabled());
    QCOMPARE(colours::background(w_->Lainaaja1), colours::kGreen);
    QCOMPARE(colours::background(w_->LainaLisaa), colours::kCyan);
    QCOMPARE(w_->ohjeteksti->text(), hint::kChooseBorrowerTypeLoan);
    QCOMPARE(QApplication::focusWidget(), w_->LainaLisaa);

    QTest::keyClick(w_->LainaLisaa, 'k');
    QCOMPARE(w_->ohjeteksti->text(), hint::kClickAdd);
    QVERIFY(w_->OK1->font().bold());
    QTest::keyClick(w_->LainaLisaa, Qt::Key_Backspace);
    QCOMPARE(w_->ohjeteksti->text(), hint::kChooseBorrowerTypeLoan);
    QVERIFY(!w_->OK1->font().bold());

    QTest::keyClicks(w_->LainaLisaa, "kirja");
    click(w_->OK1);
    QCOMPARE(w_->ohjeteksti->text(), hint::kLoanSaved);
    QVERIFY(!w_->OK1->font().bold());
    QCOMPARE(recordLines("Liisa.kdx"), expectedRecords({"kirja"}, 30));

    colours::setUnderline(w_->LLaina, true);
    click(w_->sulje2);
    QCOMPARE(colours::background(w_->Lainaaja1), colours::systemWindow());
    QCOMPARE(colours::background(w_->LainaLisaa), colours::systemWindow());
    QVERIFY(!w_->LLaina->font().underline());
    QCOMPARE(w_->ohjeteksti->text(), hint::kLeaveButton);
    QCOMPARE(w_->liiketila, QStringLiteral("ohjellainatakaisin"));
    QCOMPARE(w_->ohjetila, QStringLiteral("näytä"));
    QVERIFY(w_->ohjeliikuttaja->isEnabled());
    QVERIFY(w_->liikuttaja->isEnabled());
    QCOMPARE(entries(w_->Lainaaja), (QStringList{"Aino", "Liisa", "Pekka"}));
    QCOMPARE(w_->Lainaaja->currentText(), ui_text::kPrompt);
    QVERIFY(w_->Lainaaja->isEnabled());
}

void AddLoansTest::failedSaveShowsWhatIsStored() {
    writeRecordFile("Liisa.kdx", {"kirja"}, 30);
    w_->ohjeteksti->show();
    openFor("Liisa");
    const QByteArray loansBefore = readBytes("Liisa.kdx");
    enterLoan("kynä");

    {
        const FailingWrites failing;
        click(w_->OK1);
    }

    QCOMPARE(dialogs_.shown, QList<Message>{msg::saveFailed("Liisa.kdx")});
    QCOMPARE(readBytes("Liisa.kdx"), loansBefore);
    QCOMPARE(tableOf(w_->muisti2), padded({"kirja"}, 30));
    QVERIFY(w_->ohjeteksti->text() != hint::kLoanSaved);
    QCOMPARE(w_->LainaLisaa->text(), QString());
    QCOMPARE(QApplication::focusWidget(), w_->LainaLisaa);
}

QTEST_MAIN(AddLoansTest)
#include "tst_add_loans.moc"
