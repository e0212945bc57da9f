#include "ledger/SaveLeftovers.h"
#include "platform/Dialogs.h"
#include "platform/InstanceLock.h"
#include "platform/Translation.h"
#include "ui/Messages.h"
#include "ui/Saldori.h"

#include <QApplication>
#include <QDir>
#include <QScreen>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("saldori"));
    installFinnishTranslation(app);
    QGuiApplication::setDesktopFileName(QStringLiteral(SALDORI_APP_ID));

    MessageBoxDialogs dialogs;
    InstanceLock lock;
    if (!lock.tryAcquire()) {
        dialogs.show(msg::kAlreadyRunning);
        return 0;
    }
    // With the lock held no other copy is saving, so a temporary file is a crash's leftover.
    if (lock.isHeld())
        ledger::removeSaveLeftovers(QDir::current());

    Saldori window(dialogs);
    dialogs.setParent(&window);
    const QRect screen = window.screen()->availableGeometry();
    window.move(screen.center() - window.rect().center());
    window.show();
    return QApplication::exec();
}
