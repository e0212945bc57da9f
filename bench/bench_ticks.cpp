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
        if (!w.liikuttaja->isEnabled()) {
            const bool open = Saldori::shown(w.Add) && twips::height(w.Add) > 100;
            if (!open)
                w.Add->show();
            w.liiketila = open ? QStringLiteral("llainaajatakaisin") : QStringLiteral("llainaaja");
            w.liikuttaja->start();
        }
        w.liikuttaja_Timer();
    }
}
BENCHMARK(panelTransitionTick);

void blinkTick(benchmark::State& state) {
    BenchWindow bench;
    Saldori& w = *bench.window;
    for (auto _ : state) {
        if (!w.Vilkuta->isEnabled()) {
            w.vilkkukohde = 3;
            w.Vilkuta->start();
        }
        w.Vilkuta_Timer();
    }
}
BENCHMARK(blinkTick);

// The contents go back to where they start, so that most ticks are gliding steps.
void aboutAnimationTick(benchmark::State& state) {
    BenchWindow bench;
    Saldori& w = *bench.window;
    for (auto _ : state) {
        if (!w.Ajastin->isEnabled()) {
            twips::setLeft(w.Ikoni, -480);
            twips::setTop(w.SaldoriNimi, 1560);
            twips::setLeft(w.OK2, 4080);
            twips::setLeft(w.Versio1, 4320);
            twips::setLeft(w.Koti, -2160);
            twips::setTop(w.SPosti, 1440);
            w.tietovaihe = QStringLiteral("1");
            w.Ajastin->start();
        }
        w.Ajastin_Timer();
    }
}
BENCHMARK(aboutAnimationTick);

} // namespace
