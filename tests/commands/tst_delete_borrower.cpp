#include "support/Input.h"
#include "ui/Hints.h"
#include "ui/MenuLabel.h"
#include "ui/Messages.h"

#include <QDir>
#include <QLabel>

namespace {

const QStringList kFive = {"Aino", "Bertta", "Cecilia", "Daavid", "Eero"};
const QByteArray kTestHeader = "saldori muistaa! 6.12.2026 9:00:00\r\n";

void writeLedger(const QStringList& names) {
    writeRecordFile("nimet.kdx", names, 100);
    for (const QString& name : names) {
        if (!name.isEmpty())
            writeRecordFile(name + ".kdx", {"laina of " + name}, 30);
    }
}

QByteArray firstLine(const QString& file) {
    const QByteArray bytes = readBytes(file);
    return bytes.left(bytes.indexOf('\n') + 1);
}

} // namespace

class DeleteBorrowerTest : public QObject {
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

    void deletesThePickedBorrower_data();
    void deletesThePickedBorrower();
    void refusalsRewriteTheRegisterUnchanged_data();
    void refusalsRewriteTheRegisterUnchanged();
    void emptyRegisterWritesNothing_data();
    void emptyRegisterWritesNothing();
    void guidedHelpSteps();
    void failedSaveKeepsTheBorrowerAndLoans();
    void unsafeNamesTouchNoOtherFile_data();
    void unsafeNamesTouchNoOtherFile();

  private:
    RecordingDialogs dialogs_;
    std::unique_ptr<TempWorkDir> dir_;
    std::unique_ptr<Saldori> window_;
};

void DeleteBorrowerTest::deletesThePickedBorrower_data() {
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("picked");
    QTest::addColumn<QString>("typedAfter");
    QTest::addColumn<bool>("loanFileMissing");
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<QStringList>("listed");

    QTest::newRow("slot 2 of five")
        << kFive << "Cecilia"
        << "" << false << QStringList{"Aino", "Bertta", "", "Daavid", "Eero"}
        << QStringList{"Aino", "Bertta", "Daavid", "Eero"};
    QTest::newRow("the only borrower")
        << QStringList{"", "Aino"} << "Aino"
        << "" << false << QStringList{} << QStringList{ui_text::kNoBorrowers};
    QTest::newRow("name typed after picking")
        << kFive << "Bertta"
        << "Eero" << false << QStringList{"Aino", "", "Cecilia", "Daavid", "Eero"}
        << QStringList{"Aino", "Cecilia", "Daavid", "Eero"};
    QTest::newRow("loan file missing")
        << kFive << "Daavid"
        << "" << true << QStringList{"Aino", "Bertta", "Cecilia", "", "Eero"}
        << QStringList{"Aino", "Bertta", "Cecilia", "Eero"};
}

void DeleteBorrowerTest::deletesThePickedBorrower() {
    QFETCH(QStringList, names);
    QFETCH(QString, picked);
    QFETCH(QString, typedAfter);
    QFETCH(bool, loanFileMissing);
    QFETCH(QStringList, stored);
    QFETCH(QStringList, listed);
    writeLedger(names);
    if (loanFileMissing)
        QVERIFY(QFile::remove(picked + ".kdx"));
    window_ = openWindow(dialogs_);
    pickFromList(window_->Lainaaja, picked);
    if (!typedAfter.isEmpty())
        retype(window_->Lainaaja, typedAfter);

    click(window_->PLainaaja);

    QVERIFY(dialogs_.shown.isEmpty());
    QCOMPARE(recordLines("nimet.kdx"), expectedRecords(stored, 100));
    QVERIFY(!exists(picked + ".kdx"));
    for (const QString& name : stored) {
        if (!name.isEmpty())
            QCOMPARE(recordLines(name + ".kdx"), expectedRecords({"laina of " + name}, 30));
    }
    QCOMPARE(entries(window_->Lainaaja), listed);
    QCOMPARE(window_->Lainaaja->currentText(), ui_text::kPrompt);
    QCOMPARE(window_->Laina->count(), 0);
    QVERIFY(window_->liiketila.isEmpty());
    QCOMPARE(window_->vilkkukohde, 3);
    QVERIFY(window_->Vilkuta->isEnabled());
}

void DeleteBorrowerTest::refusalsRewriteTheRegisterUnchanged_data() {
    QTest::addColumn<bool>("deletedBefore");
    QTest::addColumn<Message>("expected");
    QTest::newRow("no borrower chosen") << false << msg::kChooseBorrower;
    QTest::newRow("chosen borrower already deleted") << true << msg::kBorrowerMissing;
}

