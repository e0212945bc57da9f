#include "cli/DisplayFailure.h"

#include "cli/Output.h"
#include "cli/Texts.h"

#include <QList>
#include <QRegularExpression>
#include <QtGlobal>
#include <cstdlib>
#include <utility>

namespace {

struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};

QtMessageHandler previousHandler = nullptr;
QList<HeldMessage> heldMessages;

// The platform plugin the toolkit was asked for and has not got, if that is why it failed.
QString missingPlatform() {
    static const QRegularExpression notFound(
        QStringLiteral("Could not find the Qt platform plugin \"([^\"]*)\""));
    for (const HeldMessage& held : std::as_const(heldMessages)) {
        if (const QRegularExpressionMatch match = notFound.match(held.text); match.hasMatch())
            return match.captured(1);
    }
    return {};
}

void holdOrReport(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type != QtFatalMsg) {
        heldMessages.append({type, context.category, message});
        return;
    }
    const QString platform = missingPlatform();
    cli::fail(platform.isEmpty() ? cli_text::kNoDisplay : cli_text::noPlatform(platform));
    std::_Exit(1);
}

} // namespace

DisplayFailureGuard::DisplayFailureGuard() {
    previousHandler = qInstallMessageHandler(holdOrReport);
}

void DisplayFailureGuard::release() {
    if (!std::exchange(active_, false))
        return;
    qInstallMessageHandler(previousHandler);
    for (const HeldMessage& held : std::as_const(heldMessages)) {
        const QMessageLogContext context(
            nullptr, 0, nullptr, held.category.isNull() ? nullptr : held.category.constData());
        previousHandler(held.type, context, held.text);
    }
    heldMessages.clear();
}
