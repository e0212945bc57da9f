#include "support/Harness.h"
#include "ui/Colours.h"
#include "ui/Hints.h"
#include "ui/MenuLabel.h"
#include "ui/Twips.h"

#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {

// A label's, button's or edit's text, a combo box's current text or a group box's title.
QString captionOf(const QWidget* widget) {
    for (const char* property : {"text", "currentText", "title"}) {
        if (const QVariant value = widget->property(property); value.isValid())
            return value.toString();
    }
    return {};
}

struct Control {
    const char *name, *kind, *container, *caption;
    QRect geometry; // in twips
    bool visible;
    const char* toolTip = "";
};

} // namespace

Q_DECLARE_METATYPE(Control)

// The window as it must look before anyone touches it, opening it on a data folder, and picking
// a borrower from the list.
class StartupTest : public WindowTestCase {
    Q_OBJECT

  private slots:
    void control_data() {
        QTest::addColumn<Control>("control");
        // clang-format off
        const Control rows[] = {
            {"LLainaaja", "QLabel", "Saldori", "Lisää lainaaja", {120, 120, 1215, 255}, true},
            {"LLaina", "QLabel", "Saldori", "Lisää laina", {120, 360, 975, 255}, true},
            {"PLainaaja", "QLabel", "Saldori", "Poista lainaaja", {120, 600, 1215, 255}, true},
            {"PLaina", "QLabel", "Saldori", "Poista laina", {120, 840, 975, 255}, true},
            {"Muokkaa", "QLabel", "Saldori", "Muokkaa", {120, 1080, 855, 255}, true},
            {"Apua", "QLabel", "Saldori", "Saldori", {120, 3000, 735, 255}, true},
            {"Lopeta", "QLabel", "Saldori", "Poistu", {120, 3240, 615, 255}, true},
            {"Lainaaja", "QComboBox", "Saldori", "Lainaajan nimi:", {1680, 120, 4215, 375}, true},
            {"Laina", "QListWidget", "Saldori", "", {1680, 480, 4215, 2610}, true},
            {"CopyR", "QLabel", "Saldori", "© 2026 Saldorin tekijä", {1680, 3120, 4215, 375}, true, "Kuvat ja kuvake © 2026 Saldorin tekijä. Kaikki oikeudet pidätetään."},
            {"ohjeteksti", "QLabel", "Saldori", "Ohje", {-1320, 1440, 1335, 1335}, false},
            {"takaisin2", "QPushButton", "Saldori", "<<", {-1200, 2640, 1095, 255}, false, "Poistu ohjeesta"},
            // The frame is left open at the bottom left, under the menu.
            {"Line1", "QWidget", "Saldori", "", {960, 3495, 5018, 30}, true},
            {"Line2", "QWidget", "Saldori", "", {5975, 0, 30, 3480}, true},
            {"Line3", "QWidget", "Saldori", "", {0, -5, 5972, 30}, true},
            {"Line4", "QWidget", "Saldori", "", {-5, 0, 30, 3480}, true},
            {"Add", "QGroupBox", "Saldori", "Lisää lainaaja:", {1680, 3120, 4215, 15}, false},
            {"Label3", "QLabel", "Add", "Lainaajan nimi:", {120, 240, 1095, 255}, true},
            {"Uusi", "QLineEdit", "Add", "", {1200, 240, 2895, 285}, true},
            {"sulje1", "QPushButton", "Add", "Takaisin", {240, 600, 1815, 375}, true},
            {"OK", "QPushButton", "Add", "Lisää", {2280, 600, 1815, 375}, true},
            {"Add1", "QGroupBox", "Saldori", "Lisää laina:", {1680, 3120, 4215, 15}, false},
            {"Label1", "QLabel", "Add1", "Lainaajan nimi:", {105, 240, 1095, 255}, true},
            {"Lainaaja1", "QComboBox", "Add1", "Valitse tästä lainaaja", {1200, 240, 2895, 315}, true},
            {"Label2", "QLabel", "Add1", "Laina:", {105, 600, 495, 255}, true},
            {"LainaLisaa", "QLineEdit", "Add1", "", {600, 600, 3495, 615}, true},
            {"sulje2", "QPushButton", "Add1", "Poistu", {120, 1320, 1935, 375}, true},
            {"OK1", "QPushButton", "Add1", "Lisää", {2160, 1320, 1935, 375}, true},
            {"Muokkaus", "QGroupBox", "Saldori", "Muokkaa:", {1680, 3120, 4215, 15}, false},
            {"Label5", "QLabel", "Muokkaus", "Valitse ensin lainaaja, sitten laina, korjaa muutos ja tallenna klikkaamalla 'Tallenna' painiketta.", {120, 240, 3975, 495}, true},
            {"Mtlaina", "QLineEdit", "Muokkaus", "", {120, 720, 3975, 285}, true},
            {"Command3", "QPushButton", "Muokkaus", "Takaisin", {120, 1080, 855, 495}, true},
            {"Tallenna", "QPushButton", "Muokkaus", "Tallenna", {3240, 1080, 855, 495}, true},
            {"apu", "QGroupBox", "Saldori", "Saldori:", {1680, 3120, 4215, 15}, false},
            {"UpDate", "QPushButton", "apu", "Tarkista päivitykset Internetistä.", {120, 240, 2535, 375}, true, "Tarkistaa Internetistä onko Saldoriin päivityksiä"},
            {"Ohjeet", "QPushButton", "apu", "Ohjeet", {2760, 240, 615, 375}, true, "Ohjeet kuinka ohjelmaa käytetään"},
            {"Tieto", "QPushButton", "apu", "Tietoa", {3480, 240, 615, 375}, true, "Tietoa Saldorista"},
            {"takaisin", "QPushButton", "apu", "Takaisin", {120, 650, 3975, 330}, true, "Poistu tästä valikosta"},
            {"Ohje", "QGroupBox", "Saldori", " Valitse mihin tarvitset apua: ", {1680, 3120, 4215, 15}, false},
            {"Command1", "QPushButton", "Ohje", "<<", {120, 240, 135, 435}, true, "Takaisin"},
            {"ohjellainaaja", "QPushButton", "Ohje", "Lainaajan Lisäys", {360, 240, 855, 495}, true, "Kuinka lisään lainaajan listalle?"},
            {"ohjellaina", "QPushButton", "Ohje", "Lainan lisäys", {1200, 240, 735, 495}, true, "Kuinka lisään lainan lainaajalle?"},
            {"ohjeplainaaja", "QPushButton", "Ohje", "Lainaajan poistaminen", {1920, 240, 1095, 495}, true, "Kuinka poistan lainaajan?"},
            {"ohjeplaina", "QPushButton", "Ohje", "Lainan poistaminen", {3000, 240, 1095, 495}, true, "Kuinka poistan lainan lainaajalta?"},
            {"WebUpdate", "QGroupBox", "Saldori", "Saldorin päivitys:", {1680, 3120, 4215, 15}, false},
            {"tila", "QLabel", "WebUpdate", "Odota hetki...", {120, 240, 3975, 255}, true},
            {"URL", "QLineEdit", "WebUpdate", SALDORI_UPDATE_URL "versio.kdx", {360, 600, 1095, 285}, false},
            {"versio", "QLabel", "WebUpdate", "", {240, 960, 615, 255}, false},
            {"versiouusi", "QLabel", "WebUpdate", "", {840, 960, 615, 255}, false},
            {"Tietoa", "QGroupBox", "Saldori", "Tietoa", {1680, 3120, 4215, 15}, false},
            {"Ikoni", "QLabel", "Tietoa", "", {-480, 240, 480, 480}, true},
            {"Versio1", "QLabel", "Tietoa", "Versio:", {4320, 480, 975, 255}, true},
            {"Koti", "QLabel", "Tietoa", SALDORI_HOME_PAGE, {-2160, 840, 2055, 255}, true},
            {"OK2", "QPushButton", "Tietoa", "Selvä", {4080, 960, 735, 375}, true},
            {"SPosti", "QLabel", "Tietoa", SALDORI_EMAIL, {45, 1440, 2415, 255}, true},
            {"SaldoriNimi", "QLabel", "Tietoa", "S a l d o r i", {720, 1560, 2295, 495}, true},
        };
        // clang-format on
        for (const Control& row : rows)
            QTest::newRow(row.name) << row;
    }

