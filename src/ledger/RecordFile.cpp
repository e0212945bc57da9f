#include "ledger/RecordFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace ledger {
namespace {

constexpr char kMarkerByte = char(0xD7);
constexpr qint64 kBlockSize = 64 * 1024;

QString decode(const QByteArray& bytes) {
    QStringDecoder decoder("windows-1252");
    return decoder(bytes);
}

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
                table_[next_++] = decode(prefix_).trimmed();
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
    if (!file.open(QIODevice::ReadOnly))
        return;
    RecordScanner scanner(table);
    QByteArray block(kBlockSize, Qt::Uninitialized);
    while (!scanner.full()) {
        const qint64 got = file.read(block.data(), kBlockSize);
        if (got <= 0)
            break;
        scanner.feed(block.constData(), got);
    }
}

bool writeRecords(const QString& path, const QString& header, std::span<const QString> table) {
    QString text = header + QStringLiteral("\r\n");
    for (const QString& slot : table)
        text += slot + kMarker + QStringLiteral("\r\n");
    QStringEncoder encoder("windows-1252");
    const QByteArray bytes = encoder(text);
    if (encoder.hasError())
        return false;

    // Unbuffered, so that a write cut short by a full disk is seen here: a buffered one would
    // only fail inside commit(), which then still puts the cut-off file in place.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    if (file.write(bytes) != bytes.size()) {
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
