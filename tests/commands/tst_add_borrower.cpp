#include "ledger/LoanFile.h"
#include "support/Harness.h"
#include "ui/Colours.h"
#include "ui/Hints.h"
#include "ui/MenuLabel.h"
#include "ui/Messages.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {

QStringList numberedNames(int count) {
    QStringList names;
    for (int i = 0; i < count; ++i)
        names << QStringLiteral("Nimi%1").arg(i);
    return names;
}

QStringList withNameAt(int slot, const QString& name) {
    QStringList names(slot + 1);
    names[slot] = name;
    return names;
}

QStringList tableOf(const ledger::NameTable& table) {
    return QStringList(table.begin(), table.end());
}

QStringList padded(QStringList values, int count) {
    while (values.size() < count)
        values << QString();
    return values;
}

} // namespace

class AddBorrowerTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();

    void openingPreparesTheMainScreen();
    void refusedName_data();
    void refusedName();
    void acceptedName_data();
    void acceptedName();
    void backKeepsTheTypedName();
    void aBorrowerAndThreeLoansByKeyboard();
    void guidedAdd();
    void guidedBack();
    void failedSave_data();
    void failedSave();

  private:
    void open(const QStringList& register_);
    void click(QWidget* control) { QTest::mouseClick(control, Qt::LeftButton); }
    void enterName(const QString& text);
    QStringList enabledMenuLabels() const;

    RecordingDialogs dialogs_;
    std::unique_ptr<TempWorkDir> dir_;
    std::unique_ptr<Saldori> w_;
};

void AddBorrowerTest::init() {
    dir_ = std::make_unique<TempWorkDir>();
    dialogs_.shown.clear();
    w_ = openWindow(dialogs_);
}

void AddBorrowerTest::cleanup() {
    w_.reset();
    dir_.reset();
}

// The panel reads the register itself, so the file written here is the one it works on.
void AddBorrowerTest::open(const QStringList& register_) {
    if (!register_.isEmpty())
        writeRecordFile(ledger::kRegisterFile, register_, 100);
    click(w_->LLainaaja);
}

void AddBorrowerTest::enterName(const QString& text) {
    w_->Uusi->clear();
    w_->Uusi->insert(text);
}

QStringList AddBorrowerTest::enabledMenuLabels() const {
    QStringList enabled;
    for (QLabel* label : w_->findChildren<MenuLabel*>()) {
        if (label->isEnabled())
            enabled << label->objectName();
    }
    enabled.sort();
    return enabled;
}

void AddBorrowerTest::openingPreparesTheMainScreen() {
    writeRecordFile(ledger::kRegisterFile, {"Aino"}, 100);
    writeRecordFile("Aino.kdx", {"kirja"}, 30);
    w_->LueNimet();
    w_->LisaaNimet();
    pickFromList(w_->Lainaaja, "Aino");
    QCOMPARE(entries(w_->Laina), QStringList{"kirja"});
    writeRecordFile(ledger::kRegisterFile, {"Aino", "", "Pekka"}, 100);

    click(w_->LLainaaja);

    QVERIFY(Saldori::shown(w_->Add));
    QCOMPARE(w_->liiketila, QStringLiteral("llainaaja"));
    QVERIFY(w_->liikuttaja->isEnabled());
    QCOMPARE(w_->vilkkukohde, 1);
    QVERIFY(w_->Vilkuta->isEnabled());
    QCOMPARE(enabledMenuLabels(), (QStringList{"LLainaaja", "Lopeta"}));
    QCOMPARE(w_->Lainaaja->currentText(), ui_text::kPrompt);
    QVERIFY(!w_->Lainaaja->isEnabled());
    QCOMPARE(w_->Laina->count(), 0);
    QVERIFY(!w_->Laina->isEnabled());
    QCOMPARE(w_->muisti[2], QStringLiteral("Pekka"));
    QVERIFY(!ledger::anyFilled(w_->muisti2));
    QCOMPARE(QApplication::focusWidget(), w_->Uusi);
    QVERIFY(dialogs_.shown.isEmpty());
}

