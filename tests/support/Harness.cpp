#include "support/Harness.h"

#include <csignal>
#include <sys/resource.h>

void WindowTestCase::init() {
    dir = std::make_unique<TempWorkDir>();
    dialogs.shown.clear();
    dialogs.answers.clear();
    reopen();
}

void WindowTestCase::cleanup() {
    w.reset();
    dir.reset();
}

void WindowTestCase::reopen() {
    w.reset();
    w = std::make_unique<Saldori>(dialogs, Ticker::Clock::Manual);
    w->show();
    w->activateWindow();
    if (!QTest::qWaitForWindowActive(w.get()))
        qWarning("the window did not become active");
}

FailingWrites::FailingWrites(long long bytes) {
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    previousLimit_ = static_cast<long long>(limit.rlim_cur);
    limit.rlim_cur = static_cast<rlim_t>(bytes);
    setrlimit(RLIMIT_FSIZE, &limit);
}

FailingWrites::~FailingWrites() {
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = static_cast<rlim_t>(previousLimit_);
    setrlimit(RLIMIT_FSIZE, &limit);
}
