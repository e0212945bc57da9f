#include "support/Input.h"
#include "ui/Hints.h"
#include "ui/MenuLabel.h"
#include "ui/Messages.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace {

const QStringList kAinoLoans = {"kirja", "", "10,50 € maitoa", "\"lapio\" ja kuokka"};

QStringList thirtyLoans() {
    QStringList loans;
    for (int i = 1; i <= 30; ++i)
        loans << QStringLiteral("laina %1").arg(i);
    return loans;
}

QStringList shownLoans(const QStringList& slotValues) {
    QStringList shown = slotValues;
    shown.removeAll(QString());
    return shown;
}

} // namespace

class EditLoanTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        dir_ = std::make_unique<TempWorkDir>();
        dialogs_.shown.clear();
        writeRecordFile("nimet.kdx", {"Aino", "Pekka", "", "Ville"}, 100);
        writeRecordFile("Aino.kdx", kAinoLoans, 30);
        writeRecordFile("Pekka.kdx", {}, 30);
        writeRecordFile("Ville.kdx", thirtyLoans(), 30);
        window_ = openWindow(dialogs_);
    }
    void cleanup() {
        // Leaving the borrower box picks what it shows; that must happen while the window lives.
        window_->hide();
        window_.reset();
        dir_.reset();
    }

    void openingThePanel();
    void openingWithNoBorrowers();
    void leavingThePanel();
    void clickInListCopiesOnlyWhilePanelOpen();
    void savesInPlace_data();
    void savesInPlace();
    void refusals_data();
    void refusals();
    void borrowerTypedOverTheChosenOne();
    void secondSaveIsADuplicate();
    void enterInEditBoxSaves();
    void failedSaveShowsWhatIsStored();

  private:
    // Opens the panel with the loan picked as a user does: borrower, panel, loan.
    void editLoanOf(const QString& borrower, const QString& loan) {
        pickFromList(window_->Lainaaja, borrower);
        click(window_->Muokkaa);
        if (!loan.isEmpty())
            clickEntry(window_->Laina, loan);
    }

    RecordingDialogs dialogs_;
    std::unique_ptr<TempWorkDir> dir_;
    std::unique_ptr<Saldori> window_;
};

void EditLoanTest::openingThePanel() {
    pickFromList(window_->Lainaaja, "Aino");
    clickEntry(window_->Laina, "10,50 € maitoa");

    click(window_->Muokkaa);

    QVERIFY(Saldori::shown(window_->Muokkaus));
    QCOMPARE(window_->liiketila, QStringLiteral("muokkaus"));
    QVERIFY(window_->liikuttaja->isEnabled());
    QCOMPARE(window_->vilkkukohde, 5);
    QVERIFY(window_->Vilkuta->isEnabled());
    QCOMPARE(window_->Mtlaina->text(), QStringLiteral("10,50 € maitoa"));
    QCOMPARE(QApplication::focusWidget(), window_->Mtlaina);
    for (QWidget* label :
         {window_->LLainaaja, window_->LLaina, window_->PLainaaja, window_->PLaina, window_->Apua})
        QVERIFY2(!label->isEnabled(), qPrintable(label->objectName()));
    QVERIFY(window_->Muokkaa->isEnabled());
    QVERIFY(window_->Lainaaja->isEnabled() && window_->Laina->isEnabled());
    QVERIFY(dialogs_.shown.isEmpty());
}

void EditLoanTest::openingWithNoBorrowers() {
    writeRecordFile("nimet.kdx", {}, 100);
    window_->hide();
    window_ = openWindow(dialogs_);

    click(window_->Muokkaa);

    const Message expected{"Et voi muokata lainoja, kun et ole lisännyt edes lainaajia!",
                           Icon::Information, Buttons::Ok, "Saldori"};
    QCOMPARE(dialogs_.shown, QList<Message>{expected});
    QVERIFY(!Saldori::shown(window_->Muokkaus));
    QVERIFY(!window_->liikuttaja->isEnabled());
    QVERIFY(window_->Vilkuta->isEnabled());
    QVERIFY(window_->LLainaaja->isEnabled() && window_->PLaina->isEnabled());
}

