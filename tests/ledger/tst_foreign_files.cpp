#include "ledger/SaveLeftovers.h"
#include "support/Harness.h"
#include "ui/MenuLabel.h"
#include "ui/Messages.h"

#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <sys/syscall.h>
#include <unistd.h>

// The files and folders the program syncs.
static QStringList synced;
extern "C" int fsync(int fd) {
    synced << QFileInfo("/proc/self/fd/" + QString::number(fd)).symLinkTarget();
    return int(syscall(SYS_fsync, fd));
}

// Files from elsewhere, desktops in other languages, crashes and power cuts.
class ForeignFilesTest : public WindowTestCase {
    Q_OBJECT

    void addBorrower(const QString& name) {
        click(w->LLainaaja);
        settle(*w);
        typeAndEnter(w->Uusi, name);
    }

  private slots:
    // What could not be read is never written over; what could is kept and added to.
    void addingToARegisterFromElsewhere_data() {
        QTest::addColumn<QByteArray>("bytes");  // null: one this user may not read
        QTest::addColumn<QStringList>("names"); // after the add; none: refused
        QTest::newRow("UTF-8") << QByteArray("h\r\nAino\xC3\x97\r\n") << QStringList();
        QTest::newRow("unreadable") << QByteArray() << QStringList();
        QTest::newRow("lone CR") << QByteArray("h\rAino\xD7\rPekka\xD7\r")
                                 << QStringList{"Aino", "Pekka", "Liisa"};
        QTest::newRow("header only") << QByteArray("h\r\n") << QStringList{"Liisa"};
    }

    void addingToARegisterFromElsewhere() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, names);
        writeBytes("nimet.kdx", bytes.isNull() ? "h\r\nAino\xD7\r\n" : bytes);
        if (bytes.isNull() &&
            !(QFile::setPermissions("nimet.kdx", {}) && readBytes("nimet.kdx").isEmpty()))
            QSKIP("this user can read every file");
        reopen();
        const auto before = snapshotWorkDir();
        addBorrower("Liisa");
        if (names.isEmpty()) {
            QCOMPARE(dialogs.shown, QList<Message>{msg::unreadableFile("nimet.kdx")});
            QCOMPARE(snapshotWorkDir(), before);
        } else {
            QCOMPARE(recordsIn("nimet.kdx"), records(names, 100));
        }
    }

    void headerInTheDesktopsLanguage_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("dateTime");
        QTest::newRow("Finnish") << "fi_FI"
                                 << R"(\d+\.\d+\.\d{4} \d+\.\d\d\.\d\d)";
        QTest::newRow("Greek") << "el_GR"
                               << R"(\d+/\d+/\d\d \d+:\d\d:\d\d \?\.\?\.)";
    }

    void headerInTheDesktopsLanguage() {
        QFETCH(QString, locale);
        QFETCH(QString, dateTime);
        const auto restore = qScopeGuard([saved = QLocale()] { QLocale::setDefault(saved); });
        QLocale::setDefault(QLocale(locale));
        synced.clear();
        addBorrower("Aino");
        QVERIFY(dialogs.shown.isEmpty());
        const QString header = QString::fromLatin1(readBytes("nimet.kdx").split('\r').first());
        QVERIFY2(QRegularExpression("^\\S+ muistaa! " + dateTime + "$").match(header).hasMatch(),
                 qPrintable(header));
        // The folder is synced too, so that the saved name survives a power cut.
        QVERIFY(synced.contains(QDir::current().canonicalPath()));
    }

    // A full disk between the two saves of a new borrower leaves only a loan file nobody names.
    void newBorrowersLoanFileComesFirst() {
        {
            const FailingWrites registerDoesNotFit(250);
            addBorrower("Aino");
        }
        QCOMPARE(dialogs.shown, QList<Message>{msg::saveFailed("nimet.kdx")});
        QCOMPARE(snapshotWorkDir().keys(), QStringList{"Aino.kdx"});
        click(w->OK);
        QCOMPARE(recordsIn("nimet.kdx"), records({"Aino"}, 100));
    }

    void leftoversOfCutSavesGo() {
        for (const char* name :
             {"nimet.kdx.AbCdEf", "A.kdx.QwErTy", "nimet.kdx.backup", "m.txt.AbCdEf"})
            writeBytes(name, "h\r\n");
        ledger::removeSaveLeftovers(QDir::current());
        QCOMPARE(snapshotWorkDir().keys(), (QStringList{"m.txt.AbCdEf", "nimet.kdx.backup"}));
    }
};

QTEST_MAIN(ForeignFilesTest)
#include "tst_foreign_files.moc"