void DeleteBorrowerTest::refusalsRewriteTheRegisterUnchanged() {
    QFETCH(bool, deletedBefore);
    QFETCH(Message, expected);
    writeLedger(kFive);
    window_ = openWindow(dialogs_);
    window_->ohjeteksti->show();
    window_->ohjeteksti->setText("Valitse lainaaja listalta.");
    QStringList remaining = kFive;
    if (deletedBefore) {
        pickFromList(window_->Lainaaja, "Aino");
        click(window_->PLainaaja);
        QVERIFY(dialogs_.shown.isEmpty());
        retype(window_->Lainaaja, "Eero");
        remaining[0].clear();
        writeRecordFile("nimet.kdx", remaining, 100);
        window_->ohjeteksti->setText("Valitse lainaaja listalta.");
    }
    const QStringList filesBefore = filesInWorkDir();

    click(window_->PLainaaja);

    QCOMPARE(dialogs_.shown, QList<Message>{expected});
    QCOMPARE(recordLines("nimet.kdx"), expectedRecords(remaining, 100));
    QVERIFY(firstLine("nimet.kdx") != kTestHeader);
    QCOMPARE(filesInWorkDir(), filesBefore);
    QCOMPARE(recordLines("Eero.kdx"), expectedRecords({"laina of Eero"}, 30));
    QCOMPARE(window_->Lainaaja->currentText(), ui_text::kPrompt);
    QCOMPARE(entries(window_->Lainaaja).size(), remaining.size() - remaining.count(QString()));
    QCOMPARE(window_->ohjeteksti->text(), QStringLiteral("Valitse lainaaja listalta."));
    QVERIFY(window_->liiketila.isEmpty());
}

void DeleteBorrowerTest::emptyRegisterWritesNothing_data() {
    QTest::addColumn<bool>("registerExists");
    QTest::newRow("no register file") << false;
    QTest::newRow("register of free slots") << true;
}

void DeleteBorrowerTest::emptyRegisterWritesNothing() {
    QFETCH(bool, registerExists);
    if (registerExists)
        writeRecordFile("nimet.kdx", {}, 100);
    const QByteArray before = readBytes("nimet.kdx");
    window_ = openWindow(dialogs_);

    click(window_->PLainaaja);

    const Message expected{"Et voi poistaa lainaajia, sillä muistissa ei ole yhtään nimeä!",
                           Icon::Information, Buttons::Ok, "Saldori"};
    QCOMPARE(dialogs_.shown, QList<Message>{expected});
    QCOMPARE(filesInWorkDir(), registerExists ? QStringList{"nimet.kdx"} : QStringList{});
    QCOMPARE(readBytes("nimet.kdx"), before);
    QVERIFY(window_->Vilkuta->isEnabled());
}

void DeleteBorrowerTest::guidedHelpSteps() {
    writeLedger(kFive);
    window_ = openWindow(dialogs_);
    window_->ohjeteksti->show();
    window_->ohjeteksti->setText("Valitse lainaaja listalta.");
    window_->Disabloi();
    window_->PLainaaja->setEnabled(true);

    pickFromList(window_->Lainaaja, "Bertta");
    QCOMPARE(window_->ohjeteksti->text(), QStringLiteral("Klikkaa 'Poista lainaaja' painiketta."));
    click(window_->PLainaaja);
    QCOMPARE(window_->ohjeteksti->text(),
             QStringLiteral("Lainaaja poistettu. Paina '<<' painiketta lopettaaksesi."));
    QVERIFY(!exists("Bertta.kdx"));
    QVERIFY(dialogs_.shown.isEmpty());
}

void DeleteBorrowerTest::failedSaveKeepsTheBorrowerAndLoans() {
    writeLedger(kFive);
    window_ = openWindow(dialogs_);
    window_->ohjeteksti->show();
    window_->ohjeteksti->setText(hint::kClickDeleteBorrower);
    pickFromList(window_->Lainaaja, "Cecilia");
    const QByteArray registerBefore = readBytes("nimet.kdx");
    const QByteArray loansBefore = readBytes("Cecilia.kdx");
    {
        const FailingWrites diskFull;
        click(window_->PLainaaja);
    }

    QCOMPARE(dialogs_.shown, QList<Message>{msg::saveFailed("nimet.kdx")});
    QCOMPARE(readBytes("nimet.kdx"), registerBefore);
    QCOMPARE(readBytes("Cecilia.kdx"), loansBefore);
    QCOMPARE(entries(window_->Lainaaja), kFive);
    QCOMPARE(window_->ohjeteksti->text(), hint::kClickDeleteBorrower);
    QVERIFY(window_->liiketila.isEmpty());
}

void DeleteBorrowerTest::unsafeNamesTouchNoOtherFile_data() {
    QTest::addColumn<QString>("picked");
    QTest::addColumn<QString>("otherFile");
    QTest::newRow("the register's own name") << "nimet"
                                             << "nimet.kdx";
    QTest::newRow("a path out of the folder") << "../victim"
                                              << "../victim.kdx";
    QTest::newRow("the parent folder") << ".."
                                       << "../.kdx";
}

// Names like these come only from a register written by hand or by an older program.
void DeleteBorrowerTest::unsafeNamesTouchNoOtherFile() {
    QFETCH(QString, picked);
    QFETCH(QString, otherFile);
    QVERIFY(QDir().mkdir("work"));
    writeBytes("victim.kdx", "keep me\r\n");
    writeBytes(".kdx", "keep me too\r\n");
    QDir::setCurrent("work");
    writeRecordFile("nimet.kdx", {"Aino", picked}, 100);
    window_ = openWindow(dialogs_);
    pickFromList(window_->Lainaaja, picked);

    click(window_->PLainaaja);

    QVERIFY(dialogs_.shown.isEmpty());
    QCOMPARE(recordLines("nimet.kdx"), expectedRecords({"Aino"}, 100));
    QVERIFY(exists(otherFile));
    QCOMPARE(readBytes("../victim.kdx"), QByteArray("keep me\r\n"));
    QCOMPARE(readBytes("../.kdx"), QByteArray("keep me too\r\n"));
    QDir::setCurrent(dir_->path());
}

QTEST_MAIN(DeleteBorrowerTest)
#include "tst_delete_borrower.moc"
