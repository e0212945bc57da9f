#include "support/Harness.h"
#include "ui/Hints.h"
#include "ui/MenuLabel.h"

#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

// Opening the program on a data folder, and picking a borrower from the list.
class StartupAndPickTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { dir_ = std::make_unique<TempWorkDir>(); }
    void cleanup() { dir_.reset(); }

    void emptyFolderShowsThePlaceholderAndWritesNothing();
    void namesKeepTheirSlots();
    void damagedRegisterStillOpens();
    void pickListsTheLoansUnticked_data();
    void pickListsTheLoansUnticked();
    void pickWithoutLoanFileCreatesNothing();
    void pickNeverReachesOutsideTheFolder();
    void pickHints_data();
    void pickHints();
    void pickWhileEditingFocusesTheEditBox();
    void closingWritesNothing();

  private:
    RecordingDialogs dialogs_;
    std::unique_ptr<TempWorkDir> dir_;
};

void StartupAndPickTest::emptyFolderShowsThePlaceholderAndWritesNothing() {
    const auto window = openWindow(dialogs_);
    QCOMPARE(entries(window->Lainaaja), QStringList{ui_text::kNoBorrowers});
    QCOMPARE(window->Lainaaja->currentText(), ui_text::kPrompt);
    QCOMPARE(window->kenen, ui_text::kPrompt);
    QCOMPARE(window->Laina->count(), 0);
    QVERIFY(!ledger::anyFilled(window->muisti));
    QVERIFY(!ledger::anyFilled(window->muisti2));
    QCOMPARE(filesInWorkDir(), QStringList());
    QVERIFY(dialogs_.shown.isEmpty());
}

void StartupAndPickTest::namesKeepTheirSlots() {
    QStringList slotValues(100);
    slotValues[0] = QStringLiteral("Aino");
    slotValues[5] = QStringLiteral("Pekka");
    writeRecordFile(QStringLiteral("nimet.kdx"), slotValues, 100);
    const auto window = openWindow(dialogs_);
    QCOMPARE(entries(window->Lainaaja), (QStringList{"Aino", "Pekka"}));
    QCOMPARE(window->muisti[5], QStringLiteral("Pekka"));
    QVERIFY(window->muisti[1].isEmpty());
    QCOMPARE(window->Lainaaja->currentText(), ui_text::kPrompt);
}

void StartupAndPickTest::damagedRegisterStillOpens() {
    writeBytes(QStringLiteral("nimet.kdx"), QByteArray("\x00\xff\xfe junk\r\n\"Aino\xD7\r\n", 18));
    const auto window = openWindow(dialogs_);
    QCOMPARE(entries(window->Lainaaja), QStringList{"\"Aino"});
}

void StartupAndPickTest::pickListsTheLoansUnticked_data() {
    QTest::addColumn<QStringList>("loanSlots");
    QTest::addColumn<QStringList>("listed");

    QTest::newRow("gaps at 2 and 3")
        << QStringList{"kirja", "kynä", "", "", "10 €"} << QStringList{"kirja", "kynä", "10 €"};
    QTest::newRow("no loans") << QStringList{} << QStringList{ui_text::kNoLoans};
}

void StartupAndPickTest::pickListsTheLoansUnticked() {
    QFETCH(QStringList, loanSlots);
    QFETCH(QStringList, listed);
    writeRecordFile(QStringLiteral("nimet.kdx"), {"Aino", "Pekka"}, 100);
    writeRecordFile(QStringLiteral("Pekka.kdx"), loanSlots, 30);
    const auto window = openWindow(dialogs_);

    pickFromList(window->Lainaaja, QStringLiteral("Pekka"));
    QCOMPARE(window->kenen, QStringLiteral("Pekka"));
    QCOMPARE(entries(window->Laina), listed);
    for (int i = 0; i < window->Laina->count(); ++i) {
        QCOMPARE(window->Laina->item(i)->checkState(), Qt::Unchecked);
        QVERIFY(window->Laina->item(i)->flags() & Qt::ItemIsUserCheckable);
    }
    loanSlots.resize(30);
    QCOMPARE(QStringList(window->muisti2.begin(), window->muisti2.end()), loanSlots);
    QVERIFY(window->Mtlaina->text().isEmpty());
}

