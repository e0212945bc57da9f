#include "support/Harness.h"
#include "ui/MenuLabel.h"
#include "ui/Twips.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

// The window as it must look before anyone touches it.
class StartupLayoutTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        dir_ = std::make_unique<TempWorkDir>();
        window_ = openWindow(dialogs_);
    }
    void cleanup() {
        window_.reset();
        dir_.reset();
    }

    void control_data();
    void control();
    void panelsRestCollapsedAndHidden();
    void windowIsFixedBorderlessAndSized();
    void timersAtStart();
    void tabOrderFollowsTheListedOrder();
    void menuLabelsAreGreenAndEnabled();
    void borderLinesLeaveTheBottomLeftCornerOpen();

  private:
    RecordingDialogs dialogs_;
    std::unique_ptr<TempWorkDir> dir_;
    std::unique_ptr<Saldori> window_;
};

namespace {

QString captionOf(const QWidget* w) {
    if (auto* label = qobject_cast<const QLabel*>(w))
        return label->text();
    if (auto* button = qobject_cast<const QPushButton*>(w))
        return button->text();
    if (auto* edit = qobject_cast<const QLineEdit*>(w))
        return edit->text();
    if (auto* combo = qobject_cast<const QComboBox*>(w))
        return combo->currentText();
    if (auto* group = qobject_cast<const QGroupBox*>(w))
        return group->title();
    return {};
}

} // namespace