void EditLoanTest::leavingThePanel() {
    editLoanOf("Aino", "kirja");
    window_->liikuttaja->stop();

    click(window_->Command3);

    QCOMPARE(window_->liiketila, QStringLiteral("muokkaustakaisin"));
    QVERIFY(window_->liikuttaja->isEnabled());
    QCOMPARE(window_->Mtlaina->text(), QStringLiteral("kirja"));
    QVERIFY(dialogs_.shown.isEmpty());
}

void EditLoanTest::clickInListCopiesOnlyWhilePanelOpen() {
    pickFromList(window_->Lainaaja, "Aino");
    clickEntry(window_->Laina, "kirja");
    QCOMPARE(window_->Mtlaina->text(), QString());

    click(window_->Muokkaa);
    clickEntry(window_->Laina, "\"lapio\" ja kuokka");
    QCOMPARE(window_->Mtlaina->text(), QStringLiteral("\"lapio\" ja kuokka"));
    tickEntry(window_->Laina, "kirja");
    QCOMPARE(window_->Mtlaina->text(), QStringLiteral("kirja"));
}

void EditLoanTest::savesInPlace_data() {
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("stored");

    QTest::newRow("letter case only")
        << "kirja"
        << "Kirja" << QStringList{"Kirja", "", kAinoLoans[2], kAinoLoans[3]};
    QTest::newRow("middle loan keeps its slot")
        << kAinoLoans[2] << "12,00 € \"maitoa\""
        << QStringList{"kirja", "", "12,00 € \"maitoa\"", kAinoLoans[3]};
    QTest::newRow("outer blanks trimmed")
        << "kirja"
        << "  sanakirja  " << QStringList{"sanakirja", "", kAinoLoans[2], kAinoLoans[3]};
    QTest::newRow("nothing selected fills the first gap")
        << ""
        << "uusi" << QStringList{"kirja", "uusi", kAinoLoans[2], kAinoLoans[3]};
}

void EditLoanTest::savesInPlace() {
    QFETCH(QString, selected);
    QFETCH(QString, typed);
    QFETCH(QStringList, stored);
    editLoanOf("Aino", selected);
    retype(window_->Mtlaina, typed);

    click(window_->Tallenna);

    QVERIFY(dialogs_.shown.isEmpty());
    QCOMPARE(recordLines("Aino.kdx"), expectedRecords(stored, 30));
    QCOMPARE(entries(window_->Laina), shownLoans(stored));
    QVERIFY(window_->Laina->selectedItems().isEmpty());
    QCOMPARE(window_->Mtlaina->text(), typed.trimmed());
    QVERIFY(Saldori::shown(window_->Muokkaus));
}

void EditLoanTest::refusals_data() {
    QTest::addColumn<QString>("borrower");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QString>("typedBorrower");
    QTest::addColumn<QString>("edit");
    QTest::addColumn<Message>("expected");

    const QString none;
    QTest::newRow("no borrower chosen")
        << none << none << none << "uusi" << msg::kChooseBorrowerFirst;
    QTest::newRow("empty edit") << "Aino"
                                << "kirja" << none << "" << msg::kEmptyEdit;
    QTest::newRow("blanks only") << "Aino"
                                 << "kirja" << none << "   " << msg::kEmptyEdit;
    QTest::newRow("borrower without loans")
        << "Pekka" << ui_text::kNoLoans << none << "uusi"
        << Message{"Lainaajalla Pekka ei ole lainoja, joten et voi niitä myöskään muokata."};
    QTest::newRow("borrower typed who is not in the register")
        << "Aino"
        << "kirja"
        << "Ilmari"
        << "uusi" << Message{"Lainaajaa Ilmari ei löydy muistista."};
    QTest::newRow("unchanged") << "Aino"
                               << "kirja" << none << "kirja" << msg::kDuplicateEdit;
    QTest::newRow("another loan's text")
        << "Aino"
        << "kirja" << none << "10,50 € maitoa" << msg::kDuplicateEdit;
    QTest::newRow("duplicate once trimmed")
        << "Aino"
        << "kirja" << none << " 10,50 € maitoa " << msg::kDuplicateEdit;
    QTest::newRow("nothing selected, thirty loans")
        << "Ville" << none << none << "uusi"
        << Message{"Lainaajaa ei löytynyt. Valitse lainaaja listalta."};
    QTest::newRow("marker") << "Aino"
                            << "kirja" << none << "kirja × 2" << msg::kUnstorableLoan;
    QTest::newRow("tab") << "Aino"
                         << "kirja" << none << "kirja\t2" << msg::kUnstorableLoan;
    QTest::newRow("emoji") << "Aino"
                           << "kirja" << none << "kirja 😀" << msg::kUnstorableLoan;
    QTest::newRow("unstorable before no borrower")
        << none << none << none << "a × b" << msg::kUnstorableLoan;
}