    void control() {
        QFETCH(Control, control);
        auto* widget = w->findChild<QWidget*>(QString::fromLatin1(control.name));
        QVERIFY(widget && widget->inherits(control.kind));
        QCOMPARE(widget->parentWidget()->objectName(), QString::fromLatin1(control.container));
        QCOMPARE(captionOf(widget), QString::fromUtf8(control.caption));
        const QRect twipsRect(twips::left(widget), twips::top(widget), twips::width(widget),
                              twips::height(widget));
        QCOMPARE(twipsRect, control.geometry);
        // What is drawn follows the twips, rounded to pixels.
        const auto px = [](int value) { return qRound(value / 15.0); };
        QCOMPARE(widget->geometry(), QRect(px(twipsRect.x()), px(twipsRect.y()),
                                           px(twipsRect.width()), px(twipsRect.height())));
        QCOMPARE(!widget->isHidden(), control.visible);
        QVERIFY(widget->isEnabled());
        QCOMPARE(widget->toolTip(), QString::fromUtf8(control.toolTip));
    }

    void windowAtStart() {
        QCOMPARE(w->minimumSize(), QSize(400, 235));
        QCOMPARE(w->maximumSize(), QSize(400, 235));
        QVERIFY(w->windowFlags().testFlag(Qt::FramelessWindowHint));
        QCOMPARE(w->windowTitle(), QStringLiteral("Saldori"));
        QCOMPARE(w->Ikoni->pixmap().size(), QSize(32, 32));
        for (const MenuLabel* label : w->findChildren<MenuLabel*>())
            QCOMPARE(colours::text(label), colours::kGreen);
        QCOMPARE(colours::text(w->CopyR), colours::kRed);
        QCOMPARE(colours::text(w->ohjeteksti), colours::kCyan);
        // Only the About animation's timer runs; its first tick stops it.
        QCOMPARE((QList<bool>{w->liikuttaja->isEnabled(), w->ohjeliikuttaja->isEnabled(),
                              w->Vilkuta->isEnabled(), w->Ajastin->isEnabled()}),
                 (QList<bool>{false, false, false, true}));

        const QStringList order =
            QStringLiteral("Lainaaja Laina Mtlaina Command3 Tallenna ohjellainaaja ohjellaina "
                           "ohjeplainaaja ohjeplaina URL OK2 Ikoni takaisin Ohjeet Tieto UpDate "
                           "sulje2 LainaLisaa Lainaaja1 OK1 sulje1 OK Uusi takaisin2 Command1")
                .split(u' ');
        QStringList seen;
        QWidget* next = w->Lainaaja;
        for (int steps = 0; steps < 500 && seen.size() < order.size(); ++steps) {
            if (order.contains(next->objectName()) && !seen.contains(next->objectName()))
                seen << next->objectName();
            next = next->nextInFocusChain();
        }
        QCOMPARE(seen, order);
    }

