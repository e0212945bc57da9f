#include "ledger/Ledger.h"
#include "ledger/LoanFile.h"
#include "ledger/RecordFile.h"
#include "ledger/SaveLeftovers.h"
#include "ledger/StorableText.h"
#include "ledger/Windows1252.h"
#include "support/Harness.h"

#include <cstdarg>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <thread>

// The sync that fails, counted from 1 at each save (0: none); the history's are not counted.
static int failingSync = 0, syncs = 0;
extern "C" int fsync(int fd) {
    const QFileInfo file(QStringLiteral("/proc/self/fd/%1").arg(fd));
    if (file.symLinkTarget().contains(QStringLiteral("/.historia")))
        return int(syscall(SYS_fsync, fd));
    return ++syncs == failingSync ? (errno = EIO, -1) : int(syscall(SYS_fsync, fd));
}

// Root reads every file, so the file of the row that must not be readable is refused here.
static bool refuseReading = false;
extern "C" int open64(const char* path, int flags, ...) {
    va_list rest;
    va_start(rest, flags);
    const auto mode = (flags & (O_CREAT | O_TMPFILE)) ? va_arg(rest, mode_t) : mode_t(0);
    va_end(rest);
    if (refuseReading && (flags & O_ACCMODE) != O_WRONLY && QByteArray(path).endsWith("f.kdx"))
        return errno = EACCES, -1;
    return int(syscall(SYS_openat, AT_FDCWD, path, flags, mode));
}

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

QString borrowerOf(int round) {
    return QStringLiteral("B%1").arg(round);
}

// The other child: adds a borrower in odd rounds and deletes them in even ones, until killed.
[[noreturn]] void changeUntilKilled() {
    int round = 0;
    ledger::Ledger ledger([&] { return QString::number(round); });
    std::fputs("changing\n", stdout), std::fflush(stdout);
    for (round = 1;; ++round)
        round % 2 ? ledger.addBorrower(borrowerOf(round))
                  : ledger.deleteBorrower(borrowerOf(round - 1));
}

// The data files after that many rounds, with the first `made` files of the next round's change.
QMap<QString, std::optional<QByteArray>> filesAfter(int round, int made = 0) {
    if (made > 0) {
        auto files = filesAfter(round);
        const QString changed = round % 2 ? u"nimet.kdx"_qs : borrowerOf(round + 1) + ".kdx";
        files[changed] = filesAfter(round + 1).value(changed);
        return made == 1 ? files : filesAfter(round + 1);
    }
    ledger::NameTable names;
    names[0] = round % 2 ? borrowerOf(round) : QString();
    QMap<QString, std::optional<QByteArray>> files{
        {"nimet.kdx", round ? ledger::recordBytes(QString::number(round), names) : std::nullopt}};
    for (int borrower = 1; borrower <= round + 1; borrower += 2)
        files[borrowerOf(borrower) + ".kdx"] =
            borrower == round ? ledger::recordBytes(QString::number(round), ledger::LoanTable{})
                              : std::nullopt;
    return files;
}

void startAndKill(const QString& mode) {
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {mode});
    QVERIFY(child.waitForReadyRead());
    std::this_thread::sleep_for(
        std::chrono::microseconds(QRandomGenerator::global()->bounded(20000)));
    ::kill(pid_t(child.processId()), SIGKILL);
    QVERIFY(child.waitForFinished());
}

// Which save the file holds, whole to the last CR LF, or 0. Its header is the save's number.
template <typename Table> int wholeSave(const QString& fileName) {
    const QByteArray file = readBytes(fileName);
    const int round = file.left(file.indexOf('\r')).toInt();
    return file == ledger::recordBytes(QString::number(round), saved<Table>(round)) ? round : 0;
}

// A file's bytes (none: no file), the slots read from it, whether a save may replace it.
using ReaderRow = std::tuple<QByteArray, QStringList, bool>;
using Names = std::pair<QString, QString>;
struct SaveRow {
    QString file;
    int oldRecords; // -1: no old file
    int oldMode;
    int failingSync; // counted from 1 at the save; 0: none
    ledger::Problem problem;
    int modeAfter;
};

int modeOf(const QString& fileName) {
    struct stat status {};
    return ::stat(qPrintable(fileName), &status) == 0 ? int(status.st_mode & 07777) : -1;
}

} // namespace

