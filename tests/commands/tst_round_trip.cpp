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

// A borrower and loans typed as a user types them survive restarts, additions and deletions, and
// power cuts, on a desktop whose date and time the files cannot hold.
class RoundTripTest : public WindowTestCase {
    Q_OBJECT

  private slots:
    void borrowerAndLoansSurviveRestarts();

  private:
    void addLoans(const QStringList& loans);
};

namespace {

const QString kBorrower = QStringLiteral("Virtanen, Liisa");
const QString kMilk = QStringLiteral("10,50 € maitoa");
const QString kBook = QStringLiteral("\"kirja\" ja kynä");
const QString kBike = QStringLiteral("polkupyörä");

} // namespace

void RoundTripTest::addLoans(const QStringList& loans) {
    for (const QString& loan : loans) {
        QCOMPARE(QApplication::focusWidget(), w->LainaLisaa);
        typeAndEnter(w->LainaLisaa, loan);
    }
    click(w->sulje2);
    settle(*w);
}

void RoundTripTest::borrowerAndLoansSurviveRestarts() {
    const auto restore = qScopeGuard([saved = QLocale()] { QLocale::setDefault(saved); });
    QLocale::setDefault(QLocale("el_GR"));
    click(w->LLainaaja);
    settle(*w);
    typeAndEnter(w->Uusi, kBorrower);
    settle(*w);
    const QString header = QString::fromLatin1(readBytes("nimet.kdx").split('\r').first());
    QVERIFY2(QRegularExpression(R"(^\S+ muistaa! \d+/\d+/\d\d \d+:\d\d:\d\d \?\.\?\.$)")
                 .match(header)
                 .hasMatch(),
             qPrintable(header));
    QVERIFY(synced.contains(QDir::current().canonicalPath()));
    QCOMPARE(w->Lainaaja1->currentText(), kBorrower);
    addLoans({kMilk, kBook});
    QVERIFY(w->LLaina->isEnabled());

    reopen();
    pickFromList(w->Lainaaja, kBorrower);
    QCOMPARE(entries(w->Laina), (QStringList{kMilk, kBook}));
    click(w->LLaina);
    settle(*w);
    QCOMPARE(w->Lainaaja1->currentText(), kBorrower);
    addLoans({kBike});

    pickFromList(w->Lainaaja, kBorrower);
    tickEntry(w->Laina, kBook);
    click(w->PLaina);
    settle(*w);
    QCOMPARE(entries(w->Laina), (QStringList{kMilk, kBike}));
    QVERIFY(dialogs.shown.isEmpty());

    reopen();
    QCOMPARE(entries(w->Lainaaja), QStringList{kBorrower});
    // Names are exact: a typed "Virtanen" is nobody, and Enter picks nobody.
    retype(w->Lainaaja->lineEdit(), "Virtanen");
    QTest::keyClick(w->Lainaaja->lineEdit(), Qt::Key_Return);
    QCOMPARE(w->Lainaaja->currentText(), QStringLiteral("Virtanen"));
    QCOMPARE(w->Laina->count(), 0);
    pickFromList(w->Lainaaja, kBorrower);
    QCOMPARE(entries(w->Laina), (QStringList{kMilk, kBike}));
    QCOMPARE(recordsIn(kBorrower + ".kdx"), records({kMilk, kBike}, 30));
    QCOMPARE(recordsIn("nimet.kdx"), records({kBorrower}, 100));

    // Closing writes nothing: every change was saved when it was made.
    const auto before = snapshotWorkDir();
    QVERIFY(w->close());
    QCOMPARE(snapshotWorkDir(), before);
}

QTEST_MAIN(RoundTripTest)
#include "tst_round_trip.moc"
