#include "platform/Transfers.h"
#include "support/Harness.h"
#include "ui/Messages.h"
#include "update/UpdateMessages.h"

namespace {

// A real HTTP server on 127.0.0.1 failing as the row says; "refused" is a port nobody listens on.
class Server final : public Transfers {
  public:
    Server() {
        python_.start("python3", {QFINDTESTDATA("serve.py"), folder_.path()});
        while (!python_.canReadLine()) // the two ports may come in two pieces
            if (!python_.waitForReadyRead(10'000))
                qFatal("the test server did not start");
        const QList<QByteArray> ports = python_.readLine().trimmed().split(' ');
        base_ = "http://127.0.0.1:" + ports.first() + '/';
        refused_ = "http://127.0.0.1:" + ports.last() + '/';
    }
    void serve(const QMap<QString, QByteArray>& files, const QString& fault) {
        for (const QString& old : QDir(folder_.path()).entryList(QDir::Files | QDir::Hidden))
            QFile::remove(folder_.filePath(old));
        for (auto file = files.begin(); file != files.end(); ++file)
            writeBytes(folder_.filePath(file.key()), file.value());
        writeBytes(folder_.filePath(".fault"), fault.toUtf8());
        fault_ = fault;
        network_ = std::make_unique<ModuleTransfers>(
            nullptr, fault == "no module" ? "puuttuu.so" : SALDORI_NETWORK_MODULE_FILE,
            std::chrono::milliseconds(1000));
    }
    // The window fetches from its update directory; this server answers in its place, sooner.
    Transfer fetch(const QUrl& url, QIODevice& sink, const TransferLimits& limits) override {
        // "slow": each transfer takes 59 s of the stand-in clock, or fails at its deadline.
        const std::chrono::milliseconds slow = std::chrono::seconds(fault_ == "slow" ? 59 : 0);
        clock_ += std::min(slow, limits.deadline);
        if (slow > limits.deadline)
            return {TransferFailure::TimedOut};
        const TransferLimits sooner{limits.maxBytes,
                                    std::min(limits.deadline, std::chrono::milliseconds(5000))};
        const QString base = fault_ == "refused" ? refused_ : base_;
        return network_->fetch(QUrl(url.toString().replace(SALDORI_UPDATE_URL, base)), sink,
                               sooner);
    }

    std::chrono::steady_clock::time_point now() const override { return clock_; }

  private:
    std::chrono::steady_clock::time_point clock_;
    QTemporaryDir folder_;
    QProcess python_;
    QString base_, refused_, fault_;
    std::unique_ptr<ModuleTransfers> network_;
};

// What the server holds and does, the user's answer; what the user sees, the files then.
struct Row {
    QByteArray version;
    QString fault;
    Answer answer;
    QByteArray list;
    QByteArray notice;
    QList<Message> messages;
    QStringList files;
    bool replaced; // "Saldori.bin" holds the new release
    QString status;
};

const QByteArray kRelease("MZ\0\x01\xD7\r\nuusi", 10), kOld = "vanha ja pidempi kuin uusi";
const QByteArray kRegister = "saldori muistaa!\r\nAino\xD7\r\n", kLoans = "Aino\r\nkirja\xD7\r\n";

} // namespace

// Whatever the server sends, nothing hangs and nothing of the user's is touched or left outside.
class UpdateTest : public WindowTestCase {
    Q_OBJECT

    std::unique_ptr<Server> server_;

  private slots:
    void initTestCase() { server_ = std::make_unique<Server>(); }

