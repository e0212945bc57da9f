#include "support/Harness.h"

void WindowTestCase::reopen() {
    w.reset();
    w = std::make_unique<Saldori>(dialogs, Ticker::Clock::Manual);
    w->show();
    w->activateWindow();
    if (!QTest::qWaitForWindowActive(w.get()))
        qWarning("the window did not become active");
}