    // The register read at start-up; closing afterwards writes nothing.
    void registerAtStart_data() {
        QTest::addColumn<QStringList>("names"); // slot values; none: no register
        QTest::addColumn<QStringList>("listed");
        QStringList zeroAndFive(100);
        zeroAndFive[0] = "Aino";
        zeroAndFive[5] = "Pekka";
        QTest::newRow("no register") << QStringList() << QStringList{ui_text::kNoBorrowers};
        QTest::newRow("slots 0 and 5") << zeroAndFive << QStringList{"Aino", "Pekka"};
    }

    void registerAtStart() {
        QFETCH(QStringList, names);
        QFETCH(QStringList, listed);
        if (!names.isEmpty()) {
            writeRecordFile(QStringLiteral("nimet.kdx"), names, 100);
            writeRecordFile(QStringLiteral("Aino.kdx"), {"kirja"}, 30);
        }
        const QMap<QString, QByteArray> before = snapshotWorkDir();
        reopen();
        QCOMPARE(entries(w->Lainaaja), listed);
        QCOMPARE(w->Lainaaja->currentText(), ui_text::kPrompt);
        QCOMPARE(w->kenen, ui_text::kPrompt);
        QCOMPARE(slotValues(w->muisti), names.isEmpty() ? QStringList(100) : names);
        if (!names.isEmpty())
            pickFromList(w->Lainaaja, QStringLiteral("Aino"));
        QVERIFY(w->close());
        w.reset();
        QCOMPARE(snapshotWorkDir(), before);
        QVERIFY(dialogs.shown.isEmpty());
    }

