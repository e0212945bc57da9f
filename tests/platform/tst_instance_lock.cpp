#include "platform/InstanceLock.h"

#include <QDir>
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

    // A lock that names no live copy here is taken over; where none can be made, none is needed.
    void onlyALiveCopyBlocks_data() {
        QTest::addColumn<QByteArray>("lock"); // "/": a folder in its place; null: no folder
        QTest::addColumn<bool>("held");
        QTest::newRow("empty") << QByteArray("") << true;
        QTest::newRow("garbage") << QByteArray("x\ny\n") << true;
        QTest::newRow("another machine") << QByteArray::number(getpid()) + "\nsaldori\nmuu\n"
                                         << true;
        QTest::newRow("a folder in its place") << QByteArray("/") << false;
        QTest::newRow("no runtime folder") << QByteArray() << false;
    }

    void onlyALiveCopyBlocks() {
        QFETCH(QByteArray, lock);
        QFETCH(bool, held);
        QTemporaryDir runtime;
        QFile file(runtime.filePath(QStringLiteral("saldori.lock")));
        if (lock == "/")
            QDir().mkdir(file.fileName());
        else if (!lock.isNull())
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(lock) == lock.size());
        file.close();
        InstanceLock next(lock.isNull() ? runtime.filePath(QStringLiteral("x")) : runtime.path());
        QVERIFY(next.tryAcquire());
        QCOMPARE(next.isHeld(), held);
    }
};

QTEST_GUILESS_MAIN(InstanceLockTest)
#include "tst_instance_lock.moc"
