#include "ledger/RecordFile.h"

#include "ledger/FileReplacement.h"
#include "ledger/LoanFile.h"
#include "ledger/StorableText.h"
#include "ledger/Tables.h"
#include "ledger/Windows1252.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace ledger {
namespace {

constexpr char kMarkerByte = char(0xD7);
constexpr qint64 kBlockSize = 64 * 1024;
// The program writes lines of a few hundred bytes at most; a line far longer is no record of
// ours, and reading on would cost memory or time in proportion to it.
constexpr qint64 kMaxLineBytes = 64 * 1024;

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

// Walks the bytes line by line; only the part of a line before its first marker is kept. Reading
// stops at a line too long to be a record.
class RecordScanner {
  public:
    explicit RecordScanner(std::span<QString> table) : table_(table) {}

    bool done() const { return next_ >= table_.size() || lineBytes_ > kMaxLineBytes; }

    void feed(const char* data, qint64 size) {
        for (qint64 i = 0; i < size && !done(); ++i) {
            const char byte = data[i];
            lineBytes_ = endsLine(byte) ? 0 : lineBytes_ + 1;
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
    qint64 lineBytes_ = 0;
    bool markerSeen_ = false;
};

// What tells a file of ours from one that only looks like it: a file re-saved as UTF-16 still
// has the marker's byte in every record, but also a byte order mark or NUL bytes.
class OwnFileScanner {
  public:
    explicit OwnFileScanner(qsizetype slotCount) : slots_(slotCount) {}

    void feed(const char* data, qint64 size) {
        if (atStart_ && startsWithByteOrderMark(QByteArrayView(data, size)))
            foreign_ = true;
        atStart_ = false;
        for (qint64 i = 0; i < size && !foreign_; ++i) {
            const char byte = data[i];
            lineBytes_ = endsLine(byte) ? 0 : lineBytes_ + 1;
            if (endsLine(byte)) {
                pastFirstLine_ = true;
                markerInLine_ = false;
            } else if (byte == kMarkerByte && !markerInLine_) {
                markerInLine_ = true;
                ++records_;
            } else if (pastFirstLine_ && byte != ' ' && byte != '\t') {
                moreLines_ = true;
            }
            // Records past the last slot would be lost by the next save.
            foreign_ = byte == '\0' || records_ > slots_ || lineBytes_ > kMaxLineBytes;
        }
    }
    bool foreign() const { return foreign_; }
    // Lines but not one record: the program shows such a file as empty.
    bool ours() const { return !foreign_ && (records_ > 0 || !moreLines_); }

  private:
    static bool startsWithByteOrderMark(QByteArrayView head) {
        return head.startsWith("\xEF\xBB\xBF") || head.startsWith("\xFF\xFE") ||
               head.startsWith("\xFE\xFF");
    }

    qsizetype slots_;
    qsizetype records_ = 0;
    qint64 lineBytes_ = 0;
    bool atStart_ = true, pastFirstLine_ = false, moreLines_ = false, markerInLine_ = false;
    bool foreign_ = false;
};

qsizetype slotsOf(const QString& path) {
    return QFileInfo(path).fileName() == kRegisterFile ? kNameSlots : kLoanSlots;
}

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
        return !scanner.done();
    });
}

bool mayReplace(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists())
        return true;
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly))
        return false;
    OwnFileScanner scanner(slotsOf(path));
    const bool read = readBlocks(file, [&](const char* data, qint64 size) {
        scanner.feed(data, size);
        return !scanner.foreign();
    });
    return read && scanner.ours();
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

    // Private: the register is nobody else's business.
    FileReplacement file(path, FileReplacement::Links::Follow, 0600);
    return file.open() && file.write(*bytes) && file.commit();
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
