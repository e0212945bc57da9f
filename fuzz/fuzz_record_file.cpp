// Feeds arbitrary bytes to the record-file reader as a register and as a loan file.
#include "ledger/RecordFile.h"
#include "ledger/Tables.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("f.kdx"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    ledger::NameTable names;
    ledger::readRecords(path, names);
    ledger::LoanTable loans;
    ledger::readRecords(path, loans);
    for (const QString& name : names) {
        if (name.contains(ledger::kMarker))
            __builtin_trap();
    }
    return 0;
}
