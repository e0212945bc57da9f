#include "ui/Saldori.h"

#include "ledger/RecordFile.h"
#include "platform/AppInfo.h"
#include "platform/WindowGone.h"
#include "ui/Accessibility.h"
#include "ui/BakedImages.h"
#include "ui/Layout.h"
#include "ui/Twips.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace {

const QSize kBackdropSize(115, 235);

// A picture at its own size and at twice that, so that a high-density screen draws it sharp.
QIcon picture(QStringView once, QStringView twice) {
    QIcon icon;
    for (const QStringView name : {once, twice})
        icon.addPixmap(QPixmap::fromImage(baked::image(name)));
    return icon;
}

} // namespace

Saldori::Saldori(const Services& services, QWidget* parent)
    : QWidget(parent),
      ledger_([] { return ledger::recordHeader(executableBaseName(), localDateTimeText()); }),
      AutoUpdate(services.transfers), dialogs_(services.dialogs),
      addressOpener_(services.addresses), systemMove_(services.systemMove) {
    const Ticker::Clock clock = services.clock;
    setObjectName(QStringLiteral("Saldori"));
    setWindowTitle(kAppTitle);
    setWindowIcon(picture(u"icon.png", u"saldori-64.png"));
    setWindowFlag(Qt::FramelessWindowHint);
    setFixedSize(layout::kWindowWidth / twips::kPerPixel, layout::kWindowHeight / twips::kPerPixel);
    setMouseTracking(true);

    liikuttaja = new Ticker(
        QStringLiteral("liikuttaja"), clock, [this] { liikuttaja_Timer(); }, this);
    ohjeliikuttaja = new Ticker(
        QStringLiteral("ohjeliikuttaja"), clock, [this] { ohjeliikuttaja_Timer(); }, this);
    Vilkuta = new Ticker(
        QStringLiteral("Vilkuta"), clock, [this] { Vilkuta_Timer(); }, this);
    Ajastin = new Ticker(
        QStringLiteral("Ajastin"), clock, [this] { Ajastin_Timer(); }, this);

    buildControls();
    applyLayout();
    applyLooks();
    setTabOrder();
    accessibility::describe(this);
    connectHandlers();
    Ajastin->start();
    endWhenWindowDestroyed(this);
    Form_Load();
}

// Controls losing the focus while they are torn down must not reach handlers of a window that
// is already half gone.
Saldori::~Saldori() {
    for (QObject* child : findChildren<QObject*>())
        child->blockSignals(true);
}

bool Saldori::guidedHelp() const {
    return shown(ohjeteksti);
}

bool Saldori::shown(const QWidget* widget) {
    return !widget->isHidden();
}

Answer Saldori::ask(const Message& message) {
    return dialogs_.show(message);
}

// Each density's picture is unpacked when a screen of that density first needs it.
void Saldori::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const bool dense = devicePixelRatioF() > 1;
    QImage& backdrop = backdrop_[dense];
    if (backdrop.isNull())
        backdrop = baked::image(dense ? u"backdrop@2x.png" : u"backdrop.png");
    painter.drawImage(QRect(QPoint(0, 0), kBackdropSize), backdrop);
}

// Only the bare surface moves the window; a press on a control belongs to the control.
void Saldori::mousePressEvent(QMouseEvent* event) {
    dragOffset_ = event->globalPosition().toPoint() - frameGeometry().topLeft();
    drag_ = Drag::Pressed;
    event->accept();
}

void Saldori::mouseMoveEvent(QMouseEvent* event) {
    if (childAt(event->position().toPoint()) == nullptr)
        Form_MouseMove(event->buttons(), event->globalPosition().toPoint());
    event->accept();
}
