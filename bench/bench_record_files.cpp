// Writing and reading the full register, with and without the wait for the disk, beside the
// floor: one QSaveFile write of the same bytes.
#include "ledger/LoanFile.h"
#include "ledger/RecordFile.h"
#include "ledger/Tables.h"
#include "support/Harness.h"

#include <QSaveFile>
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

const QString kHeader = QStringLiteral("saldori muistaa! 6.12.2026 9:00:00");

ledger::NameTable fullRegister() {
    ledger::NameTable names;
    for (int i = 0; i < ledger::kNameSlots; ++i)
        names[i] = QStringLiteral("Äijälä-Virtanen, Liisa %1").arg(i);
    return names;
}

void countSyncs(benchmark::State& state) {
    state.counters["syncs"] = benchmark::Counter(double(syncs), benchmark::Counter::kAvgIterations);
}

// Argument 1: with the disk sync that every save makes; 0: the same save, the sync left out.
void BM_WriteRegister(benchmark::State& state) {
    const TempWorkDir dir;
    const ledger::NameTable names = fullRegister();
    skipSync = state.range(0) == 0;
    syncs = 0;
    for (auto _ : state) {
        if (!ledger::writeRecords(ledger::kRegisterFile, kHeader, names))
            state.SkipWithError("the register was not written");
    }
    countSyncs(state);
}
BENCHMARK(BM_WriteRegister)->ArgName("sync")->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

void BM_SaveFileFloor(benchmark::State& state) {
    const TempWorkDir dir;
    const QByteArray bytes = *ledger::recordBytes(kHeader, fullRegister());
    skipSync = state.range(0) == 0;
    syncs = 0;
    for (auto _ : state) {
        QSaveFile file(ledger::kRegisterFile);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
            file.write(bytes) != bytes.size() || !file.commit())
            state.SkipWithError("the bytes were not written");
    }
    countSyncs(state);
}
BENCHMARK(BM_SaveFileFloor)->ArgName("sync")->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

void BM_ReadRegister(benchmark::State& state) {
    const TempWorkDir dir;
    skipSync = false;
    ledger::writeRecords(ledger::kRegisterFile, kHeader, fullRegister());
    for (auto _ : state) {
        ledger::NameTable names;
        ledger::readRecords(ledger::kRegisterFile, names);
        benchmark::DoNotOptimize(names);
    }
}
BENCHMARK(BM_ReadRegister)->Unit(benchmark::kMicrosecond);

} // namespace

// The toolkit syncs through these; defined here, they come before the C library's, so that one
// run can measure a save with and without the wait for the disk.
extern "C" int fsync(int fd) {
    return syncOrSkip(SYS_fsync, fd);
}
extern "C" int fdatasync(int fd) {
    return syncOrSkip(SYS_fdatasync, fd);
}
