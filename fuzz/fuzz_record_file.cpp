// Feeds arbitrary bytes to the record-file reader as a register and as a loan file.
#include "ledger/RecordFile.h"
#include "ledger/Tables.h"

#include <QBuffer>
#include <cstddef>
#include <cstdint>

namespace {

template <typename Table> void read(const QByteArray& bytes) {
    QBuffer file;
    file.setData(bytes);
    file.open(QIODevice::ReadOnly);
    Table table;
    ledger::readRecords(file, table);
    // A record is the trimmed text before the line's first marker.
    for (const QString& record : table) {
        if (record.contains(ledger::kMarker) || record.contains(u'\n') || record.contains(u'\r') ||
            record != record.trimmed())
            __builtin_trap();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    read<ledger::NameTable>(bytes);
    read<ledger::LoanTable>(bytes);
    return 0;
}
