#include "ledger/RecordFile.h"

#include "ledger/Windows1252.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>

namespace ledger {
namespace {

constexpr char kMarkerByte = char(0xD7);
constexpr qint64 kBlockSize = 64 * 1024;

// Walks the bytes line by line; only the part of a line before its first marker is kept, so a
// huge line costs no more memory than its prefix.
class RecordScanner {
  public:
    explicit RecordScanner(std::span<QString> table) : table_(table) {}

    bool full() const { return next_ >= table_.size(); }

    void feed(const char* data, qint64 size) {
        for (qint64 i = 0; i < size && !full(); ++i) {
            const char byte = data[i];
            if (byte == '\n') {
                prefix_.clear();
                markerSeen_ = false;
            } else if (markerSeen_) {
                continue;
            } else if (byte == kMarkerByte) {
                markerSeen_ = true;
                table_[next_++] = fromWindows1252(prefix_).trimmed();
            } else {
                prefix_.append(byte);
            }
        }
    }

  private:
    std::span<QString> table_;
    std::size_t next_ = 0;
    QByteArray prefix_;
    bool markerSeen_ = false;
};

} // namespace

void readRecords(const QString& path, std::span<QString> table) {
    // Only regular files: a folder or a pipe by that name must not block or fail the program.
    if (!QFileInfo(path).isFile())
        return;
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        readRecords(file, table);
}

void readRecords(QIODevice& device, std::span<QString> table) {
    RecordScanner scanner(table);
    // Most files are a few kilobytes: a block no larger than the file is enough.
    const qint64 blockSize = std::clamp(device.bytesAvailable(), qint64(1), kBlockSize);
    QByteArray block(blockSize, Qt::Uninitialized);
    while (!scanner.full()) {
        const qint64 got = device.read(block.data(), blockSize);
        if (got <= 0)
            break;
        scanner.feed(block.constData(), got);
    }
}

std::optional<QByteArray> recordBytes(const QString& header, std::span<const QString> table) {
    QString text = header + QStringLiteral("\r\n");
    for (const QString& slot : table)
        text += slot + kMarker + QStringLiteral("\r\n");
    return toWindows1252(text);
}

bool writeRecords(const QString& path, const QString& header, std::span<const QString> table) {
    const std::optional<QByteArray> bytes = recordBytes(header, table);
    if (!bytes)
        return false;

    // Unbuffered, so that a write cut short by a full disk is seen here: a buffered one would
    // only fail inside commit(), which then still puts the cut-off file in place.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    if (file.write(*bytes) != bytes->size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

QString recordHeader(const QString& programName, const QString& dateTime) {
    QString header = programName + QStringLiteral(" muistaa! ") + dateTime;
    // A marker in the header would make readers take it for a record.
    header.remove(kMarker);
    return header;
}

} // namespace ledger
