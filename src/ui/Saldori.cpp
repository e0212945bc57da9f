#include "ui/Saldori.h"

#include "ledger/RecordFile.h"
#include "platform/AppInfo.h"
#include "platform/WindowGone.h"
#include "ui/Accessibility.h"
#include "ui/HintLabel.h"

#include <QMouseEvent>

Saldori::Saldori(const Services& services, QWidget* parent)
    : SaldoriScreen(services.transfers, parent),
      ledger_([] { return ledger::recordHeader(executableBaseName(), localDateTimeText()); }),
      dialogs_(services.dialogs), addressOpener_(services.addresses), drag_(services.systemMove) {
    const Ticker::Clock clock = services.clock;

    liikuttaja = new Ticker(
        QStringLiteral("liikuttaja"), clock, [this] { liikuttaja_Timer(); }, this);
    ohjeliikuttaja = new Ticker(
        QStringLiteral("ohjeliikuttaja"), clock, [this] { ohjeliikuttaja_Timer(); }, this);
    Vilkuta = new Ticker(
        QStringLiteral("Vilkuta"), clock, [this] { Vilkuta_Timer(); }, this);
    Ajastin = new Ticker(
        QStringLiteral("Ajastin"), clock, [this] { Ajastin_Timer(); }, this);

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
    return guide_.topic != Guide::Topic::none;
}

void Saldori::showStep(const QString& hint) {
    guide_.step = hint;
    ohjeteksti->setText(hint);
}

Answer Saldori::ask(const Message& message) {
    return dialogs_.show(message);
}

// Only the bare surface moves the window; a press on a control belongs to the control.
void Saldori::mousePressEvent(QMouseEvent* event) {
    drag_.press(event->globalPosition().toPoint() - frameGeometry().topLeft());
    event->accept();
}

void Saldori::mouseMoveEvent(QMouseEvent* event) {
    if (childAt(event->position().toPoint()) == nullptr)
        Form_MouseMove(event->buttons(), event->globalPosition().toPoint());
    event->accept();
}