    void checkAndDownload_data() {
        QTest::addColumn<Row>("row");
        const Answer ok = Answer::Ok;
        const QString checking = "Tarkistetaan päivitys tarvetta...",
                      available = "Päivitys saatavilla!",
                      loading = "Lataan päivitystä.. Odota hetki.",
                      waiting = "Odotetaan käyttäjän hyväksyntää...";
        const Message offer = msg::kUpdateAvailable, notice = msg::plain("Uusi versio, lue ä"),
                      done = msg::kUpdateDownloaded;
        const auto lost = [](const QString& what, const QString& file) {
            return msg::transferError(what + " (" + file + ')');
        };
        const QString notFound = "tiedostoa ei ole palvelimella";
        // Any line ends, blank lines, blanks around a name; the notice in the old code page.
        const QByteArray all = " Saldori.bin *\r\n\r\n \rUpDater.kdx*\n",
                         star = " Uusi versio, lue \xE4* x\r\n";
        const QStringList untouched{"Aino.kdx", "Saldori.bin", "nimet.kdx"},
            kept = untouched + QStringList{"tiedostot.kdx", "update.kdx"},
            started{"Aino.kdx", "Saldori.bin", "UpDater.kdx", "käynnistetty", "nimet.kdx"};
        // clang-format off
        QTest::newRow("same") << Row{"110", "", ok, all, star, {msg::kUpToDate}, untouched, false, checking};
        QTest::newRow("same, more text") << Row{"110\r\n2.0", "", ok, all, star, {msg::kUpToDate}, untouched, false, checking};
        QTest::newRow("same, moved") << Row{"110", "moved", ok, all, star, {msg::kUpToDate}, untouched, false, checking};
        QTest::newRow("newer, declined") << Row{"111", "", Answer::Cancel, all, star, {offer}, untouched, false, available};
        QTest::newRow("older") << Row{"105", "", ok, all, star, {msg::kOwnNewer}, untouched, false, checking};
        for (const char* version : {"1", "11", "abc", "<html>Virhe</html>"})
            QTest::newRow(version) << Row{version, "", ok, all, star, {msg::kCheckFailed}, untouched, false, checking};
        for (const auto& [fault, what] : {std::pair{"404", notFound}, {"500", "palvelimen virhe HTTP 500"},
                                          {"stall", "siirto kesti liian kauan"}, {"trickle", "siirto kesti liian kauan"},
                                          {"endless", "tiedosto on suurempi kuin päivityksessä voi olla"},
                                          {"loop", "palvelin ohjasi osoitteeseen, jota ei seurata"},
                                          {"file", "palvelin ohjasi osoitteeseen, jota ei seurata"},
                                          {"refused", "palvelin ei ota yhteyttä vastaan"}, {"no module", "verkko-osaa ei voi ladata"}})
            QTest::newRow(fault) << Row{"111", fault, ok, all, star, {lost(what, "versio.kdx"), msg::kCheckFailed}, untouched, false, checking};
        QTest::newRow("404 notice") << Row{"111", "404@update.kdx", ok, all, star, {offer, lost(notFound, "update.kdx"), msg::kDownloadFailed}, untouched, false, loading};
        QTest::newRow("404 list") << Row{"111", "404@tiedostot.kdx", ok, all, star, {offer, notice, lost(notFound, "tiedostot.kdx"), msg::kDownloadFailed}, untouched + QStringList{"update.kdx"}, false, loading};
        QTest::newRow("full disk") << Row{"111", "full", ok, all, star, {offer, msg::saveFailed("update.kdx"), msg::kDownloadFailed}, untouched, false, loading};
        QTest::newRow("complete") << Row{"111", "", ok, all, star, {offer, notice, done}, started, true, waiting};
        QTest::newRow("links replaced") << Row{"111", "links", ok, all, star, {offer, notice, done}, started, true, waiting};
        QTest::newRow("comma, quotes") << Row{"111", "", ok, "\"Saldori.bin*\" x,UpDater.kdx*", star, {offer, notice, done}, started, true, waiting};
        QTest::newRow("long notice") << Row{"111", "", ok, all, QByteArray(600, 'a') + '*', {offer, msg::plain(QString(499, u'a') + u'…'), done}, started, true, waiting};
        QTest::newRow("notice without star") << Row{"111", "", ok, all, "ei t\xE4hte\xE4", {offer, msg::plain(""), done}, started, true, waiting};
        QTest::newRow("no updater") << Row{"111", "", ok, "Saldori.bin*", star, {offer, notice, done, msg::kCheckFailed}, untouched, true, waiting};
        QTest::newRow("slow, each file in time") << Row{"111", "slow", ok, QByteArray("Saldori.bin*\n").repeated(12) + "UpDater.kdx*", star, {offer, notice, lost("siirto kesti liian kauan", "Saldori.bin"), msg::kDownloadFailed}, kept, true, loading};
        // As Apache's content negotiation answers: a status the network library takes for no error.
        QTest::newRow("300") << Row{"111", "300@Saldori.bin", ok, all, star, {offer, notice, lost("palvelimen virhe HTTP 300", "Saldori.bin"), msg::kDownloadFailed}, kept, false, loading};
        // The disk fills in the middle of a write of the release.
        QTest::newRow("full disk midway") << Row{"111", "full@Saldori.bin", ok, all, star, {offer, notice, msg::saveFailed("Saldori.bin"), msg::kDownloadFailed}, kept, false, loading};
        // The register on disk no longer names Aino, whom the window still shows.
        QTest::newRow("Aino only shown") << Row{"111", "shown", ok, "Saldori.bin*\nAino.kdx*\nUpDater.kdx*", star, {offer, notice, msg::kDownloadFailed}, kept, true, loading};
        QTest::newRow("cut short") << Row{"111", "short@Saldori.bin", ok, all, star, {offer, notice, lost("yhteys katkesi kesken siirron", "Saldori.bin"), msg::kDownloadFailed}, kept, false, loading};
        // Unsafe names, the user's files in any letter case among them.
        for (const QByteArray& entry : {QByteArray("no star"), QByteArray("../pako*"), QByteArray("@parent/pako*"),
                                        QByteArray("a/../../pako*"), QByteArray("a\\pako*"), QByteArray("a..b*"), QByteArray("Nimet.KDX*"),
                                        QByteArray("aino.kdx*"), QByteArray("nimet.kdx\0*", 11), QByteArray("*"), QByteArray("saldori.lock*")}) {
            const QByteArray list = "Saldori.bin*\r\n" + entry + "\r\nUpDater.kdx*";
            QTest::newRow(entry.constData()) << Row{"111", "", ok, list, star, {offer, notice, msg::kDownloadFailed}, kept, true, loading};
        }
        // clang-format on
    }