void AddBorrowerTest::refusedName_data() {
    QTest::addColumn<QStringList>("register_");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<Message>("message");

    const QStringList slot57 = withNameAt(57, "Matti");
    QTest::newRow("empty") << QStringList() << "" << msg::kEmptyName;
    QTest::newRow("blanks only") << slot57 << "   " << msg::kEmptyName;
    QTest::newRow("duplicate of slot 57") << slot57 << "Matti" << msg::kDuplicateName;
    QTest::newRow("duplicate with outer blanks") << slot57 << "  Matti " << msg::kDuplicateName;
    QTest::newRow("register full") << numberedNames(100) << "Uusi" << msg::kRegisterFull;
    QTest::newRow("full and duplicate") << numberedNames(100) << "Nimi42" << msg::kDuplicateName;
    QTest::newRow("marker") << slot57 << "Ma×tti" << msg::kUnstorableName;
    QTest::newRow("tab") << slot57 << "Ma\ttti" << msg::kUnstorableName;
    QTest::newRow("emoji") << slot57 << "Matti \U0001F600" << msg::kUnstorableName;
    QTest::newRow("outside the folder") << slot57 << "../x" << msg::kUnusableName;
    QTest::newRow("the register's name") << slot57 << "nimet" << msg::kUnusableName;
    QTest::newRow("the updater's name") << slot57 << "UpDater" << msg::kUnusableName;
    QTest::newRow("300 characters") << slot57 << QString(300, u'a') << msg::kUnusableName;
}

void AddBorrowerTest::refusedName() {
    QFETCH(QStringList, register_);
    QFETCH(QString, typed);
    QFETCH(Message, message);
    open(register_);
    const QByteArray registerBefore = readBytes(ledger::kRegisterFile);
    const QStringList filesBefore = filesInWorkDir();
    const ledger::NameTable namesBefore = w_->muisti;
    enterName(typed);
    QCOMPARE(w_->Uusi->text(), typed);

    click(w_->OK);

    QCOMPARE(dialogs_.shown, QList<Message>{message});
    QCOMPARE(readBytes(ledger::kRegisterFile), registerBefore);
    QCOMPARE(filesInWorkDir(), filesBefore);
    QCOMPARE(w_->muisti, namesBefore);
    QCOMPARE(w_->Uusi->text(), typed);
    QVERIFY(!Saldori::shown(w_->Add1));
    QCOMPARE(w_->liiketila, QStringLiteral("llainaaja"));
}

void AddBorrowerTest::acceptedName_data() {
    QTest::addColumn<QStringList>("register_");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("slot");

    QStringList gapAt5 = numberedNames(100);
    gapAt5[5].clear();
    QTest::newRow("first borrower") << QStringList() << "Liisa"
                                    << "Liisa" << 0;
    QTest::newRow("other case") << QStringList{"liisa"} << "Liisa"
                                << "Liisa" << 1;
    QTest::newRow("only gap") << gapAt5 << "Liisa"
                              << "Liisa" << 5;
    QTest::newRow("outer blanks") << QStringList{"Aino"} << "  Liisa \t"
                                  << "Liisa" << 1;
    QTest::newRow("euro") << QStringList() << "Velka €"
                          << "Velka €" << 0;
    QTest::newRow("comma and quotes") << QStringList() << "Virtanen, \"Liisa\""
                                      << "Virtanen, \"Liisa\"" << 0;
}

