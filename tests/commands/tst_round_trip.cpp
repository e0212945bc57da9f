#include "support/Harness.h"

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

// A borrower and loans typed as a user types them survive restarts and deletions, and power
// cuts, on a desktop whose date and time the files cannot hold.
class RoundTripTest : public WindowTestCase {
    Q_OBJECT

  private slots:
    void borrowerAndLoansSurviveRestarts() {
        const QString borrower = "Virtanen, Liisa", milk = "10,50 € maitoa";
        const QString book = "\"kirja\" ja kynä", bike = "polkupyörä";
        const auto restore = qScopeGuard([saved = QLocale()] { QLocale::setDefault(saved); });
        QLocale::setDefault(QLocale("el_GR"));
        click(w->LLainaaja);
        settle(*w);
        typeAndEnter(w->Uusi, borrower);
        settle(*w);
        for (const QString& loan : {milk, book, bike})
            typeAndEnter(w->LainaLisaa, loan);
        click(w->sulje2);
        settle(*w);
        const QString header = QString::fromLatin1(readBytes("nimet.kdx").split('\r').first());
        QVERIFY2(QRegularExpression(R"(^\S+ muistaa! \d+/\d+/\d\d \d+:\d\d:\d\d \?\.\?\.$)")
                     .match(header)
                     .hasMatch(),
                 qPrintable(header));
        QVERIFY(synced.contains(QDir::current().canonicalPath()));

        reopen();
        pickFromList(w->Lainaaja, borrower);
        tickEntry(w->Laina, book);
        click(w->PLaina);
        reopen();
        pickFromList(w->Lainaaja, borrower);
        QCOMPARE(entries(w->Laina), (QStringList{milk, bike}));
        QCOMPARE(recordsIn(borrower + ".kdx"), records({milk, bike}, 30));
        QCOMPARE(recordsIn("nimet.kdx"), records({borrower}, 100));
        QVERIFY(dialogs.shown.isEmpty());
        // Closing writes nothing: every change was saved when it was made.
        const auto before = snapshotWorkDir();
        QVERIFY(w->close());
        QCOMPARE(snapshotWorkDir(), before);
    }
};

QTEST_MAIN(RoundTripTest)
#include "tst_round_trip.moc"
