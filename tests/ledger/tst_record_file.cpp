#include "ledger/RecordFile.h"
#include "ledger/Tables.h"
#include "support/Harness.h"

#include <QDir>
#include <QTest>
#include <sys/stat.h>

// The register and loan files: what is written byte for byte, what reads back, and what a
// damaged file yields.
class RecordFileTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { dir_ = std::make_unique<TempWorkDir>(); }
    void cleanup() { dir_.reset(); }

    void writesHeaderThenOneLinePerSlot();
    void loanTableRoundTrips();
    void readerRules_data();
    void readerRules();
    void specialFilesAreNotRead();
    void failedSaveLeavesTheOldFileWhole_data();
    void failedSaveLeavesTheOldFileWhole();

  private:
    std::unique_ptr<TempWorkDir> dir_;
};

namespace {

const QByteArray kHeader = "saldori muistaa! 6.12.2026 9:00:00\r\n";

QByteArray records(const QStringList& values) {
    QByteArray bytes;
    for (const QString& value : values)
        bytes += value.toLatin1() + "\xD7\r\n";
    return bytes;
}

} // namespace

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
    // A marker in the header would read back as a record.
    QCOMPARE(ledger::recordHeader(QStringLiteral("sal×dori"), QStringLiteral("1.1.")),
             QStringLiteral("saldori muistaa! 1.1."));
}

void RecordFileTest::loanTableRoundTrips() {
    ledger::LoanTable loans;
    loans[0] = QStringLiteral("Virtanen, \"Liisa\": äiti, öljy 10 €");
    QVERIFY(ledger::writeRecords(QStringLiteral("Aino.kdx"), QStringLiteral("h"), loans));
    QCOMPARE(readBytes(QStringLiteral("Aino.kdx")).count('\n'), 31);
    QCOMPARE(recordLines(QStringLiteral("Aino.kdx")), expectedRecords({loans[0]}, 30));

    ledger::LoanTable readBack;
    ledger::readRecords(QStringLiteral("Aino.kdx"), readBack);
    QCOMPARE(readBack, loans);
}

// Each case: the whole file (none when null), and the slots it fills of a table that held
// "vanha" in every slot; the slots past those listed keep it.
void RecordFileTest::readerRules_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("capacity");
    QTest::addColumn<QStringList>("expected");

    QByteArray junk;
    for (int i = 0; i < 4096; ++i)
        junk += char((i * 7919) % 256 == 0xD7 ? 0 : (i * 7919) % 256);
    const QStringList n120 = numbered("n", 120);

    // clang-format off
    QTest::newRow("40 records")                  << kHeader + records(n120.first(40)) << 100 << n120.first(40);
    QTest::newRow("120 records, first 100 kept") << kHeader + records(n120) << 100 << n120.first(100);
    QTest::newRow("35 loans, first 30 kept")     << kHeader + records(n120.first(35)) << 30 << n120.first(30);
    QTest::newRow("blank line between records")  << kHeader + "Aino\xD7\r\n\r\nPekka\xD7\r\n" << 100 << QStringList{"Aino", "Pekka"};
    QTest::newRow("blanks around a record")      << kHeader + "  Aino  \xD7\r\n" << 100 << QStringList{"Aino"};
    QTest::newRow("text after the marker")       << kHeader + "kirja\xD7 ja muuta\xD7\r\n" << 30 << QStringList{"kirja"};
    QTest::newRow("free slots keep their place") << kHeader + "\xD7\r\n\xD7\r\nPekka\xD7\r\n" << 100 << QStringList{"", "", "Pekka"};
    QTest::newRow("no header: all lines count")  << QByteArray("Aino\xD7\r\nPekka\xD7\r\n") << 100 << QStringList{"Aino", "Pekka"};
    QTest::newRow("last line cut short")         << kHeader + "Aino\xD7\r\nPek" << 100 << QStringList{"Aino"};
    QTest::newRow("no final line break")         << kHeader + "Aino\xD7" << 100 << QStringList{"Aino"};
    QTest::newRow("LF line ends")                << kHeader + "Aino\xD7\nPekka\xD7\n" << 100 << QStringList{"Aino", "Pekka"};
    QTest::newRow("comma and double quotes")     << kHeader + "Virtanen, \"Liisa\"\xD7\r\n" << 100 << QStringList{"Virtanen, \"Liisa\""};
    QTest::newRow("Finnish letters and euro")    << kHeader + "\xC4iti \xF6ljy\xD7\r\n10 \x80\xD7\r\n" << 30 << QStringList{"Äiti öljy", "10 €"};
    QTest::newRow("missing file")                << QByteArray() << 30 << QStringList{};
    QTest::newRow("binary junk, then a record")  << junk + "\nAino\xD7\r\n" << 100 << QStringList{"Aino"};
    QTest::newRow("a line of 40 MB, then a record") << QByteArray(40 * 1024 * 1024, 'x') + "\r\nAino\xD7\r\n" << 100 << QStringList{"Aino"};
    // clang-format on
}

void RecordFileTest::readerRules() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, capacity);
    QFETCH(QStringList, expected);

    if (!bytes.isNull())
        writeBytes(QStringLiteral("f.kdx"), bytes);
    std::vector<QString> table(capacity, QStringLiteral("vanha"));
    ledger::readRecords(QStringLiteral("f.kdx"), table);
    while (expected.size() < capacity)
        expected << QStringLiteral("vanha");
    QCOMPARE(slotValues(table), expected);
}

// A pipe or a folder by a data file's name must neither block the program nor count as a file.
void RecordFileTest::specialFilesAreNotRead() {
    QVERIFY(mkfifo("pipe.kdx", 0600) == 0);
    QVERIFY(QDir().mkdir(QStringLiteral("folder.kdx")));
    ledger::LoanTable loans;
    loans[0] = QStringLiteral("vanha");
    ledger::readRecords(QStringLiteral("pipe.kdx"), loans);
    ledger::readRecords(QStringLiteral("folder.kdx"), loans);
    QCOMPARE(slotValues(loans), QStringList{"vanha"} + QStringList(29));
}

void RecordFileTest::failedSaveLeavesTheOldFileWhole_data() {
    QTest::addColumn<bool>("folderInTheWay");
    QTest::newRow("full disk") << false;
    QTest::newRow("a folder where the file goes") << true;
}

void RecordFileTest::failedSaveLeavesTheOldFileWhole() {
    QFETCH(bool, folderInTheWay);
    const QString target = QStringLiteral("nimet.kdx");
    const QByteArray before = kHeader + "Vanha\xD7\r\n";
    if (folderInTheWay)
        QDir().mkdir(target);
    else
        writeBytes(target, before);
    ledger::NameTable names;
    names[0] = QStringLiteral("Uusi");
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

QTEST_GUILESS_MAIN(RecordFileTest)
#include "tst_record_file.moc"