void AddBorrowerTest::acceptedName() {
    QFETCH(QStringList, register_);
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    QFETCH(int, slot);
    open(register_);
    enterName(typed);

    click(w_->OK);

    QVERIFY(dialogs_.shown.isEmpty());
    QStringList names = padded(register_, 100);
    names[slot] = stored;
    QCOMPARE(recordLines(ledger::kRegisterFile), expectedRecords(names, 100));
    QCOMPARE(recordLines(stored + ".kdx"), expectedRecords({}, 30));
    QCOMPARE(tableOf(w_->muisti), names);
    w_->LueNimet();
    QCOMPARE(tableOf(w_->muisti), names);

    QCOMPARE(w_->Uusi->text(), QString());
    QCOMPARE(QApplication::focusWidget(), w_->LainaLisaa);
    QCOMPARE(w_->Lainaaja1->currentText(), stored);
    names.removeAll(QString());
    QCOMPARE(entries(w_->Lainaaja1), names);
    QCOMPARE(w_->Lainaaja->currentText(), ui_text::kPrompt);
    QCOMPARE(w_->Lainaaja->count(), 0);
    QCOMPARE(w_->Laina->count(), 0);
    QVERIFY(Saldori::shown(w_->Add1));
    QCOMPARE(w_->liiketila, QStringLiteral("SLAL1"));
    QVERIFY(w_->liikuttaja->isEnabled());
    QCOMPARE(enabledMenuLabels(), QStringList{"Lopeta"});
}

void AddBorrowerTest::backKeepsTheTypedName() {
    open({"Aino"});
    const QStringList filesBefore = filesInWorkDir();
    QTest::keyClicks(w_->Uusi, "Pekka");

    click(w_->sulje1);

    QCOMPARE(w_->liiketila, QStringLiteral("llainaajatakaisin"));
    QVERIFY(w_->liikuttaja->isEnabled());
    QVERIFY(w_->Lainaaja->isEnabled());
    QVERIFY(w_->Laina->isEnabled());
    QCOMPARE(filesInWorkDir(), filesBefore);
    QCOMPARE(w_->muisti[1], QString());

    click(w_->LLainaaja);
    QCOMPARE(w_->Uusi->text(), QStringLiteral("Pekka"));
}

