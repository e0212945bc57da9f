#include "ledger/RecordFile.h"
#include "support/Harness.h"

#include <QApplication>
#include <QProcess>
#include <QRandomGenerator>
#include <QTest>
#include <csignal>
#include <cstdio>
#include <thread>

namespace {

// Each save fills a different number of slots, so that a cut-off file cannot pass as whole.
template <typename Table> Table saved(int round) {
    Table table;
    for (int slot = 0; slot <= round % int(table.size()); ++slot)
        table[slot] = QStringLiteral("Lainaaja %1 tallennuksesta %2").arg(slot).arg(round);
    return table;
}

// The child: saves the loan file, then the register, as the add command does, until killed.
[[noreturn]] void saveUntilKilled() {
    for (int round = 1;; ++round) {
        const QString header = QString::number(round);
        ledger::writeRecords(u"Aino.kdx"_qs, header, saved<ledger::LoanTable>(round));
        ledger::writeRecords(u"nimet.kdx"_qs, header, saved<ledger::NameTable>(round));
        if (round == 1)
            std::fputs("saving\n", stdout), std::fflush(stdout);
    }
}

// Which save the file holds, whole to the last CR LF, or 0. Its header is the save's number.
template <typename Table> int wholeSave(const QString& fileName) {
    const QByteArray file = readBytes(fileName);
    const int round = file.left(file.indexOf('\r')).toInt();
    return file == ledger::recordBytes(QString::number(round), saved<Table>(round)) ? round : 0;
}

} // namespace

// A save killed at any moment leaves each file whole, old or new, and the program starts on it.
class CrashSafetyTest : public QObject {
    Q_OBJECT

  private slots:
    void killedSavesLeaveWholeFiles() {
        const TempWorkDir dir;
        const int kills = std::max(10, qEnvironmentVariableIntValue("SALDORI_CRASH_KILLS"));
        for (int kill = 0; kill < kills; ++kill) {
            QProcess child;
            child.start(QCoreApplication::applicationFilePath(), {u"--save"_qs});
            QVERIFY(child.waitForReadyRead());
            std::this_thread::sleep_for(
                std::chrono::microseconds(QRandomGenerator::global()->bounded(20000)));
            ::kill(pid_t(child.processId()), SIGKILL);
            QVERIFY(child.waitForFinished());

            // The loan file is saved first, so it is at most one save ahead of the register.
            const int round = wholeSave<ledger::NameTable>(u"nimet.kdx"_qs);
            const int loanRound = wholeSave<ledger::LoanTable>(u"Aino.kdx"_qs);
            QVERIFY2(round > 0 && (loanRound == round || loanRound == round + 1), "a torn file");
            RecordingDialogs dialogs;
            const ledger::NameTable names = saved<ledger::NameTable>(round);
            const Saldori window(dialogs, Ticker::Clock::Manual);
            QCOMPARE(entries(window.Lainaaja),
                     QStringList(names.begin(), names.begin() + round % 100 + 1));
            QVERIFY(dialogs.shown.isEmpty());
        }
        qInfo("%d kills, no torn file", kills);
    }
};

int main(int argc, char* argv[]) {
    if (argc == 2 && QByteArray(argv[1]) == "--save")
        saveUntilKilled();
    QApplication app(argc, argv);
    CrashSafetyTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_crash_safety.moc"
