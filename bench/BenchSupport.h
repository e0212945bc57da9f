#pragma once

#include "support/Harness.h"

#include <benchmark/benchmark.h>
#include <memory>

// The window as the suite opens it, its ticks delivered only by the benchmark.
inline std::unique_ptr<Saldori> openWindow(RecordingDialogs& dialogs, bool show = true) {
    auto window = std::make_unique<Saldori>(
        Services{dialogs, desktopAddressOpener(), nullptr, Ticker::Clock::Manual});
    if (show)
        window->show();
    return window;
}

// A command that showed a message did not do the work being measured.
inline void failOnMessages(benchmark::State& state, const RecordingDialogs& dialogs) {
    if (!dialogs.shown.isEmpty())
        state.SkipWithError(qPrintable(dialogs.shown.first().text));
}