// The data files: code page, bytes, files from elsewhere, file names, saves killed midway.
class RecordFileTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TempWorkDir> dir_;

  private slots:
    void init() {
        refuseReading = false;
        dir_ = std::make_unique<TempWorkDir>();
    }
    void cleanup() { dir_.reset(); }

    // The history keeps the last sets, and leaves alone what is not its own.
    void historyIsBounded() {
        QDir().mkdir(".historia");
        writeBytes(".historia/lue minut.txt", "muistiinpano");
        writeBytes(".historia/000001.muutos", "ei muutos");
        ledger::Ledger ledger([] { return u"h"_qs; });
        ledger.LueNimet();
        for (int change = 0; change < 125; ++change) {
            QVERIFY(ledger.addBorrower("Pekka").done());
            QVERIFY(ledger.deleteBorrower("Pekka").done());
        }
        const QStringList sets = QDir(".historia").entryList({"*.muutos"});
        QCOMPARE(sets.size(), 1 + 200);
        QCOMPARE(sets[1], "000052.muutos");
        QCOMPARE(readBytes(".historia/000001.muutos"), "ei muutos");
        QVERIFY(QFile::exists(".historia/lue minut.txt"));
    }

    void windows1252AsTheToolkitConvertsIt() {
        QByteArray everyByte;
        for (int byte = 0; byte < 256; ++byte)
            everyByte += char(byte);
        QStringDecoder toolkit("windows-1252");
        QCOMPARE(ledger::fromWindows1252(everyByte), QString(toolkit(everyByte)));
        QStringList differences;
        for (int code = 0; code <= 0xFFFF; ++code) {
            QStringEncoder toolkit("windows-1252");
            const QByteArray expected = toolkit(u'a' + QChar(code) + u'b');
            const std::optional<QByteArray> ours = ledger::toWindows1252(u'a' + QChar(code) + u'b');
            if (ours.has_value() == toolkit.hasError() || (ours && *ours != expected))
                differences << QString::number(code, 16);
        }
        QCOMPARE(differences, QStringList());
    }

    // The slots a file fills over "vanha", and whether a save may replace what was not read whole.
    void reader_data() {
        QTest::addColumn<ReaderRow>("row");
        const QStringList n40 = numbered("n", 40), none;
        // clang-format off
        QTest::newRow("40 records, 30 kept")        << ReaderRow{kHeader + records(n40, 40), n40.first(30), false};
        QTest::newRow("blank line between records") << ReaderRow{kHeader + "Aino\xD7\r\n\r\nPekka\xD7\r\n", QStringList{"Aino", "Pekka"}, true};
        QTest::newRow("blanks, text after marker")  << ReaderRow{kHeader + "  Aino  \xD7 ja muuta\xD7\r\n", QStringList{"Aino"}, true};
        QTest::newRow("free slots keep their place") << ReaderRow{kHeader + "\xD7\r\n\xD7\r\nPekka\xD7\r\n", QStringList{"", "", "Pekka"}, true};
        QTest::newRow("no header: all lines count") << ReaderRow{QByteArray("Aino\xD7\r\nPekka\xD7\r\n"), QStringList{"Aino", "Pekka"}, true};
        QTest::newRow("cut short, LF line ends")    << ReaderRow{kHeader + "Aino\xD7\nPekka\xD7\nPek", QStringList{"Aino", "Pekka"}, true};
        QTest::newRow("lone CR line ends")          << ReaderRow{QByteArray("h\rAino\xD7\rPekka\xD7\r"), QStringList{"Aino", "Pekka"}, true};
        QTest::newRow("a record of 40 MB")          << ReaderRow{kHeader + "Aino\xD7\r\n" + QByteArray(40 << 20, 'x') + "\xD7\r\nPekka\xD7\r\n", QStringList{"Aino"}, false};
        QTest::newRow("missing file")               << ReaderRow{QByteArray(), none, true};
        QTest::newRow("header, blank line")         << ReaderRow{QByteArray("h\r\n \r\n"), none, true};
        QTest::newRow("UTF-8 from elsewhere")       << ReaderRow{QByteArray("h\r\nAino\xC3\x97\r\n"), none, false};
        QTest::newRow("byte order mark")            << ReaderRow{QByteArray("\xEF\xBB\xBFh\r\nAino\xD7\r\n"), QStringList{"Aino"}, false};
        QTest::newRow("UTF-16, NUL bytes")          << ReaderRow{QByteArray("h\0\r\0\n\0A\0\xD7\0\r\0\n\0", 14), QStringList{QString::fromLatin1("\0A\0", 3)}, false};
        // A pipe or a folder by a data file's name must neither block the program nor count.
        QTest::newRow("pipe")                       << ReaderRow{QByteArray("<pipe>"), none, false};
        QTest::newRow("folder")                     << ReaderRow{QByteArray("<folder>"), none, false};
        QTest::newRow("no read permission")         << ReaderRow{QByteArray("<unreadable>"), none, false};
        // clang-format on
    }

    void reader() {
        auto [bytes, expected, replaceable] = fetch<ReaderRow>();
        if (bytes == "<pipe>")
            QVERIFY(mkfifo("f.kdx", 0600) == 0);
        else if (bytes == "<folder>")
            QVERIFY(QDir().mkdir("f.kdx"));
        else if (!bytes.isNull())
            writeBytes("f.kdx", bytes == "<unreadable>" ? kHeader + "Aino\xD7\r\n" : bytes);
        refuseReading = bytes == "<unreadable>";
        ledger::LoanTable table;
        table.fill("vanha");
        ledger::readRecords("f.kdx", table);
        while (expected.size() < 30)
            expected << "vanha";
        QCOMPARE(QStringList(table.begin(), table.end()), expected);
        QCOMPARE(ledger::mayReplace("f.kdx"), replaceable);
    }

    void fileName_data() {
        QTest::addColumn<Names>("row"); // the borrower, the loan file's name (empty: none)
        // clang-format off
        QTest::newRow("comma, quotes, letters")    << Names{"Virtanen, \"Äijä\"", "Virtanen, \"Äijä\".kdx"};
        QTest::newRow("other case of an own file") << Names{"Nimet", "Nimet.kdx"};
        QTest::newRow("longest allowed")           << Names{QString(244, u'a'), QString(244, u'a') + ".kdx"};
        QTest::newRow("dot")                       << Names{".", ""};
        QTest::newRow("dot dot")                   << Names{"..", ""};
        QTest::newRow("absolute path")             << Names{"/etc/passwd", ""};
        QTest::newRow("NUL")                       << Names{QStringLiteral("a\0b"), ""};
        QTest::newRow("carriage return")           << Names{"a\rb", ""};
        QTest::newRow("too long")                  << Names{QString(245, u'a'), ""};
        QTest::newRow("too long in bytes")         << Names{QString(130, u'ä'), ""};
        QTest::newRow("the register")              << Names{"nimet", ""};
        QTest::newRow("the updater")               << Names{"UpDater", ""};
        // clang-format on
    }

    void fileName() {
        const auto& [borrower, expected] = fetch<Names>();
        QCOMPARE(ledger::loanFileName(borrower).value_or(QString()), expected);
    }

    // Only a temporary file of a process that is gone is a leftover; a user's copies stay.
    void leftoversOfCutSavesGo() {
        const pid_t dead = fork();
        if (dead == 0)
            _exit(0);
        QVERIFY(waitpid(dead, nullptr, 0) == dead);
        const QStringList kept{".saldori-" + QString::number(getpid()) + ".tmp", ".saldori-x.tmp",
                               "nimet.kdx.AbCdEf", "nimet.kdx.Backup", "nimet.kdx.kopiot"};
        for (const QString& name : kept + QStringList{".saldori-" + QString::number(dead) + ".tmp"})
            writeBytes(name, "h\r\n");
        ledger::removeSaveLeftovers(QDir::current());
        QCOMPARE(snapshotWorkDir().keys(), kept);
    }

    // In a folder not named in UTF-8: done once every sync succeeded, never failed once in place.
    void saves_data() {
        QTest::addColumn<SaveRow>("row");
        // clang-format off
        QTest::newRow("new file, private")  << SaveRow{"f.kdx", -1, 0, 0, ledger::Problem::None, 0600};
        QTest::newRow("old file keeps mode") << SaveRow{"f.kdx", 30, 0644, 0, ledger::Problem::None, 0644};
        QTest::newRow("register of 100")    << SaveRow{"nimet.kdx", 100, 0640, 0, ledger::Problem::None, 0640};
        QTest::newRow("register of 101")    << SaveRow{"nimet.kdx", 101, 0640, 0, ledger::Problem::Unreadable, 0640};
        QTest::newRow("read-only file")     << SaveRow{"f.kdx", 30, 0444, 0, ledger::Problem::Failed, 0444};
        QTest::newRow("file sync fails")    << SaveRow{"f.kdx", 30, 0644, 1, ledger::Problem::Failed, 0644};
        QTest::newRow("folder sync fails")  << SaveRow{"f.kdx", -1, 0, 2, ledger::Problem::Unconfirmed, 0600};
        // clang-format on
    }

    void saves() {
        const auto& [name, oldRecords, oldMode, failing, problem, mode] = fetch<SaveRow>();
        QVERIFY(!::mkdir("lat\xE4in", 0700) && !::chdir("lat\xE4in") &&
                !::mkdir(".historia", 0700));
        if (oldRecords >= 0) {
            writeRecordFile(name, numbered("n", oldRecords), oldRecords);
            QVERIFY(::chmod(qPrintable(name), mode_t(oldMode)) == 0);
        }
        const QByteArray old = readBytes(name);
        failingSync = failing, syncs = 0;
        const QByteArray bytes = *ledger::recordBytes("h", ledger::LoanTable{"uusi"});
        const ledger::Outcome outcome = ledger::Ledger().apply({"", {{name, bytes}}});
        failingSync = 0;
        QCOMPARE(outcome.problem, problem);
        QCOMPARE(modeOf(name), mode);
        QCOMPARE(readBytes(name), outcome.done() ? bytes : old);
        QCOMPARE(snapshotWorkDir().keys(), QStringList{name});
        QVERIFY(std::filesystem::remove_all(".historia") && !::unlink(qPrintable(name)) &&
                !::chdir("..") && !::rmdir("lat\xE4in"));
    }

    // A save killed at any moment leaves each file whole, old or new, and the program reads it.
    void killedSavesLeaveWholeFiles() {
        const int kills = std::max(10, qEnvironmentVariableIntValue("SALDORI_CRASH_KILLS"));
        for (int kill = 0; kill < kills; ++kill) {
            startAndKill(u"--save"_qs);

            // The loan file is saved first, so it is at most one save ahead of the register.
            const int round = wholeSave<ledger::NameTable>(u"nimet.kdx"_qs);
            const int loanRound = wholeSave<ledger::LoanTable>(u"Aino.kdx"_qs);
            QVERIFY2(round > 0 && (loanRound == round || loanRound == round + 1), "a torn file");
            const ledger::NameTable names = saved<ledger::NameTable>(round);
            ledger::Ledger ledger([] { return QString(); });
            ledger.LueNimet();
            QCOMPARE(ledger.names(), QStringList(names.begin(), names.begin() + round % 100 + 1));
        }
        qInfo("%d kills, no torn file", kills);
    }

    // A change killed at any moment has its whole set kept before any file changed, and every
    // set holds the files exactly as they were before its change.
    void killedChangesKeepTheirSets() {
        const int kills = std::max(10, qEnvironmentVariableIntValue("SALDORI_CRASH_KILLS"));
        for (int kill = 0; kill < kills; ++kill) {
            const TempWorkDir fresh;
            startAndKill(u"--change"_qs);
            ledger::History history;
            const QList<ledger::ChangeSet> sets = history.list();
            QCOMPARE(QDir(".historia").entryList({"*.muutos"}).size(), sets.size());
            for (const ledger::ChangeSet& set : sets) {
                const auto before = filesAfter(int(set.number) - 1);
                const std::optional<ledger::ChangeSet> kept = history.read(set.number);
                QVERIFY(kept);
                for (const ledger::FileChange& file : kept->before)
                    QCOMPARE(file.bytes, before.value(file.file));
            }
            const int round = sets.isEmpty() ? 0 : int(sets.first().number) - 1;
            QMap<QString, std::optional<QByteArray>> onDisk;
            for (const QString& file : QDir().entryList({"*.kdx"}))
                onDisk[file] = readBytes(file);
            const auto made = [&](int files) {
                auto expected = filesAfter(round, files);
                expected.removeIf([](const auto& file) { return !file.value(); });
                return onDisk == expected;
            };
            QVERIFY2(made(0) || made(1) || made(2), "files changed beyond the newest set");
        }
        qInfo("%d kills, every change kept first", kills);
    }
};

// Run with "--save" or "--change", the child of the tests that kill it.
int main(int argc, char* argv[]) {
    if (argc == 2 && QByteArray(argv[1]) == "--save")
        saveUntilKilled();
    if (argc == 2 && QByteArray(argv[1]) == "--change")
        changeUntilKilled();
    QApplication app(argc, argv);
    RecordFileTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_record_file.moc"
