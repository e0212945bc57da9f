// Adding a borrower and adding a loan on full tables, disk writes included.
#include "BenchSupport.h"
#include "ledger/LoanFile.h"
#include "support/Harness.h"
#include "ui/ListFilling.h"

#include <QComboBox>
#include <QLineEdit>
#include <benchmark/benchmark.h>

namespace {

// Slot 99 stays free, so that every round adds the hundredth borrower.
void BM_AddBorrower(benchmark::State& state) {
    const TempWorkDir dir;
    writeRecordFile(ledger::kRegisterFile, numbered(QStringLiteral("Lainaaja "), 99), 100);
    RecordingDialogs dialogs;
    const auto window = openWindow(dialogs);
    window->LLainaaja_Click();
    for (auto _ : state) {
        state.PauseTiming();
        writeRecordFile(ledger::kRegisterFile, numbered(QStringLiteral("Lainaaja "), 99), 100);
        window->LueNimet();
        find<QLineEdit>(*window, "Uusi")->setText(QStringLiteral("Virtanen, Liisa"));
        state.ResumeTiming();
        window->OK_Click();
    }
    failOnMessages(state, dialogs);
}
BENCHMARK(BM_AddBorrower)->Unit(benchmark::kMillisecond);

// The borrower has 29 loans, so every round adds the thirtieth.
void BM_AddLoan(benchmark::State& state) {
    const TempWorkDir dir;
    writeRecordFile(ledger::kRegisterFile, numbered(QStringLiteral("Lainaaja "), 100), 100);
    const QStringList loans = numbered(QStringLiteral("laina numero "), 29);
    RecordingDialogs dialogs;
    const auto window = openWindow(dialogs);
    window->LLaina_Click();
    setComboText(find<QComboBox>(*window, "Lainaaja1"), QStringLiteral("Lainaaja 42"));
    for (auto _ : state) {
        state.PauseTiming();
        writeRecordFile(QStringLiteral("Lainaaja 42.kdx"), loans, 30);
        find<QLineEdit>(*window, "LainaLisaa")->setText(QStringLiteral("10,50 € maitoa"));
        state.ResumeTiming();
        window->OK1_Click();
    }
    failOnMessages(state, dialogs);
}
BENCHMARK(BM_AddLoan)->Unit(benchmark::kMillisecond);

// Opening and leaving the panels read the full register and fill the lists with it.
void BM_OpenAddBorrower(benchmark::State& state) {
    const TempWorkDir dir;
    writeRecordFile(ledger::kRegisterFile, numbered(QStringLiteral("Lainaaja "), 100), 100);
    RecordingDialogs dialogs;
    const auto window = openWindow(dialogs);
    for (auto _ : state)
        window->LLainaaja_Click();
    failOnMessages(state, dialogs);
}
BENCHMARK(BM_OpenAddBorrower)->Unit(benchmark::kMillisecond);

void BM_OpenAndLeaveAddLoans(benchmark::State& state) {
    const TempWorkDir dir;
    writeRecordFile(ledger::kRegisterFile, numbered(QStringLiteral("Lainaaja "), 100), 100);
    RecordingDialogs dialogs;
    const auto window = openWindow(dialogs);
    for (auto _ : state) {
        window->LLaina_Click();
        window->sulje2_Click();
    }
    failOnMessages(state, dialogs);
}
BENCHMARK(BM_OpenAndLeaveAddLoans)->Unit(benchmark::kMillisecond);

} // namespace
