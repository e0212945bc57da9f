#include "cli/DisplayFailure.h"

#include "cli/Texts.h"

#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace {

QtMessageHandler previousHandler = nullptr;

// Qt's warnings before the failure tell why (which display, which plugin), so they pass on.
void reportDisplayFailure(QtMsgType type, const QMessageLogContext& context,
                          const QString& message) {
    if (type != QtFatalMsg) {
        previousHandler(type, context, message);
        return;
    }
    const QByteArray text = cli_text::kNoDisplay.toUtf8();
    std::fwrite(text.constData(), 1, text.size(), stderr);
    std::_Exit(1);
}

} // namespace

DisplayFailureGuard::DisplayFailureGuard() {
    previousHandler = qInstallMessageHandler(reportDisplayFailure);
}

void DisplayFailureGuard::release() {
    if (std::exchange(active_, false))
        qInstallMessageHandler(previousHandler);
}