void AddBorrowerTest::aBorrowerAndThreeLoansByKeyboard() {
    open({});
    QTest::keyClicks(QApplication::focusWidget(), "Liisa");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    for (const char* loan : {"kirja", "kyna ja kuori", "10,50 maitoa"}) {
        QCOMPARE(QApplication::focusWidget(), w_->LainaLisaa);
        QTest::keyClicks(QApplication::focusWidget(), QString::fromLatin1(loan));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
    QVERIFY(dialogs_.shown.isEmpty());
    QCOMPARE(recordLines("Liisa.kdx"),
             expectedRecords({"kirja", "kyna ja kuori", "10,50 maitoa"}, 30));
}

void AddBorrowerTest::guidedAdd() {
    w_->ohjeteksti->show();
    click(w_->LLainaaja);
    QCOMPARE(w_->ohjeteksti->text(), hint::kTypeName);
    QCOMPARE(colours::background(w_->Uusi), colours::kYellow);
    QCOMPARE(colours::text(w_->Uusi), colours::kRed);
    QCOMPARE(w_->vilkkukohde, 0);
    QVERIFY(!w_->Vilkuta->isEnabled());
    QCOMPARE(enabledMenuLabels(), (QStringList{"LLainaaja", "Lopeta"}));
    QCOMPARE(w_->liiketila, QStringLiteral("llainaaja"));
    QCOMPARE(QApplication::focusWidget(), w_->Uusi);

    QTest::keyClick(w_->Uusi, 'L');
    QCOMPARE(w_->ohjeteksti->text(), hint::kClickAdd);
    QVERIFY(w_->OK->font().bold());
    QTest::keyClick(w_->Uusi, Qt::Key_Backspace);
    QCOMPARE(w_->ohjeteksti->text(), hint::kTypeName);
    QVERIFY(!w_->OK->font().bold());

    QTest::keyClicks(w_->Uusi, "Liisa");
    click(w_->OK);
    QCOMPARE(w_->ohjeteksti->text(), hint::kChooseBorrowerTypeLoan);
    QVERIFY(!w_->OK->font().bold());
    QCOMPARE(colours::background(w_->Uusi), colours::systemWindow());
    QCOMPARE(colours::text(w_->Uusi), colours::kBlack);
    QVERIFY(!w_->LLainaaja->font().underline());
    QVERIFY(w_->LLaina->font().underline());
    QCOMPARE(enabledMenuLabels(), (QStringList{"LLaina", "Lopeta"}));
    QCOMPARE(colours::background(w_->Lainaaja1), colours::kGreen);
    QCOMPARE(colours::background(w_->LainaLisaa), colours::kCyan);
    QCOMPARE(w_->Uusi->text(), QString());
    QCOMPARE(w_->Lainaaja1->currentText(), QStringLiteral("Liisa"));
    QVERIFY(exists("Liisa.kdx"));
}

void AddBorrowerTest::guidedBack() {
    w_->ohjeteksti->show();
    click(w_->LLainaaja);
    QTest::keyClicks(w_->Uusi, "Pekka");

    click(w_->sulje1);

    QVERIFY(w_->LLainaaja->isEnabled());
    QVERIFY(w_->LLainaaja->font().underline());
    QVERIFY(!w_->LLaina->isEnabled());
    QVERIFY(!w_->LLaina->font().underline());
    QVERIFY(!w_->OK->font().bold());
    QCOMPARE(colours::background(w_->Uusi), colours::systemWindow());
    QCOMPARE(colours::text(w_->Uusi), colours::kBlack);
    QCOMPARE(w_->liiketila, QStringLiteral("ohjellainaajatakaisin"));
    QVERIFY(w_->liikuttaja->isEnabled());
    QCOMPARE(w_->ohjeteksti->text(), hint::kClickAddBorrower);
    QVERIFY(!w_->Lainaaja->isEnabled());
    QVERIFY(!w_->Laina->isEnabled());
    QCOMPARE(w_->Uusi->text(), QStringLiteral("Pekka"));
}

void AddBorrowerTest::failedSave_data() {
    QTest::addColumn<bool>("loanFileOnly");
    QTest::addColumn<QString>("failedFile");
    QTest::newRow("register") << false << QString(ledger::kRegisterFile);
    QTest::newRow("loan file") << true << QStringLiteral("Liisa.kdx");
}

void AddBorrowerTest::failedSave() {
    QFETCH(bool, loanFileOnly);
    QFETCH(QString, failedFile);
    open({"Aino", "", "Pekka"});
    const QByteArrayList registerBefore = recordLines(ledger::kRegisterFile);
    const ledger::NameTable namesBefore = w_->muisti;
    enterName("Liisa");

    if (loanFileOnly) {
        // A folder in the way of the loan file lets the register be written and the loan file not.
        QVERIFY(QDir().mkdir("Liisa.kdx"));
        click(w_->OK);
    } else {
        const FailingWrites failing;
        click(w_->OK);
    }

    QCOMPARE(dialogs_.shown, QList<Message>{msg::saveFailed(failedFile)});
    QCOMPARE(dialogs_.shown.first().icon, Icon::Critical);
    QCOMPARE(recordLines(ledger::kRegisterFile), registerBefore);
    QCOMPARE(w_->muisti, namesBefore);
    QVERIFY(!QFileInfo("Liisa.kdx").isFile());
    QVERIFY(Saldori::shown(w_->Add));
    QVERIFY(!Saldori::shown(w_->Add1));
    QCOMPARE(w_->liiketila, QStringLiteral("llainaaja"));
    QCOMPARE(w_->Uusi->text(), QStringLiteral("Liisa"));
    QCOMPARE(w_->Lainaaja1->currentText(), QStringLiteral("Valitse tästä lainaaja"));
}

QTEST_MAIN(AddBorrowerTest)
#include "tst_add_borrower.moc"