    void checkAndDownload() {
        const auto& [version, fault, answer, list, notice, messages, files, replaced, status] =
            fetch<Row>();
        const QByteArray evil = "ylikirjoitettu", updater = "#!/bin/sh\necho > käynnistetty\n";
        // clang-format off
        // An absolute name points into the test's own temporary parent, never at a shared folder.
        const QByteArray named = QByteArray(list).replace("@parent", QFileInfo("..").absoluteFilePath().toUtf8());
        server_->serve({{"versio.kdx", version}, {"update.kdx", notice}, {"tiedostot.kdx", named},
                       {"Saldori.bin", fault.startsWith("full@") ? kRelease.repeated(100) : kRelease}, {"UpDater.kdx", updater}, {"nimet.kdx", evil}, {"Aino.kdx", evil},
                       {"pako", evil}}, fault);
        // clang-format on
        writeBytes("nimet.kdx", kRegister);
        writeBytes("Aino.kdx", kLoans);
        writeBytes("Saldori.bin", kOld);
        // Links by the names of downloads, to the register and out of the folder.
        if (fault == "links")
            QVERIFY(QFile::remove("Saldori.bin") && QFile::link("nimet.kdx", "Saldori.bin") &&
                    QFile::link("../pako", "update.kdx"));
        dialogs.answers << answer;
        transfers = server_.get();
        reopen();
        // Once the window has read it, the register may lose a name the window still shows.
        const QByteArray registered = fault == "shown" ? "h\r\nPekka\xD7\r\n" : kRegister;
        writeBytes("nimet.kdx", registered);
        act({"Apua"});
        const auto check = [&] {
            act({"UpDate"});
            settle(*w);
        };
        fault.startsWith("full") ? onFullDisk(check, fault == "full" ? 8 : 100) : check();

        QCOMPARE(dialogs.shown, messages);
        QCOMPARE(c<QLabel>("tila")->text(), status);
        const bool started = messages.endsWith(msg::kUpdateDownloaded);
        if (started)
            QTRY_VERIFY(QFile::exists("käynnistetty"));
        QCOMPARE(snapshotWorkDir().keys(), files);
        QCOMPARE(readBytes("Saldori.bin"), replaced ? kRelease : kOld);
        QCOMPARE(readBytes("nimet.kdx") + readBytes("Aino.kdx"), registered + kLoans);
        QVERIFY(!QFile::exists("../pako"));
        // Closed after an own newer version or a hand-over; open after a failed download.
        const bool closes = started || messages.endsWith(msg::kOwnNewer);
        QCOMPARE(w->isVisible(), !closes);
        QCOMPARE(Saldori::shown(c<QGroupBox>("WebUpdate")),
                 closes || messages.endsWith(msg::kDownloadFailed));
        if (closes)
            return;
        // Escape closes the help menu, but not through the update panel over it.
        const bool updateShown = Saldori::shown(c<QGroupBox>("WebUpdate"));
        press(Qt::Key_Escape);
        settle(*w);
        QCOMPARE(Saldori::shown(c<QGroupBox>("apu")), updateShown);
    }
};

QTEST_MAIN(UpdateTest)
#include "tst_update.moc"
