#include "ledger/RecordFile.h"
#include "ledger/Tables.h"
#include "support/Harness.h"

#include <QDir>
#include <QTest>

// The register and loan files: what is written byte for byte, what reads back, and what a
// damaged file yields.
class RecordFileTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { dir_ = std::make_unique<TempWorkDir>(); }
    void cleanup() { dir_.reset(); }

    void writesHeaderThenOneLinePerSlot();
    void loanTableWithOneLoanHasThirtyOneLines();
    void readerRules_data();
    void readerRules();
    void readerKeepsSlotsBeyondTheRecords();
    void missingFileChangesNothing();
    void damagedFilesNeverCrash_data();
    void damagedFilesNeverCrash();
    void failedSaveLeavesTheOldFileWhole_data();
    void failedSaveLeavesTheOldFileWhole();
    void headerNeverHoldsTheMarker();

  private:
    std::unique_ptr<TempWorkDir> dir_;
};

void RecordFileTest::writesHeaderThenOneLinePerSlot() {
    ledger::NameTable names;
    names[0] = QStringLiteral("Aino");
    names[3] = QStringLiteral("Pekka");
    QVERIFY(ledger::writeRecords(QStringLiteral("nimet.kdx"),
                                 QStringLiteral("saldori muistaa! 6.12.2026 9:53:12"), names));

    QByteArray expected = "saldori muistaa! 6.12.2026 9:53:12\r\nAino\xD7\r\n\xD7\r\n\xD7\r\n"
                          "Pekka\xD7\r\n";
    for (int i = 0; i < 96; ++i)
        expected += "\xD7\r\n";
    QCOMPARE(readBytes(QStringLiteral("nimet.kdx")), expected);

    ledger::NameTable readBack;
    ledger::readRecords(QStringLiteral("nimet.kdx"), readBack);
    QCOMPARE(readBack, names);
}

void RecordFileTest::loanTableWithOneLoanHasThirtyOneLines() {
    ledger::LoanTable loans;
    loans[0] = QStringLiteral("Kirja");
    QVERIFY(ledger::writeRecords(QStringLiteral("Aino.kdx"), QStringLiteral("h"), loans));
    QCOMPARE(readBytes(QStringLiteral("Aino.kdx")).count('\n'), 31);
    QCOMPARE(recordLines(QStringLiteral("Aino.kdx")), expectedRecords({"Kirja"}, 30));
}

// Each case: the bytes after a header line, and the slots they fill (the rest stay empty).
void RecordFileTest::readerRules_data() {
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<int>("capacity");

    QByteArray forty, hundredTwenty, thirtyFive;
    QStringList firstForty, firstHundred, firstThirty;
    for (int i = 0; i < 120; ++i) {
        const QByteArray record = "n" + QByteArray::number(i) + "\xD7\r\n";
        if (i < 40) {
            forty += record;
            firstForty << QStringLiteral("n%1").arg(i);
        }
        if (i < 35)
            thirtyFive += record;
        if (i < 30)
            firstThirty << QStringLiteral("n%1").arg(i);
        if (i < 100)
            firstHundred << QStringLiteral("n%1").arg(i);
        hundredTwenty += record;
    }
    QTest::newRow("40 records") << forty << firstForty << 100;
    QTest::newRow("120 records, first 100 kept") << hundredTwenty << firstHundred << 100;
    QTest::newRow("35 loan records, first 30 kept") << thirtyFive << firstThirty << 30;
    QTest::newRow("blank line between records")
        << QByteArray("Aino\xD7\r\n\r\nPekka\xD7\r\n") << QStringList{"Aino", "Pekka"} << 100;
    QTest::newRow("blanks around a record")
        << QByteArray("  Aino  \xD7\r\n") << QStringList{"Aino"} << 100;
    QTest::newRow("text after the marker")
        << QByteArray("kirja\xD7 ja muuta\xD7\r\n") << QStringList{"kirja"} << 30;
    QTest::newRow("free slots keep their place")
        << QByteArray("\xD7\r\n\xD7\r\nPekka\xD7\r\n") << QStringList{"", "", "Pekka"} << 100;
    QTest::newRow("last line cut short")
        << QByteArray("Aino\xD7\r\nPek") << QStringList{"Aino"} << 100;
    QTest::newRow("comma and double quotes survive")
        << QByteArray("Virtanen, \"Liisa\"\xD7\r\n")
        << QStringList{QStringLiteral("Virtanen, \"Liisa\"")} << 100;
    QTest::newRow("Finnish letters and euro")
        << QByteArray("\xC4iti \xF6ljy\xD7\r\n10 \x80\xD7\r\n")
        << QStringList{QStringLiteral("Äiti öljy"), QStringLiteral("10 €")} << 30;
    QTest::newRow("LF line ends") << QByteArray("Aino\xD7\nPekka\xD7\n")
                                  << QStringList{"Aino", "Pekka"} << 100;
}

