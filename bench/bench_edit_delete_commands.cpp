// Editing a loan, deleting a loan and deleting a borrower on full tables, disk writes included.
#include "BenchSupport.h"
#include "support/Harness.h"
#include "ui/ListFilling.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <benchmark/benchmark.h>

namespace {

QStringList names() {
    QStringList result;
    for (int i = 0; i < ledger::kNameSlots; ++i)
        result << QStringLiteral("Lainaaja %1").arg(i, 3, 10, QChar(u'0'));
    return result;
}

QStringList loans() {
    QStringList result;
    for (int i = 0; i < ledger::kLoanSlots; ++i)
        result << QStringLiteral("%1,50 € \"kirja\" numero %1").arg(i);
    return result;
}

// A working folder of 100 borrowers with 30 loans each, and a window on it.
struct FullLedger {
    FullLedger() {
        for (const QString& name : names())
            writeRecordFile(name + ".kdx", loans(), ledger::kLoanSlots);
        writeRecordFile("nimet.kdx", names(), ledger::kNameSlots);
        window = openWindow(dialogs, false);
    }

    // The borrower picked on the main screen, as a pick from the list leaves it.
    void choose(const QString& name) {
        setComboText(find<QComboBox>(*window, "Lainaaja"), name);
        window->Lainaaja_Click();
    }

    TempWorkDir dir;
    RecordingDialogs dialogs;
    std::unique_ptr<Saldori> window;
};

void BM_SaveEditedLoan(benchmark::State& state) {
    FullLedger ledger;
    Saldori& window = *ledger.window;
    ledger.choose(names().last());
    window.Muokkaa_Click();
    const QString edits[] = {QStringLiteral("korjattu laina"), QStringLiteral("laina 29")};
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        find<QListWidget>(window, "Laina")
            ->setCurrentRow(find<QListWidget>(window, "Laina")->count() - 1);
        find<QLineEdit>(window, "Mtlaina")->setText(edits[round++ % 2]);
        state.ResumeTiming();
        window.Tallenna_Click();
    }
    failOnMessages(state, ledger.dialogs);
}

void BM_DeleteOneLoan(benchmark::State& state) {
    FullLedger ledger;
    Saldori& window = *ledger.window;
    const QString name = names().last();
    for (auto _ : state) {
        state.PauseTiming();
        writeRecordFile(name + ".kdx", loans(), ledger::kLoanSlots);
        ledger.choose(name);
        find<QListWidget>(window, "Laina")->item(14)->setCheckState(Qt::Checked);
        state.ResumeTiming();
        window.PLaina_Click();
    }
    failOnMessages(state, ledger.dialogs);
}

void BM_DeleteBorrower(benchmark::State& state) {
    FullLedger ledger;
    Saldori& window = *ledger.window;
    const QString name = names().last();
    for (auto _ : state) {
        state.PauseTiming();
        writeRecordFile(name + ".kdx", loans(), ledger::kLoanSlots);
        writeRecordFile("nimet.kdx", names(), ledger::kNameSlots);
        window.LueNimet();
        ledger.choose(name);
        state.ResumeTiming();
        window.PLainaaja_Click();
    }
    failOnMessages(state, ledger.dialogs);
}

void BM_OpenEditPanel(benchmark::State& state) {
    FullLedger ledger;
    Saldori& window = *ledger.window;
    ledger.choose(names().last());
    for (auto _ : state)
        window.Muokkaa_Click();
    failOnMessages(state, ledger.dialogs);
}

} // namespace

BENCHMARK(BM_SaveEditedLoan)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DeleteOneLoan)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DeleteBorrower)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OpenEditPanel)->Unit(benchmark::kMicrosecond);