void EditLoanTest::refusals() {
    QFETCH(QString, borrower);
    QFETCH(QString, selected);
    QFETCH(QString, typedBorrower);
    QFETCH(QString, edit);
    QFETCH(Message, expected);
    if (!borrower.isEmpty())
        pickFromList(window_->Lainaaja, borrower);
    click(window_->Muokkaa);
    if (!selected.isEmpty())
        clickEntry(window_->Laina, selected);
    if (!typedBorrower.isEmpty())
        retype(window_->Lainaaja, typedBorrower);
    // Pasted rather than typed: some of these cannot be typed key by key.
    window_->Mtlaina->setText(edit);
    const QStringList listBefore = entries(window_->Laina);
    const auto tableBefore = window_->muisti2;
    const QStringList filesBefore = filesInWorkDir();
    QByteArrayList bytesBefore;
    for (const QString& file : filesBefore)
        bytesBefore << readBytes(file);

    click(window_->Tallenna);

    QCOMPARE(dialogs_.shown, QList<Message>{expected});
    QCOMPARE(entries(window_->Laina), listBefore);
    QVERIFY(window_->muisti2 == tableBefore);
    QCOMPARE(filesInWorkDir(), filesBefore);
    for (int i = 0; i < filesBefore.size(); ++i)
        QCOMPARE(readBytes(filesBefore[i]), bytesBefore[i]);
}

// The loans shown are Aino's; saving them under Pekka's name would replace Pekka's file.
void EditLoanTest::borrowerTypedOverTheChosenOne() {
    const QByteArray ainoBefore = readBytes("Aino.kdx");
    const QByteArray pekkaBefore = readBytes("Pekka.kdx");
    editLoanOf("Aino", "kirja");
    retype(window_->Mtlaina, "uusi");
    retype(window_->Lainaaja, "Pekka");

    // A shortcut or an accessibility tool presses the button without taking the focus.
    window_->Tallenna->click();
    QCOMPARE(dialogs_.shown, QList<Message>{msg::kChooseBorrowerFirst});
    QCOMPARE(readBytes("Aino.kdx"), ainoBefore);
    QCOMPARE(readBytes("Pekka.kdx"), pekkaBefore);
}

void EditLoanTest::secondSaveIsADuplicate() {
    editLoanOf("Aino", "kirja");
    retype(window_->Mtlaina, "sanakirja");
    click(window_->Tallenna);
    QVERIFY(dialogs_.shown.isEmpty());

    click(window_->Tallenna);

    const Message duplicate{"Laina on jo listalla.", Icon::None};
    QCOMPARE(dialogs_.shown, QList<Message>{duplicate});
    QCOMPARE(recordLines("Aino.kdx"),
             expectedRecords({"sanakirja", "", kAinoLoans[2], kAinoLoans[3]}, 30));
}

void EditLoanTest::enterInEditBoxSaves() {
    editLoanOf("Aino", kAinoLoans[3]);
    retype(window_->Mtlaina, "lapio");

    QTest::keyClick(window_->Mtlaina, Qt::Key_Return);

    QVERIFY(dialogs_.shown.isEmpty());
    QCOMPARE(recordLines("Aino.kdx"), expectedRecords({"kirja", "", kAinoLoans[2], "lapio"}, 30));
}

void EditLoanTest::failedSaveShowsWhatIsStored() {
    editLoanOf("Aino", "kirja");
    retype(window_->Mtlaina, "sanakirja");
    const QByteArray before = readBytes("Aino.kdx");
    {
        const FailingWrites diskFull;
        click(window_->Tallenna);
    }

    QCOMPARE(dialogs_.shown, QList<Message>{msg::saveFailed("Aino.kdx")});
    QCOMPARE(readBytes("Aino.kdx"), before);
    QCOMPARE(entries(window_->Laina), shownLoans(kAinoLoans));
    QCOMPARE(window_->muisti2[0], QStringLiteral("kirja"));
    QCOMPARE(window_->Mtlaina->text(), QStringLiteral("sanakirja"));
}

QTEST_MAIN(EditLoanTest)
#include "tst_edit_loan.moc"
