#include "ledger/LoanFile.h"
#include "ledger/RecordFile.h"
#include "ledger/StorableText.h"
#include "ledger/Tables.h"
#include "support/Harness.h"

#include <QDir>
#include <QTest>
#include <sys/stat.h>

namespace {

const QByteArray kHeader = "saldori muistaa! 6.12.2026 9:00:00\r\n";

QByteArray records(const QStringList& values) {
    QByteArray bytes;
    for (const QString& value : values)
        bytes += value.toLatin1() + "\xD7\r\n";
    return bytes;
}

} // namespace

// The register and loan files: what is written byte for byte, what reads back, what a damaged
// file yields, which borrower names may become a file and which texts can be stored.
class RecordFileTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TempWorkDir> dir_;

  private slots:
    void init() { dir_ = std::make_unique<TempWorkDir>(); }
    void cleanup() { dir_.reset(); }

    void writesHeaderThenOneLinePerSlot_data() {
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<int>("capacity");
        QTest::addColumn<QByteArray>("body"); // after the header
        const QStringList aino = {"Aino", "", "", "Pekka"};
        const QString loan = QStringLiteral("Virtanen, \"Liisa\": äiti, öljy 10 €");
        // clang-format off
        QTest::newRow("register") << aino << 100 << records(aino) + records(QStringList(96));
        QTest::newRow("loans")    << QStringList{loan} << 30 << "Virtanen, \"Liisa\": \xE4iti, \xF6ljy 10 \x80\xD7\r\n" + records(QStringList(29));
        // clang-format on
    }

    void writesHeaderThenOneLinePerSlot() {
        QFETCH(QStringList, values);
        QFETCH(int, capacity);
        QFETCH(QByteArray, body);
        std::vector<QString> table(capacity);
        std::copy(values.begin(), values.end(), table.begin());
        QVERIFY(ledger::writeRecords(QStringLiteral("f.kdx"),
                                     QString::fromLatin1(kHeader.trimmed()), table));
        QCOMPARE(readBytes(QStringLiteral("f.kdx")), kHeader + body);

        std::vector<QString> readBack(capacity);
        ledger::readRecords(QStringLiteral("f.kdx"), readBack);
        QCOMPARE(readBack, table);
    }

    // A marker in the header would read back as a record.
    void headerHoldsNoMarker() {
        QCOMPARE(ledger::recordHeader(QStringLiteral("sal×dori"), QStringLiteral("1.1.")),
                 QStringLiteral("saldori muistaa! 1.1."));
    }

    // Each case: the whole file (none when null), and the slots it fills of a table that held
    // "vanha" in every slot; the slots past those listed keep it.
    void readerRules_data() {
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

    void readerRules() {
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
    void specialFilesAreNotRead() {
        QVERIFY(mkfifo("pipe.kdx", 0600) == 0);
        QVERIFY(QDir().mkdir(QStringLiteral("folder.kdx")));
        ledger::LoanTable loans;
        loans[0] = QStringLiteral("vanha");
        ledger::readRecords(QStringLiteral("pipe.kdx"), loans);
        ledger::readRecords(QStringLiteral("folder.kdx"), loans);
        QCOMPARE(slotValues(loans), QStringList{"vanha"} + QStringList(29));
    }

    void failedSaveLeavesTheOldFileWhole_data() {
        QTest::addColumn<bool>("folderInTheWay");
        QTest::newRow("full disk") << false;
        QTest::newRow("a folder where the file goes") << true;
    }

    void failedSaveLeavesTheOldFileWhole() {
        QFETCH(bool, folderInTheWay);
        const QString target = QStringLiteral("nimet.kdx");
        const QByteArray before = kHeader + "Vanha\xD7\r\n";
        if (folderInTheWay)
            QDir().mkdir(target);
        else
            writeBytes(target, before);
        const ledger::NameTable names{QStringLiteral("Uusi")};
        {
            const FailingWrites fullDisk;
            QVERIFY(!ledger::writeRecords(target, QStringLiteral("h"), names));
        }
        QCOMPARE(QFileInfo(target).isDir(), folderInTheWay);
        QCOMPARE(readBytes(target), folderInTheWay ? QByteArray() : before);
        // No temporary file is left behind.
        QCOMPARE(filesInWorkDir(), folderInTheWay ? QStringList() : QStringList{target});
    }

    void fileName_data() {
        QTest::addColumn<QString>("borrower");
        QTest::addColumn<QString>("expected"); // empty: no loan file
        // clang-format off
        QTest::newRow("blank, comma, quotes")      << "Virtanen, \"Liisa\"" << "Virtanen, \"Liisa\".kdx";
        QTest::newRow("Finnish letters")           << "Äijälä Öö" << "Äijälä Öö.kdx";
        QTest::newRow("other case of an own file") << "Nimet" << "Nimet.kdx";
        QTest::newRow("dots inside")               << "a..b" << "a..b.kdx";
        QTest::newRow("longest allowed")           << QString(244, u'a') << QString(244, u'a') + ".kdx";
        QTest::newRow("empty")                     << "" << "";
        QTest::newRow("dot")                       << "." << "";
        QTest::newRow("dot dot")                   << ".." << "";
        QTest::newRow("parent path")               << "../x" << "";
        QTest::newRow("absolute path")             << "/etc/passwd" << "";
        QTest::newRow("NUL")                       << QStringLiteral("a\0b") << "";
        QTest::newRow("line feed")                 << "a\nb" << "";
        QTest::newRow("carriage return")           << "a\rb" << "";
        QTest::newRow("too long")                  << QString(245, u'a') << "";
        QTest::newRow("too long in bytes")         << QString(130, u'ä') << "";
        QTest::newRow("the register")              << "nimet" << "";
        QTest::newRow("the updater")               << "UpDater" << "";
        // clang-format on
    }

    void fileName() {
        QFETCH(QString, borrower);
        QFETCH(QString, expected);
        QCOMPARE(ledger::loanFileName(borrower).value_or(QString()), expected);
    }

    void storable_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("expected");
        // clang-format off
        QTest::newRow("euro, letters, quotes") << "10,50 € äöÅ \"kirja\", kynä" << true;
        QTest::newRow("marker")                << "a×b" << false;
        QTest::newRow("line feed")             << "a\nb" << false;
        QTest::newRow("tab")                   << "a\tb" << false;
        QTest::newRow("emoji")                 << "raha 💶" << false;
        QTest::newRow("Cyrillic")              << "Иван" << false;
        // clang-format on
    }

    void storable() {
        QFETCH(QString, text);
        QFETCH(bool, expected);
        QCOMPARE(ledger::isStorable(text), expected);
    }
};

QTEST_GUILESS_MAIN(RecordFileTest)
#include "tst_record_file.moc"
