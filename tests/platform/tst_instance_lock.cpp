#include "platform/InstanceLock.h"

#include <QTemporaryDir>
#include <QTest>
#include <sys/wait.h>
#include <unistd.h>

// One running copy at a time; a lock that names no live copy here does not
// block the next start, and where no lock can be made, none is needed.
class InstanceLockTest : public QObject {
    Q_OBJECT

  private slots:
    void onlyALiveCopyBlocks_data() {
        QTest::addColumn<QByteArray>("lock"); // "/": a folder in its place; null: no folder
        QTest::addColumn<bool>("held");
        QTest::newRow("none") << QByteArray("-") << true;
        QTest::newRow("of a copy that died") << QByteArray("died") << true;
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
        QFile file(runtime.filePath("saldori.lock"));
        if (lock == "died" && fork() == 0)
            _exit(InstanceLock(runtime.path()).tryAcquire() ? 0 : 1); // no release, as in a crash
        if (lock == "died")
            QVERIFY(wait(nullptr) > 0 && file.exists());
        else if (lock == "/")
            QVERIFY(QDir().mkdir(file.fileName()));
        else if (!lock.isNull() && lock != "-")
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(lock) == lock.size());
        file.close();
        const QString path = lock.isNull() ? runtime.filePath("x") : runtime.path();
        InstanceLock first(path);
        QVERIFY(first.tryAcquire());
        QCOMPARE(first.isHeld(), held);
        InstanceLock second(path);
        QCOMPARE(second.tryAcquire(), !held);
        first.release();
        QVERIFY(second.tryAcquire());
    }
};

QTEST_GUILESS_MAIN(InstanceLockTest)
#include "tst_instance_lock.moc"
