#include "BenchSupport.h"
#include "support/Harness.h"
#include "ui/Twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <benchmark/benchmark.h>

// One tick of each timer, on a shown window whose ticks only the benchmark delivers.
namespace {

struct BenchWindow {
    TempWorkDir dir;
    RecordingDialogs dialogs;
    std::unique_ptr<Saldori> window = openWindow(dialogs);
};

// The add-borrower panel opens and closes for ever, so every tick is a step or an arrival.
void panelTransitionTick(benchmark::State& state) {
    BenchWindow bench;
    Saldori& w = *bench.window;
    for (auto _ : state) {
        if (!running(w, "liikuttaja"))
            Saldori::shown(find(w, "Add")) ? w.sulje1_Click() : w.LLainaaja_Click();
        w.liikuttaja_Timer();
    }
}
BENCHMARK(panelTransitionTick);

void blinkTick(benchmark::State& state) {
    BenchWindow bench;
    Saldori& w = *bench.window;
    for (auto _ : state) {
        if (!running(w, "Vilkuta"))
            w.PLainaaja_Click();
        w.Vilkuta_Timer();
    }
}
BENCHMARK(blinkTick);

// The contents go back to where they start, so that most ticks are gliding steps.
void aboutAnimationTick(benchmark::State& state) {
    BenchWindow bench;
    Saldori& w = *bench.window;
    for (auto _ : state) {
        if (!running(w, "Ajastin")) {
            state.PauseTiming();
            twips::setLeft(find(w, "Ikoni"), -480);
            twips::setTop(find(w, "SaldoriNimi"), 1560);
            twips::setLeft(find(w, "OK2"), 4080);
            twips::setLeft(find(w, "Versio1"), 4320);
            twips::setLeft(find(w, "Koti"), -2160);
            twips::setTop(find(w, "SPosti"), 1440);
            w.Tieto_Click();
            while (running(w, "ohjeliikuttaja"))
                w.ohjeliikuttaja_Timer();
            state.ResumeTiming();
        }
        w.Ajastin_Timer();
    }
}
BENCHMARK(aboutAnimationTick);

} // namespace