void StartupAndPickTest::pickWithoutLoanFileCreatesNothing() {
    writeRecordFile(QStringLiteral("nimet.kdx"), {"Aino"}, 100);
    const auto window = openWindow(dialogs_);
    window->muisti2[3] = QStringLiteral("edellisen laina");

    pickFromList(window->Lainaaja, QStringLiteral("Aino"));
    QCOMPARE(entries(window->Laina), QStringList{ui_text::kNoLoans});
    QVERIFY(!ledger::anyFilled(window->muisti2));
    QCOMPARE(filesInWorkDir(), QStringList{"nimet.kdx"});
}

// A register from elsewhere may hold a name that is a path; it must not lead out of the folder.
void StartupAndPickTest::pickNeverReachesOutsideTheFolder() {
    QDir().mkdir(QStringLiteral("data"));
    writeRecordFile(QStringLiteral("x.kdx"), {"salainen"}, 30);
    QDir::setCurrent(QStringLiteral("data"));
    writeRecordFile(QStringLiteral("nimet.kdx"), {"../x", "nimet"}, 100);
    const auto window = openWindow(dialogs_);

    for (const QString& name : {QStringLiteral("../x"), QStringLiteral("nimet")}) {
        pickFromList(window->Lainaaja, name);
        QCOMPARE(entries(window->Laina), QStringList{ui_text::kNoLoans});
    }
    QCOMPARE(filesInWorkDir(), QStringList{"nimet.kdx"});
    QDir::setCurrent(QStringLiteral(".."));
    QCOMPARE(filesInWorkDir(), QStringList{"x.kdx"});
}

void StartupAndPickTest::pickHints_data() {
    QTest::addColumn<bool>("deleteBorrowerEnabled");
    QTest::addColumn<QString>("hint");
    QTest::newRow("deleting a borrower") << true << hint::kClickDeleteBorrower;
    QTest::newRow("deleting loans") << false << hint::kTickLoans;
}

void StartupAndPickTest::pickHints() {
    QFETCH(bool, deleteBorrowerEnabled);
    QFETCH(QString, hint);
    writeRecordFile(QStringLiteral("nimet.kdx"), {"Aino"}, 100);
    writeRecordFile(QStringLiteral("Aino.kdx"), {"kirja"}, 30);
    const auto window = openWindow(dialogs_);
    window->ohjeteksti->show();
    window->PLainaaja->setEnabled(deleteBorrowerEnabled);
    window->Mtlaina->setText(QStringLiteral("ennallaan"));

    pickFromList(window->Lainaaja, QStringLiteral("Aino"));
    QCOMPARE(window->ohjeteksti->text(), hint);
    // Guided help leaves the edit box alone.
    QCOMPARE(window->Mtlaina->text(), QStringLiteral("ennallaan"));
}

void StartupAndPickTest::pickWhileEditingFocusesTheEditBox() {
    writeRecordFile(QStringLiteral("nimet.kdx"), {"Aino"}, 100);
    writeRecordFile(QStringLiteral("Aino.kdx"), {"kirja"}, 30);
    const auto window = openWindow(dialogs_);
    window->Muokkaus->show();
    window->Mtlaina->setText(QStringLiteral("vanha"));

    pickFromList(window->Lainaaja, QStringLiteral("Aino"));
    QVERIFY(window->Mtlaina->text().isEmpty());
    QCOMPARE(QApplication::focusWidget(), window->Mtlaina);
}

void StartupAndPickTest::closingWritesNothing() {
    writeRecordFile(QStringLiteral("nimet.kdx"), {"Aino"}, 100);
    writeRecordFile(QStringLiteral("Aino.kdx"), {"kirja"}, 30);
    const QByteArray names = readBytes(QStringLiteral("nimet.kdx"));
    const QByteArray loans = readBytes(QStringLiteral("Aino.kdx"));
    auto window = openWindow(dialogs_);
    pickFromList(window->Lainaaja, QStringLiteral("Aino"));
    QVERIFY(window->close());
    window.reset();
    QCOMPARE(filesInWorkDir(), (QStringList{"Aino.kdx", "nimet.kdx"}));
    QCOMPARE(readBytes(QStringLiteral("nimet.kdx")), names);
    QCOMPARE(readBytes(QStringLiteral("Aino.kdx")), loans);
    QVERIFY(dialogs_.shown.isEmpty());
}

QTEST_MAIN(StartupAndPickTest)
#include "tst_startup_and_pick.moc"
