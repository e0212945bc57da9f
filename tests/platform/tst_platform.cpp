#include "platform/InstanceLock.h"
#include "platform/Translation.h"
#include "support/Harness.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utime.h>

// Only a live copy's lock blocks a start; a message box shows what is asked, buttons in Finnish.
class PlatformTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QVERIFY(installFinnishTranslation(*qApp)); }

    void onlyALiveCopyBlocks_data() {
        QTest::addColumn<QByteArray>("lock"); // "/": a folder in its place; null: no folder
        QTest::addColumn<bool>("held");
        // clang-format off
        QTest::newRow("none")                  << QByteArray("-") << true;
        QTest::newRow("of a copy that died")   << QByteArray("died") << true;
        QTest::newRow("garbage")               << QByteArray("x\ny\n") << true;
        QTest::newRow("another machine")       << QByteArray::number(getpid()) + "\nsaldori\nmuu\n" << true;
        QTest::newRow("a folder in its place") << QByteArray("/") << false;
        QTest::newRow("no runtime folder")     << QByteArray() << false;
        // clang-format on
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

    // A copy may run for weeks, and where the file system takes no flock its lock is the file
    // alone: untouched for a month, it still keeps a second copy out while its holder lives.
    void aLiveCopysOldLockBlocks() {
        QTemporaryDir runtime;
        const QString path = runtime.filePath("saldori.lock");
        InstanceLock first(runtime.path());
        QVERIFY(first.tryAcquire());
        const QByteArray held = readBytes(path);
        first.release();
        writeBytes(path, held);
        const utimbuf monthAgo{0, time(nullptr) - 30 * 24 * 3600};
        QVERIFY(utime(QFile::encodeName(path).constData(), &monthAgo) == 0);
        QVERIFY(!InstanceLock(runtime.path()).tryAcquire());
    }

    // Another copy starting at the same moment has made its lock but not yet written its id.
    void aLockBeingMadeBlocks() {
        QTemporaryDir runtime;
        const QByteArray path = QFile::encodeName(runtime.filePath("saldori.lock"));
        const QByteArray info = QByteArray::number(getpid() + 1) + "\nsaldori\n" +
                                QSysInfo::machineHostName().toUtf8() + '\n';
        int made[2];
        QVERIFY(pipe(made) == 0);
        const pid_t other = fork();
        if (other == 0) {
            const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
            if (flock(fd, LOCK_EX) != 0 || write(made[1], "!", 1) != 1)
                _exit(1);
            usleep(100'000);
            const QByteArray own = QByteArray::number(getpid()) + info.mid(info.indexOf('\n'));
            _exit(write(fd, own.constData(), own.size()) == own.size() ? pause() : 1);
        }
        char byte = 0;
        QVERIFY(read(made[0], &byte, 1) == 1);
        const bool started = InstanceLock(runtime.path()).tryAcquire();
        kill(other, SIGKILL);
        waitpid(other, nullptr, 0);
        QVERIFY(!started);
    }

    void showsTheMessageAsAsked_data() {
        // Shown: icon, buttons, open after an early Enter, default, button pressed.
        QTest::addColumn<std::pair<Message, QString>>("row");
        const Message question{"Poistetaanko?", Icon::Question, Buttons::OkCancel};
        // clang-format off
        QTest::newRow("own caption")      << std::pair{Message{"Voit <b>tallentaa", Icon::Information, Buttons::Ok, "saldori - Ei!"}, u"1 OK =OK OK"_qs};
        QTest::newRow("question, OK")     << std::pair{question, u"4 OK Peru auki =OK OK"_qs};
        QTest::newRow("question, Cancel") << std::pair{question, u"4 OK Peru auki =OK Peru"_qs};
        QTest::newRow("destroys data")    << std::pair{Message{"Poistetaanko?", Icon::Question, Buttons::OkCancel, kAppTitle, Answer::Cancel}, u"4 OK Peru auki =Peru OK"_qs};
        QTest::newRow("no icon")          << std::pair{Message{"Virhe!"}, u"0 OK =OK OK"_qs};
        QTest::newRow("a long word")      << std::pair{Message{QString(500, u'a') + "ä̈"}, u"0 OK =OK OK"_qs};
        // clang-format on
    }

    void showsTheMessageAsAsked() {
        const auto& [message, shown] = fetch<std::pair<Message, QString>>();
        QStringList seen;
        QTimer::singleShot(0, this, [&, cancel = shown.endsWith("Peru")] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box && box->textFormat() == Qt::PlainText);
            seen << box->windowTitle() << box->text() << QString::number(box->icon());
            if (box->frameGeometry().width() > box->screen()->availableGeometry().width())
                seen << "leveämpi kuin näyttö";
            for (QAbstractButton* button : box->buttons())
                seen << button->text();
            // Enter pressed before the question could be read does not answer it.
            if (box->buttons().size() == 2) {
                QTest::keyClick(box, Qt::Key_Return);
                seen << (box->isVisible() ? "auki" : "kiinni");
            }
            seen << "=" + box->defaultButton()->text();
            box->button(cancel ? QMessageBox::Cancel : QMessageBox::Ok)->click();
        });
        const Answer answer = MessageBoxDialogs().show(message);
        QCOMPARE(seen.join(u' ').remove(u'\u200B') + (answer == Answer::Ok ? " OK" : " Peru"),
                 message.caption + ' ' + message.text + ' ' + shown);
    }
};

QTEST_MAIN(PlatformTest)
#include "tst_platform.moc"
