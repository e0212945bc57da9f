#include "ledger/RecordFile.h"

#include "ledger/StorableText.h"
#include "ledger/Windows1252.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <fcntl.h>
#include <unistd.h>

namespace ledger {
namespace {

constexpr char kMarkerByte = char(0xD7);
constexpr qint64 kBlockSize = 64 * 1024;

bool endsLine(char byte) {
    return byte == '\n' || byte == '\r';
}

// Hands the device to consume block by block until it returns false; false when reading failed.
template <typename Consume> bool readBlocks(QIODevice& device, Consume&& consume) {
    // Most files are a few kilobytes: a block no larger than the file is enough.
    const qint64 blockSize = std::clamp(device.bytesAvailable(), qint64(1), kBlockSize);
    QByteArray block(blockSize, Qt::Uninitialized);
    for (;;) {
        const qint64 got = device.read(block.data(), blockSize);
        if (got <= 0)
            return got == 0;
        if (!consume(block.constData(), got))
            return true;
    }
}

// A rename is only lasting once the folder holding the name is on disk too.
void syncFolderOf(const QString& path) {
    const QString folder = QFileInfo(QFileInfo(path).canonicalFilePath()).absolutePath();
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
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
            if (endsLine(byte)) {
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
    readBlocks(device, [&](const char* data, qint64 size) {
        scanner.feed(data, size);
        return !scanner.full();
    });
}

bool mayReplace(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists())
        return true;
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly))
        return false;
    bool recordSeen = false;
    bool pastFirstLine = false;
    bool moreLines = false;
    const bool read = readBlocks(file, [&](const char* data, qint64 size) {
        for (qint64 i = 0; i < size && !recordSeen; ++i) {
            recordSeen = data[i] == kMarkerByte;
            if (endsLine(data[i]))
                pastFirstLine = true;
            else if (pastFirstLine && data[i] != ' ' && data[i] != '\t')
                moreLines = true;
        }
        return !recordSeen;
    });
    return read && (recordSeen || !moreLines);
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
    if (!file.commit())
        return false;
    syncFolderOf(path);
    return true;
}

// The header is never read back, so it must never be the reason a save fails: what the file
// cannot hold becomes "?". A marker would make readers take the header for a record.
QString recordHeader(const QString& programName, const QString& dateTime) {
    const QString header = programName + QStringLiteral(" muistaa! ") + dateTime;
    QString fitted;
    for (const char32_t c : header.toUcs4()) {
        const QString one = QString::fromUcs4(&c, 1);
        if (c != kMarker)
            fitted += isStorable(one) ? one : QStringLiteral("?");
    }
    return fitted;
}

} // namespace ledger