void RecordFileTest::readerRules() {
    QFETCH(QByteArray, body);
    QFETCH(QStringList, expected);
    QFETCH(int, capacity);

    writeBytes(QStringLiteral("f.kdx"), "saldori muistaa! 6.12.2026 9:00:00\r\n" + body);
    std::vector<QString> table(capacity);
    ledger::readRecords(QStringLiteral("f.kdx"), table);
    expected.resize(capacity);
    QCOMPARE(QStringList(table.begin(), table.end()), expected);
}

void RecordFileTest::readerKeepsSlotsBeyondTheRecords() {
    writeBytes(QStringLiteral("f.kdx"), "h\r\nUusi\xD7\r\n");
    ledger::NameTable names;
    names.fill(QStringLiteral("vanha"));
    ledger::readRecords(QStringLiteral("f.kdx"), names);
    QCOMPARE(names[0], QStringLiteral("Uusi"));
    QCOMPARE(names[1], QStringLiteral("vanha"));
    QCOMPARE(names[99], QStringLiteral("vanha"));
}

void RecordFileTest::missingFileChangesNothing() {
    ledger::LoanTable loans;
    loans[4] = QStringLiteral("ennallaan");
    ledger::readRecords(QStringLiteral("puuttuu.kdx"), loans);
    QDir().mkdir(QStringLiteral("kansio.kdx"));
    ledger::readRecords(QStringLiteral("kansio.kdx"), loans);
    QCOMPARE(loans[4], QStringLiteral("ennallaan"));
    QCOMPARE(ledger::anyFilled(std::span(loans).first(4)), false);
    QCOMPARE(filesInWorkDir(), QStringList());
}

void RecordFileTest::damagedFilesNeverCrash_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("expected");

    QByteArray junk;
    for (int i = 0; i < 4096; ++i)
        junk += char((i * 7919) % 256 == 0xD7 ? 0 : (i * 7919) % 256);
    QTest::newRow("binary junk, then a record") << junk + "\nAino\xD7\r\n" << QStringList{"Aino"};
    QTest::newRow("a line of 40 MB before a record")
        << QByteArray(40 * 1024 * 1024, 'x') + "\r\nAino\xD7\r\n"
        << QStringList{"Aino"};
    QTest::newRow("a 40 MB record is kept whole")
        << QByteArray("h\r\n") + QByteArray(40 * 1024 * 1024, 'y') + "\xD7"
        << QStringList{QString(40 * 1024 * 1024, u'y')};
    QTest::newRow("NUL bytes and undefined bytes")
        << QByteArray("h\r\nA\0no\x81\xD7\r\n", 11) << QStringList{QStringLiteral("A\0no\u0081")};
    QTest::newRow("no final line break") << QByteArray("h\r\nAino\xD7") << QStringList{"Aino"};
}

void RecordFileTest::damagedFilesNeverCrash() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, expected);
    writeBytes(QStringLiteral("f.kdx"), bytes);
    ledger::NameTable names;
    ledger::readRecords(QStringLiteral("f.kdx"), names);
    QCOMPARE(QStringList(names.begin(), names.begin() + expected.size()), expected);
    QVERIFY(!ledger::anyFilled(std::span(names).subspan(expected.size())));
}

void RecordFileTest::failedSaveLeavesTheOldFileWhole_data() {
    QTest::addColumn<bool>("folderInTheWay");
    QTest::newRow("full disk") << false;
    QTest::newRow("a folder where the file goes") << true;
}

void RecordFileTest::failedSaveLeavesTheOldFileWhole() {
    QFETCH(bool, folderInTheWay);
    ledger::NameTable names;
    names[0] = QStringLiteral("Uusi");
    QString target = QStringLiteral("nimet.kdx");
    QByteArray before;
    if (folderInTheWay) {
        QDir().mkdir(target);
    } else {
        before = "saldori muistaa! x\r\nVanha\xD7\r\n";
        writeBytes(target, before);
    }
    {
        const FailingWrites fullDisk;
        QVERIFY(!ledger::writeRecords(target, QStringLiteral("h"), names));
    }
    if (folderInTheWay)
        QVERIFY(QFileInfo(target).isDir());
    else
        QCOMPARE(readBytes(target), before);
    // No temporary file is left behind.
    QCOMPARE(filesInWorkDir(), folderInTheWay ? QStringList() : QStringList{target});
}

void RecordFileTest::headerNeverHoldsTheMarker() {
    const QString header = ledger::recordHeader(QStringLiteral("sal×dori"), QStringLiteral("1.1."));
    QCOMPARE(header, QStringLiteral("saldori muistaa! 1.1."));
}

QTEST_GUILESS_MAIN(RecordFileTest)
#include "tst_record_file.moc"
