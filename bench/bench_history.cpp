// One change of a borrower's loans and one of the register with a borrower's loan file, as they
// were written before the history and as they are written now that it keeps each change first.
#include "ledger/FileReplacement.h"
#include "ledger/Ledger.h"
#include "ledger/OwnFiles.h"
#include "ledger/RecordFile.h"
#include "ledger/Tables.h"
#include "support/Harness.h"

#include <benchmark/benchmark.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

bool skipSync = false;
long syncs = 0;

int syncOrSkip(long call, int fd) {
    ++syncs;
    return skipSync ? 0 : int(syscall(call, fd));
}

template <typename Table> QByteArray full(int round) {
    Table table;
    for (std::size_t slot = 0; slot < table.size(); ++slot)
        table[slot] =
            QStringLiteral("Äijälä-Virtanen, laina %1 kierrokselta %2").arg(slot).arg(round);
    return *ledger::recordBytes(QStringLiteral("saldori muistaa! 6.12.2026 9:00:00"), table);
}

// Range 1: the loan file alone; 2: the loan file, then the register.
ledger::Change change(int files, int round) {
    ledger::Change change{QStringLiteral("Muokattu laina lainaajalta Aino"),
                          {{QStringLiteral("Aino.kdx"), full<ledger::LoanTable>(round)}}};
    if (files == 2)
        change.files.append({ledger::kRegisterFile, full<ledger::NameTable>(round)});
    return change;
}

// What every change did before the history: refuse a foreign file, then replace each in order.
bool applyWithoutHistory(const ledger::Change& change) {
    for (const ledger::FileChange& file : change.files) {
        if (!ledger::mayReplace(file.file))
            return false;
    }
    for (const ledger::FileChange& file : change.files) {
        ledger::FileReplacement replacement(file.file, ledger::FileReplacement::Links::Follow,
                                            0600);
        if (!replacement.open() || !replacement.write(*file.bytes) || !replacement.commit())
            return false;
    }
    return true;
}

// Arguments: the files changed, whether the history keeps them, whether the disk is waited for.
// The history is full, so every change also drops its oldest set, as it will for a user.
void BM_Change(benchmark::State& state) {
    const TempWorkDir dir;
    const auto files = int(state.range(0));
    const bool history = state.range(1) == 1;
    skipSync = state.range(2) == 0;
    ledger::Ledger ledger;
    for (int round = 0; round < ledger::History::kMostSets + 1; ++round)
        ledger.apply(change(files, round));
    syncs = 0;
    int round = 0;
    for (auto _ : state) {
        const ledger::Change next = change(files, ++round % 2);
        if (!(history ? ledger.apply(next).done() : applyWithoutHistory(next)))
            state.SkipWithError("the change was not written");
    }
    state.counters["syncs"] = benchmark::Counter(double(syncs), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_Change)
    ->ArgNames({"files", "history", "sync"})
    ->ArgsProduct({{1, 2}, {0, 1}, {1, 0}})
    ->Unit(benchmark::kMicrosecond);

} // namespace

extern "C" int fsync(int fd) {
    return syncOrSkip(SYS_fsync, fd);
}
extern "C" int fdatasync(int fd) {
    return syncOrSkip(SYS_fdatasync, fd);
}
