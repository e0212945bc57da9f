#pragma once

#include "support/RecordingDialogs.h"

#include <benchmark/benchmark.h>

// A command that showed a message did not do the work being measured.
inline void failOnMessages(benchmark::State& state, const RecordingDialogs& dialogs) {
    if (!dialogs.shown.isEmpty())
        state.SkipWithError(qPrintable(dialogs.shown.first().text));
}
