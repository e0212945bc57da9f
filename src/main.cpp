#include "cli/CommandLine.h"
#include "cli/DisplayFailure.h"
#include "ledger/SaveLeftovers.h"
#include "platform/DataFolder.h"
#include "platform/Dialogs.h"
#include "platform/InstanceLock.h"
#include "platform/Translation.h"
#include "ui/Accessibility.h"
#include "ui/Messages.h"
#include "ui/Saldori.h"

#include <QApplication>
#include <QDir>
#include <QScreen>
#include <optional>

namespace {

int runWindow(int argc, char* argv[]) {
    DisplayFailureGuard displayFailure;
    QApplication app(argc, argv);
    displayFailure.release();
    // The window's class in WM_CLASS; the desktop entry's StartupWMClass names the same.
    QApplication::setApplicationName(QStringLiteral("saldori"));
    installFinnishTranslation(app);
    QGuiApplication::setDesktopFileName(QStringLiteral(SALDORI_APP_ID));
    accessibility::installInterfaces();

    MessageBoxDialogs dialogs;
    InstanceLock lock;
    if (!lock.tryAcquire()) {
        dialogs.show(msg::kAlreadyRunning);
        return 0;
    }
    if (const data_folder::Entry folder = data_folder::enter(); !folder.entered) {
        dialogs.show(msg::noDataFolder(folder.folder));
        return 1;
    }
    // A save's temporary file is named by its process, so one whose process is gone is a crash's
    // leftover, whether or not a lock could be made.
    ledger::removeSaveLeftovers(QDir::current());

    Saldori window(Services{dialogs});
    dialogs.setParent(&window);
    const QRect screen = window.screen()->availableGeometry();
    window.move(screen.center() - window.rect().center());
    window.show();
    return QApplication::exec();
}

} // namespace

int main(int argc, char* argv[]) {
    // A plain start reads no arguments: the window comes up as fast as it can.
    if (argc > 1) {
        if (const std::optional<int> status = cli::run(argc, argv))
            return *status;
    }
    return runWindow(argc, argv);
}