void StartupLayoutTest::control_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("container");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<QString>("toolTip");

    struct Row {
        const char* name;
        const char* kind;
        const char* container;
        const char* caption;
        QRect geometry;
        bool visible;
        const char* toolTip;
    };
    const Row rows[] = {
        {"LLainaaja", "QLabel", "Saldori", "Lisää lainaaja", {120, 120, 1215, 255}, true, ""},
        {"LLaina", "QLabel", "Saldori", "Lisää laina", {120, 360, 975, 255}, true, ""},
        {"PLainaaja", "QLabel", "Saldori", "Poista lainaaja", {120, 600, 1215, 255}, true, ""},
        {"PLaina", "QLabel", "Saldori", "Poista laina", {120, 840, 975, 255}, true, ""},
        {"Muokkaa", "QLabel", "Saldori", "Muokkaa", {120, 1080, 855, 255}, true, ""},
        {"Apua", "QLabel", "Saldori", "Saldori", {120, 3000, 735, 255}, true, ""},
        {"Lopeta", "QLabel", "Saldori", "Poistu", {120, 3240, 615, 255}, true, ""},
        {"Lainaaja", "QComboBox", "Saldori", "Lainaajan nimi:", {1680, 120, 4215, 375}, true, ""},
        {"Laina", "QListWidget", "Saldori", "", {1680, 480, 4215, 2610}, true, ""},
        {"ohjeteksti", "QLabel", "Saldori", "Ohje", {-1320, 1440, 1335, 1335}, false, ""},
        {"takaisin2",
         "QPushButton",
         "Saldori",
         "<<",
         {-1200, 2640, 1095, 255},
         false,
         "Poistu ohjeesta"},
        {"Add", "QGroupBox", "Saldori", "Lisää lainaaja:", {1680, 3120, 4215, 15}, false, ""},
        {"Label3", "QLabel", "Add", "Lainaajan nimi:", {120, 240, 1095, 255}, true, ""},
        {"Uusi", "QLineEdit", "Add", "", {1200, 240, 2895, 285}, true, ""},
        {"sulje1", "QPushButton", "Add", "Takaisin", {240, 600, 1815, 375}, true, ""},
        {"OK", "QPushButton", "Add", "Lisää", {2280, 600, 1815, 375}, true, ""},
        {"Add1", "QGroupBox", "Saldori", "Lisää laina:", {1680, 3120, 4215, 15}, false, ""},
        {"Label1", "QLabel", "Add1", "Lainaajan nimi:", {105, 240, 1095, 255}, true, ""},
        {"Lainaaja1",
         "QComboBox",
         "Add1",
         "Valitse tästä lainaaja",
         {1200, 240, 2895, 315},
         true,
         ""},
        {"Label2", "QLabel", "Add1", "Laina:", {105, 600, 495, 255}, true, ""},
        {"LainaLisaa", "QLineEdit", "Add1", "", {600, 600, 3495, 615}, true, ""},
        {"sulje2", "QPushButton", "Add1", "Poistu", {120, 1320, 1935, 375}, true, ""},
        {"OK1", "QPushButton", "Add1", "Lisää", {2160, 1320, 1935, 375}, true, ""},
        {"Muokkaus", "QGroupBox", "Saldori", "Muokkaa:", {1680, 3120, 4215, 15}, false, ""},
        {"Label5",
         "QLabel",
         "Muokkaus",
         "Valitse ensin lainaaja, sitten laina, korjaa muutos ja tallenna klikkaamalla "
         "'Tallenna' painiketta.",
         {120, 240, 3975, 495},
         true,
         ""},
        {"Mtlaina", "QLineEdit", "Muokkaus", "", {120, 720, 3975, 285}, true, ""},
        {"Command3", "QPushButton", "Muokkaus", "Takaisin", {120, 1080, 855, 495}, true, ""},
        {"Tallenna", "QPushButton", "Muokkaus", "Tallenna", {3240, 1080, 855, 495}, true, ""},
        {"apu", "QGroupBox", "Saldori", "Saldori:", {1680, 3120, 4215, 15}, false, ""},
        {"UpDate",
         "QPushButton",
         "apu",
         "Tarkista päivitykset Internetistä.",
         {120, 240, 2535, 375},
         true,
         "Tarkistaa Internetistä onko Saldoriin päivityksiä"},
        {"Ohjeet",
         "QPushButton",
         "apu",
         "Ohjeet",
         {2760, 240, 615, 375},
         true,
         "Ohjeet kuinka ohjelmaa käytetään"},
        {"Tieto", "QPushButton", "apu", "Tietoa", {3480, 240, 615, 375}, true, "Tietoa Saldorista"},
        {"takaisin",
         "QPushButton",
         "apu",
         "Takaisin",
         {120, 650, 3975, 330},
         true,
         "Poistu tästä valikosta"},
        {"Ohje",
         "QGroupBox",
         "Saldori",
         " Valitse mihin tarvitset apua: ",
         {1680, 3120, 4215, 15},
         false,
         ""},
        {"Command1", "QPushButton", "Ohje", "<<", {120, 240, 135, 435}, true, "Takaisin"},
        {"ohjellainaaja",
         "QPushButton",
         "Ohje",
         "Lainaajan Lisäys",
         {360, 240, 855, 495},
         true,
         "Kuinka lisään lainaajan listalle?"},
        {"ohjellaina",
         "QPushButton",
         "Ohje",
         "Lainan lisäys",
         {1200, 240, 735, 495},
         true,
         "Kuinka lisään lainan lainaajalle?"},
        {"ohjeplainaaja",
         "QPushButton",
         "Ohje",
         "Lainaajan poistaminen",
         {1920, 240, 1095, 495},
         true,
         "Kuinka poistan lainaajan?"},
        {"ohjeplaina",
         "QPushButton",
         "Ohje",
         "Lainan poistaminen",
         {3000, 240, 1095, 495},
         true,
         "Kuinka poistan lainan lainaajalta?"},
        {"WebUpdate",
         "QGroupBox",
         "Saldori",
         "Saldorin päivitys:",
         {1680, 3120, 4215, 15},
         false,
         ""},
        {"tila", "QLabel", "WebUpdate", "Odota hetki...", {120, 240, 3975, 255}, true, ""},
        {"URL",
         "QLineEdit",
         "WebUpdate",
         SALDORI_UPDATE_URL "versio.kdx",
         {360, 600, 1095, 285},
         false,
         ""},
        {"versio", "QLabel", "WebUpdate", "", {240, 960, 615, 255}, false, ""},
        {"versiouusi", "QLabel", "WebUpdate", "", {840, 960, 615, 255}, false, ""},
        {"Tietoa", "QGroupBox", "Saldori", "Tietoa", {1680, 3120, 4215, 15}, false, ""},
        {"Ikoni", "QLabel", "Tietoa", "", {-480, 240, 480, 480}, true, ""},
        {"Versio1", "QLabel", "Tietoa", "Versio:", {4320, 480, 975, 255}, true, ""},
        {"Koti", "QLabel", "Tietoa", SALDORI_HOME_PAGE, {-2160, 840, 2055, 255}, true, ""},
        {"OK2", "QPushButton", "Tietoa", "Selvä", {4080, 960, 735, 375}, true, ""},
        {"SPosti", "QLabel", "Tietoa", SALDORI_EMAIL, {45, 1440, 2415, 255}, true, ""},
        {"SaldoriNimi", "QLabel", "Tietoa", "S a l d o r i", {720, 1560, 2295, 495}, true, ""},
    };
    for (const Row& row : rows) {
        QTest::newRow(row.name) << row.kind << row.container << QString::fromUtf8(row.caption)
                                << row.geometry << row.visible << QString::fromUtf8(row.toolTip);
    }
}

void StartupLayoutTest::control() {
    QFETCH(QString, kind);
    QFETCH(QString, container);
    QFETCH(QString, caption);
    QFETCH(QRect, geometry);
    QFETCH(bool, visible);
    QFETCH(QString, toolTip);

    const QString name = QString::fromLatin1(QTest::currentDataTag());
    auto* widget = window_->findChild<QWidget*>(name);
    QVERIFY2(widget, qPrintable(name));
    QVERIFY(widget->inherits(kind.toLatin1()));
    QCOMPARE(widget->parentWidget()->objectName(), container);
    QCOMPARE(captionOf(widget), caption);
    QCOMPARE(
        QRect(twips::left(widget), twips::top(widget), twips::width(widget), twips::height(widget)),
        geometry);
    // Pixels follow the twips, rounded.
    QCOMPARE(widget->geometry(),
             QRect(qRound(geometry.x() / 15.0), qRound(geometry.y() / 15.0),
                   qRound(geometry.width() / 15.0), qRound(geometry.height() / 15.0)));
    QCOMPARE(!widget->isHidden(), visible);
    QVERIFY(widget->isEnabled());
    QCOMPARE(widget->toolTip(), toolTip);
}

