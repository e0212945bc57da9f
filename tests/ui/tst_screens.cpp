#include "support/Harness.h"
#include "ui/Twips.h"

namespace {

// Fingerprints of the reviewed pictures of each screen (SHA-1 of its pixels, first 16 digits).
const QHash<QString, QByteArray> kReviewedLooks = {
    // clang-format off
    {"about", "30df30095bce823f"}, {"add-borrower", "2a102f0195f63c35"},
    {"add-borrower-closed", "f2a63e1571f86992"}, {"add-loans", "62161397862fc7a7"},
    {"add-loans-closed", "f2a63e1571f86992"}, {"edit", "0f445b6c8f5b0c17"},
    {"edit-closed", "7b0d7723957fe215"}, {"guided-help", "58797614801750eb"},
    {"help-menu", "28afebdd301f69b8"}, {"help-menu-about-closed", "050c5faa14d41a51"},
    {"help-menu-topics-closed", "b7be4f42462dbcfb"}, {"start-empty", "c73db7a18b493f1e"},
    {"start-loans", "725b511ecb47edb1"}, {"topics", "4196343f35911759"},
    // clang-format on
};

// Compares the window pixel for pixel with its reviewed look. A mismatch, or
// SALDORI_RECORD_GOLDEN=1, leaves the actual picture and its fingerprint by the test for review.
void compareWithGolden(QWidget* window, const QString& name) {
    const QImage actual = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QByteArray look =
        QCryptographicHash::hash(QByteArrayView(actual.constBits(), actual.sizeInBytes()),
                                 QCryptographicHash::Sha1)
            .toHex()
            .left(16);
    const bool recording = qEnvironmentVariableIntValue("SALDORI_RECORD_GOLDEN") == 1;
    if (look == kReviewedLooks.value(name) && !recording)
        return;
    const QString out = QCoreApplication::applicationDirPath() + "/golden-mismatch/" + name;
    QDir().mkpath(QFileInfo(out).path());
    actual.save(out + ".png");
    qInfo("{\"%s\", \"%s\"},", qPrintable(name), look.constData());
    QVERIFY2(recording, qPrintable(name + " differs from its reviewed look; see " + out + ".png"));
}

// The label that opens a panel, the button that closes it, the ticks to open, close, open again and
// close again.
using PanelRow = std::tuple<QString, QString, QList<int>>;

} // namespace

// The screens a user sees, and each panel sliding in and out in its count of ticks.
class ScreensTest : public WindowTestCase {
    Q_OBJECT

    void openOnAinosLoans() {
        writeRecordFile("nimet.kdx", {"Aino", "", "Pekka"}, 100);
        writeRecordFile("Aino.kdx", {"kirja", "", "10,50 € maitoa", "\"lapio\" ja kuokka"}, 30);
        reopen();
        pickFromList(w->Lainaaja, "Aino");
        clickEntry(w->Laina, "kirja");
        tickEntry(w->Laina, "10,50 € maitoa");
    }

  private slots:
    void initTestCase() { QApplication::setCursorFlashTime(0); }

    // Also run alone on a screen scaled to 200 %: the window and every control grow with it.
    void scaledStartUp() {
        const qreal scale = w->devicePixelRatioF();
        QCOMPARE(w->grab().toImage().size(), QSize(400, 235) * scale);
        // The borrower box stands at (1680, 120) twips, 4215 x 375 twips large.
        const QRect box(w->Lainaaja->mapTo(w.get(), QPoint(0, 0)) * scale,
                        w->Lainaaja->grab().size());
        QCOMPARE(box, QRect(QPoint(112, 8) * scale, QSize(281, 25) * scale));
    }

    void startUp() {
        compareWithGolden(w.get(), "start-empty");
        openOnAinosLoans();
        compareWithGolden(w.get(), "start-loans");
    }

