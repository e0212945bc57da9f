#include "ledger/LoanFile.h"
#include "ledger/RecordFile.h"
#include "ledger/Tables.h"
#include "support/Harness.h"

#include <sys/stat.h>

namespace {

const QByteArray kHeader = "saldori muistaa! 6.12.2026 9:00:00\r\n";

} // namespace

// The register and loan files: what is written byte for byte, what a file the program did not
// write yields, and which borrower names may become a file.
class RecordFileTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TempWorkDir> dir_;

  private slots:
    void init() { dir_ = std::make_unique<TempWorkDir>(); }
    void cleanup() { dir_.reset(); }

    void writesWhatReadsBack() {
        const QString loan = QStringLiteral("Virtanen, \"Liisa\": äiti, öljy 10 €");
        ledger::LoanTable table{loan};
        // A marker in the header would read back as a record.
        const QString header = ledger::recordHeader("sal×dori", "6.12.2026 9:00:00");
        QVERIFY(ledger::writeRecords("f.kdx", header, table));
        QCOMPARE(readBytes("f.kdx"), kHeader +
                                         "Virtanen, \"Liisa\": \xE4iti, \xF6ljy 10 \x80\xD7\r\n" +
                                         records({}, 29));
        ledger::LoanTable readBack;
        ledger::readRecords("f.kdx", readBack);
        QCOMPARE(readBack, table);
    }

    // The slots a file fills of a table that held "vanha" in every slot; later slots keep it.
    void reader_data() {
        QTest::addColumn<QByteArray>("bytes"); // none: no file
        QTest::addColumn<QStringList>("expected");
        const QStringList n40 = numbered("n", 40);
        // clang-format off
        QTest::newRow("40 records, 30 kept")        << kHeader + records(n40, 40) << n40.first(30);
        QTest::newRow("blank line between records") << kHeader + "Aino\xD7\r\n\r\nPekka\xD7\r\n" << QStringList{"Aino", "Pekka"};
        QTest::newRow("blanks, text after marker")  << kHeader + "  Aino  \xD7 ja muuta\xD7\r\n" << QStringList{"Aino"};
        QTest::newRow("free slots keep their place") << kHeader + "\xD7\r\n\xD7\r\nPekka\xD7\r\n" << QStringList{"", "", "Pekka"};
        QTest::newRow("no header: all lines count") << QByteArray("Aino\xD7\r\nPekka\xD7\r\n") << QStringList{"Aino", "Pekka"};
        QTest::newRow("cut short, LF line ends")    << kHeader + "Aino\xD7\nPekka\xD7\nPek" << QStringList{"Aino", "Pekka"};
        QTest::newRow("missing file")               << QByteArray() << QStringList{};
        QTest::newRow("a line of 40 MB, a record")  << QByteArray(40 << 20, 'x') + "\r\nAino\xD7\r\n" << QStringList{"Aino"};
        // clang-format on
    }

    void reader() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, expected);
        if (!bytes.isNull())
            writeBytes("f.kdx", bytes);
        ledger::LoanTable table;
        table.fill("vanha");
        ledger::readRecords("f.kdx", table);
        while (expected.size() < 30)
            expected << "vanha";
        QCOMPARE(QStringList(table.begin(), table.end()), expected);
    }

    // A pipe or a folder by a data file's name must neither block the program nor count as a file.
    void specialFilesAreNotRead() {
        QVERIFY(mkfifo("pipe.kdx", 0600) == 0);
        QVERIFY(QDir().mkdir("folder.kdx"));
        ledger::LoanTable loans{"vanha"};
        ledger::readRecords("pipe.kdx", loans);
        ledger::readRecords("folder.kdx", loans);
        QCOMPARE(loans[0], "vanha");
    }

    void failedSaveLeavesTheOldFileWhole() {
        writeBytes("nimet.kdx", kHeader + "Vanha\xD7\r\n");
        {
            const FailingWrites fullDisk;
            QVERIFY(!ledger::writeRecords("nimet.kdx", "h", ledger::NameTable{"Uusi"}));
        }
        // No temporary file is left behind either.
        QCOMPARE(snapshotWorkDir(),
                 (QMap<QString, QByteArray>{{"nimet.kdx", kHeader + "Vanha\xD7\r\n"}}));
    }

    void fileName_data() {
        QTest::addColumn<QString>("borrower");
        QTest::addColumn<QString>("expected"); // empty: no loan file
        // clang-format off
        QTest::newRow("comma, quotes, letters")    << "Virtanen, \"Äijä\"" << "Virtanen, \"Äijä\".kdx";
        QTest::newRow("other case of an own file") << "Nimet" << "Nimet.kdx";
        QTest::newRow("longest allowed")           << QString(244, u'a') << QString(244, u'a') + ".kdx";
        QTest::newRow("dot")                       << "." << "";
        QTest::newRow("dot dot")                   << ".." << "";
        QTest::newRow("absolute path")             << "/etc/passwd" << "";
        QTest::newRow("NUL")                       << QStringLiteral("a\0b") << "";
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
};

QTEST_GUILESS_MAIN(RecordFileTest)
#include "tst_record_file.moc"