void StartupLayoutTest::panelsRestCollapsedAndHidden() {
    const QList<QGroupBox*> panels = window_->findChildren<QGroupBox*>();
    QCOMPARE(panels.size(), 7);
    for (const QGroupBox* panel : panels) {
        QVERIFY(!panel->isVisible());
        QCOMPARE(twips::top(panel), 3120);
        QCOMPARE(twips::height(panel), 15);
    }
    QVERIFY(window_->CopyR->isVisible());
    QVERIFY(!window_->CopyR->text().isEmpty());
    QVERIFY(!window_->CopyR->toolTip().isEmpty());
}

void StartupLayoutTest::windowIsFixedBorderlessAndSized() {
    QCOMPARE(window_->size(), QSize(400, 235));
    QCOMPARE(window_->minimumSize(), QSize(400, 235));
    QCOMPARE(window_->maximumSize(), QSize(400, 235));
    QVERIFY(window_->windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(window_->windowTitle(), QStringLiteral("Saldori"));
    QVERIFY(!window_->windowIcon().isNull());
    QCOMPARE(window_->palette().color(QPalette::Window), QColor(224, 224, 224));
    QVERIFY(!window_->Ikoni->pixmap().isNull());
    QCOMPARE(window_->Ikoni->pixmap().size(), QSize(32, 32));
}

void StartupLayoutTest::timersAtStart() {
    QVERIFY(!window_->liikuttaja->isEnabled());
    QVERIFY(!window_->ohjeliikuttaja->isEnabled());
    QVERIFY(!window_->Vilkuta->isEnabled());
    QVERIFY(window_->Ajastin->isEnabled());
    for (const char* name : {"liikuttaja", "ohjeliikuttaja", "Vilkuta", "Ajastin"})
        QVERIFY(window_->findChild<Ticker*>(QString::fromLatin1(name)));
    QCOMPARE(window_->vilkkukohde, 0);
    QCOMPARE(window_->vilkkulaskuri, 0);
    QVERIFY(window_->liiketila.isEmpty());
    QVERIFY(window_->tietovaihe.isEmpty());
}

void StartupLayoutTest::tabOrderFollowsTheListedOrder() {
    const QStringList order = {
        "Lainaaja",      "Laina",      "Mtlaina",       "Command3",   "Tallenna",
        "ohjellainaaja", "ohjellaina", "ohjeplainaaja", "ohjeplaina", "URL",
        "OK2",           "Ikoni",      "takaisin",      "Ohjeet",     "Tieto",
        "UpDate",        "sulje2",     "LainaLisaa",    "Lainaaja1",  "OK1",
        "sulje1",        "OK",         "Uusi",          "takaisin2",  "Command1"};
    QStringList seen;
    QWidget* w = window_->Lainaaja;
    for (int steps = 0; steps < 500 && seen.size() < order.size(); ++steps) {
        if (order.contains(w->objectName()) && !seen.contains(w->objectName()))
            seen << w->objectName();
        w = w->nextInFocusChain();
    }
    QCOMPARE(seen, order);
}

void StartupLayoutTest::menuLabelsAreGreenAndEnabled() {
    for (QLabel* label :
         {window_->findChild<QLabel*>("LLainaaja"), window_->findChild<QLabel*>("Lopeta")}) {
        QCOMPARE(label->palette().color(QPalette::Active, QPalette::WindowText), QColor(0, 255, 0));
        QVERIFY(label->isEnabled());
    }
    QCOMPARE(window_->Apua->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
    QCOMPARE(window_->LLainaaja->alignment() & Qt::AlignHCenter, Qt::Alignment());
    QCOMPARE(window_->CopyR->palette().color(QPalette::Active, QPalette::WindowText),
             QColor(255, 0, 0));
    QCOMPARE(window_->ohjeteksti->palette().color(QPalette::Active, QPalette::WindowText),
             QColor(0, 255, 255));
}

void StartupLayoutTest::borderLinesLeaveTheBottomLeftCornerOpen() {
    // Bottom edge from x 960, right edge, top edge, left edge; each two pixels wide.
    const QRect expected[] = {{64, 233, 335, 2}, {398, 0, 2, 232}, {0, 0, 398, 2}, {0, 0, 2, 232}};
    const char* names[] = {"Line1", "Line2", "Line3", "Line4"};
    for (int i = 0; i < 4; ++i) {
        auto* line = window_->findChild<QWidget*>(QString::fromLatin1(names[i]));
        QVERIFY2(line, names[i]);
        QCOMPARE(line->geometry(), expected[i]);
        QVERIFY(line->isVisible());
    }
}

QTEST_MAIN(StartupLayoutTest)
#include "tst_startup_layout.moc"