    void panel_data() {
        QTest::addColumn<PanelRow>("row");
        // clang-format off
        QTest::newRow("add-borrower") << PanelRow{"LLainaaja", "sulje1", {12, 10, 12, 10}};
        QTest::newRow("add-loans")    << PanelRow{"LLaina", "sulje2", {19, 16, 20, 16}};
        QTest::newRow("edit")         << PanelRow{"Muokkaa", "Command3", {18, 15, 18, 15}};
        // clang-format on
    }

    void panel() {
        const auto& [label, closer, ticks] = fetch<PanelRow>();
        openOnAinosLoans();
        // The second time round the panels start from nothing, which may take a tick more.
        for (int round = 0; round < 2; ++round) {
            click(w->findChild<QWidget*>(label));
            QCOMPARE(settle(*w), ticks[2 * round]);
            QCOMPARE(enabledMenuLabels(*w), QStringList{"Lopeta"});
            if (round == 0)
                compareWithGolden(w.get(), QTest::currentDataTag());
            click(w->findChild<QPushButton*>(closer));
            QCOMPARE(settle(*w), ticks[2 * round + 1]);
            QCOMPARE(enabledMenuLabels(*w).size(), 7); // the whole menu
            if (round == 0)
                compareWithGolden(w.get(), QTest::currentDataTag() + QStringLiteral("-closed"));
        }
        QVERIFY(dialogs.shown.isEmpty());
    }

    // The help screens in the help timer's ticks after the last step; "Esc" is the key. A step
    // comes when every timer has stopped; marked "~" when the help timer has, "!" at once.
    void help_data() {
        using Steps = std::pair<QStringList, int>;
        QTest::addColumn<Steps>("row");
        // clang-format off
        QTest::newRow("help-menu") << Steps{{"Apua"}, 0};
        QTest::newRow("help-menu-topics-closed") << Steps{{"Apua", "Ohjeet", "Command1"}, 9};
        QTest::newRow("help-menu-about-closed") << Steps{{"Apua", "Tieto", "OK2"}, 15};
        QTest::newRow("topics") << Steps{{"Apua", "Ohjeet"}, 10};
        QTest::newRow("guided-help") << Steps{{"Apua", "Ohjeet", "ohjellaina"}, 15};
        QTest::newRow("about") << Steps{{"Apua", "Tieto"}, 15};
        QTest::newRow("about, Escape ignored") << Steps{{"Apua", "Tieto", "!Esc"}, 15};
        QTest::newRow("about, closed before it is filled") << Steps{{"Apua", "Tieto", "~OK2", "Tieto"}, 15};
        // clang-format on
    }

    void help() {
        const auto& [steps, ticks] = fetch<std::pair<QStringList, int>>();
        openOnAinosLoans();
        for (QString step : steps) {
            const QChar mark = step.front();
            if (mark == u'~') {
                while (w->ohjeliikuttaja->isEnabled())
                    w->ohjeliikuttaja_Timer();
            } else if (mark != u'!') {
                settleAll(*w);
            }
            if (step.remove(u'~').remove(u'!') == "Esc")
                QTest::keyClick(w.get(), Qt::Key_Escape);
            else
                click(w->findChild<QWidget*>(step));
        }
        QCOMPARE(settleAll(*w), ticks);
        compareWithGolden(w.get(), QString(QTest::currentDataTag()).section(u',', 0, 0));
    }

    // Closed while it still opens, a panel shrinks to nothing and never below it.
    void closedWhileOpening() {
        writeRecordFile("nimet.kdx", {"Aino"}, 100);
        reopen();
        click(w->LLaina);
        for (int tick = 0; tick < 9; ++tick)
            w->liikuttaja_Timer();
        click(w->sulje2);
        for (int tick = 0; tick < 9; ++tick) {
            w->liikuttaja_Timer();
            QVERIFY(twips::height(w->Add1) >= 0 && twips::height(w->Laina) <= 2700);
        }
        QVERIFY(!w->liikuttaja->isEnabled() && w->Add1->isHidden());
    }
};

QTEST_MAIN(ScreensTest)
#include "tst_screens.moc"