    // A pick while editing lists the loans and starts the edit afresh.
    void pickListsTheLoansUnticked_data() {
        QTest::addColumn<QString>("borrower");
        QTest::addColumn<QStringList>("loanSlots");
        // clang-format off
        QTest::newRow("loans in slots 0, 1 and 4") << "Pekka" << QStringList{"kirja", "kynä", "", "", "10 €"};
        QTest::newRow("no loan file")               << "Aino" << QStringList{};
        // A register from elsewhere may hold names that are paths or the program's own files.
        QTest::newRow("a path out of the folder")   << "../x" << QStringList{};
        QTest::newRow("the register itself")        << "nimet" << QStringList{};
        // clang-format on
    }

    void pickListsTheLoansUnticked() {
        QFETCH(QString, borrower);
        QFETCH(QStringList, loanSlots);
        writeRecordFile(QStringLiteral("x.kdx"), {"salainen"}, 30);
        QDir().mkdir(QStringLiteral("data"));
        QDir::setCurrent(QStringLiteral("data"));
        writeRecordFile(QStringLiteral("nimet.kdx"), {"Aino", "Pekka", "../x", "nimet"}, 100);
        writeRecordFile(QStringLiteral("Pekka.kdx"), {"kirja", "kynä", "", "", "10 €"}, 30);
        reopen();
        w->muisti2[3] = QStringLiteral("edellisen laina");
        w->Muokkaus->show();
        w->Mtlaina->setText(QStringLiteral("vanha"));

        pickFromList(w->Lainaaja, borrower);
        QCOMPARE(w->kenen, borrower);
        QStringList listed = loanSlots;
        listed.removeAll(QString());
        QCOMPARE(entries(w->Laina), listed.isEmpty() ? QStringList{ui_text::kNoLoans} : listed);
        for (int i = 0; i < w->Laina->count(); ++i) {
            QCOMPARE(w->Laina->item(i)->checkState(), Qt::Unchecked);
            QVERIFY(w->Laina->item(i)->flags() & Qt::ItemIsUserCheckable);
        }
        loanSlots.resize(30);
        QCOMPARE(slotValues(w->muisti2), loanSlots);
        QCOMPARE(w->Mtlaina->text(), QString());
        QCOMPARE(QApplication::focusWidget(), w->Mtlaina);
        QCOMPARE(filesInWorkDir(), (QStringList{"Pekka.kdx", "nimet.kdx"}));
        QDir::setCurrent(QStringLiteral(".."));
        QCOMPARE(filesInWorkDir(), QStringList{"x.kdx"});
    }

    // Names are exact: a typed "pe" stays "pe", is no borrower, and Enter picks nobody.
    void typedBorrowerIsTakenAsTyped() {
        writeRecordFile(QStringLiteral("nimet.kdx"), {"Aino", "Pekka"}, 100);
        reopen();
        w->Lainaaja->setFocus();
        w->Lainaaja->lineEdit()->selectAll();
        QTest::keyClicks(w->Lainaaja->lineEdit(), "pe");
        QCOMPARE(w->Lainaaja->currentText(), QStringLiteral("pe"));
        QTest::keyClick(w->Lainaaja->lineEdit(), Qt::Key_Return);
        QCOMPARE(w->kenen, ui_text::kPrompt);
        QCOMPARE(w->Laina->count(), 0);
    }
};

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
