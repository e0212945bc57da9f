#include "platform/InstanceLock.h"

#include <QTemporaryDir>
#include <QTest>
#include <sys/wait.h>
#include <unistd.h>

// One running copy at a time; a copy that died does not block the next start.
class InstanceLockTest : public QObject {
    Q_OBJECT

  private slots:
    void secondCopyIsRefusedWhileTheFirstRuns() {
        QTemporaryDir runtime;
        InstanceLock first(runtime.path());
        QVERIFY(first.tryAcquire());
        InstanceLock second(runtime.path());
        QVERIFY(!second.tryAcquire());
        first.release();
        QVERIFY(second.tryAcquire());
    }

    void lockOfADeadCopyIsTakenOver() {
        QTemporaryDir runtime;
        const pid_t child = fork();
        if (child == 0) {
            InstanceLock crashed(runtime.path());
            // Ends without releasing, as a crash would.
            _exit(crashed.tryAcquire() ? 0 : 1);
        }
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        QCOMPARE(WEXITSTATUS(status), 0);
        QVERIFY(QFile::exists(runtime.filePath(QStringLiteral("saldori.lock"))));

        InstanceLock next(runtime.path());
        QVERIFY(next.tryAcquire());
    }
};

QTEST_GUILESS_MAIN(InstanceLockTest)
#include "tst_instance_lock.moc"
