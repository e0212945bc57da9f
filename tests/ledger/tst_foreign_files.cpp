#include "ledger/RecordFile.h"
#include "ledger/SaveLeftovers.h"
#include "support/Harness.h"
#include "support/Input.h"
#include "ui/MenuLabel.h"
#include "ui/Messages.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <sys/syscall.h>
#include <unistd.h>

// Every folder and file the program syncs, by path.
static QStringList syncedPaths;
extern "C" int fsync(int fd) {
    char path[4096];
    const ssize_t size = readlink(qPrintable("/proc/self/fd/" + QString::number(fd)), path, 4096);
    syncedPaths << QString::fromLocal8Bit(path, std::max<ssize_t>(size, 0));
    return int(syscall(SYS_fsync, fd));
}

// Files the program did not write, desktops in other languages, crashes and power cuts.
class ForeignFilesTest : public WindowTestCase {
    Q_OBJECT

  private slots:
    // What could not be read is never written over; what could, is kept and added to.
    void addingToFilesFromElsewhere_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("names"); // after the add; none: the file is refused
        QTest::newRow("register in UTF-8")
            << "nimet.kdx" << QByteArray("h\r\nAino\xC3\x97\r\n") << QStringList();
        QTest::newRow("unreadable register") << "nimet.kdx" << QByteArray() << QStringList();
        QTest::newRow("loans in UTF-8")
            << "Aino.kdx" << QByteArray("h\r\nkirja\xC3\x97\r\n") << QStringList();
        QTest::newRow("lone CR") << "nimet.kdx" << QByteArray("h\rAino\xD7\rPekka\xD7\r")
                                 << QStringList{"Aino", "Pekka", "Liisa"};
        QTest::newRow("header only") << "nimet.kdx" << QByteArray("h\r\n") << QStringList{"Liisa"};
        QTest::newRow("empty") << "nimet.kdx" << QByteArray("") << QStringList{"Liisa"};
    }

    void addingToFilesFromElsewhere() {
        QFETCH(QString, file);
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, names);
        writeRecordFile("nimet.kdx", {"Aino"}, 100);
        writeRecordFile("Aino.kdx", {}, 30);
        if (!bytes.isNull())
            writeBytes(file, bytes);
        else if (!QFile::setPermissions(file, {}) || !readBytes(file).isEmpty())
            QSKIP("the user can read any file");
        reopen();
        const auto before = snapshotWorkDir();
        if (file == "Aino.kdx")
            pickFromList(w->Lainaaja, "Aino");
        click(file == "Aino.kdx" ? w->Muokkaa : w->LLainaaja);
        settle(*w);
        typeAndEnter(file == "Aino.kdx" ? w->Mtlaina : w->Uusi, "Liisa");
        if (names.isEmpty()) {
            QCOMPARE(dialogs.shown, QList<Message>{msg::unreadableFile(file)});
            QCOMPARE(snapshotWorkDir(), before);
        } else {
            QCOMPARE(recordLines(file), expectedRecords(names, 100));
        }
    }

    void headerInTheDesktopsLanguage_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("dateTime");
        QTest::newRow("Finnish") << "fi_FI"
                                 << R"(\d+\.\d+\.\d{4} \d+\.\d\d\.\d\d)";
        QTest::newRow("Greek") << "el_GR"
                               << R"(\d+/\d+/\d\d \d+:\d\d:\d\d \?\.\?\.)";
        QTest::newRow("Japanese") << "ja_JP"
                                  << R"(\d{4}/\d\d/\d\d \d+\?\d\d\?\d\d\?)";
    }

    void headerInTheDesktopsLanguage() {
        QFETCH(QString, locale);
        QFETCH(QString, dateTime);
        const auto restore = qScopeGuard([saved = QLocale()] { QLocale::setDefault(saved); });
        QLocale::setDefault(QLocale(locale));
        click(w->LLainaaja);
        settle(*w);
        typeAndEnter(w->Uusi, "Aino");
        QVERIFY(dialogs.shown.isEmpty());
        const QString header = QString::fromLatin1(readBytes("nimet.kdx").split('\r').first());
        QVERIFY2(QRegularExpression("^\\S+ muistaa! " + dateTime + "$").match(header).hasMatch(),
                 qPrintable(header));
    }

    // A full disk between the two saves of a new borrower leaves only a loan file nobody names.
    void newBorrowersLoanFileComesFirst() {
        click(w->LLainaaja);
        settle(*w);
        {
            const FailingWrites registerDoesNotFit(250);
            typeAndEnter(w->Uusi, "Aino");
        }
        QCOMPARE(dialogs.shown, QList<Message>{msg::saveFailed("nimet.kdx")});
        QCOMPARE(filesInWorkDir(), QStringList{"Aino.kdx"});
        click(w->OK);
        QCOMPARE(recordLines("nimet.kdx"), expectedRecords({"Aino"}, 100));
    }

    void savedFolderReachesTheDisk() {
        syncedPaths.clear();
        QVERIFY(ledger::writeRecords("nimet.kdx", "h", ledger::NameTable{}));
        QVERIFY(syncedPaths.contains(QDir::current().canonicalPath()));
    }

    void leftoversOfCutSavesGo() {
        for (const char* name : {"nimet.kdx.AbCdEf", "Aino.kdx.QwErTy", "nimet.kdx.backup",
                                 "muu.txt.AbCdEf", "Aino.kdx.AbCdE1"})
            writeBytes(name, "h\r\n");
        ledger::removeSaveLeftovers(QDir::current());
        QCOMPARE(filesInWorkDir(),
                 (QStringList{"Aino.kdx.AbCdE1", "muu.txt.AbCdEf", "nimet.kdx.backup"}));
    }
};

QTEST_MAIN(ForeignFilesTest)
#include "tst_foreign_files.moc"
