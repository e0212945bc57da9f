#include "ledger/ChangeSet.h"

#include <QDataStream>
#include <QIODevice>

namespace ledger {
namespace {

constexpr char kMagic[] = "SALDORI-MUUTOS\n";
constexpr int kMagicSize = sizeof kMagic - 1;
constexpr char kEnd[] = "LOPPU";
constexpr int kEndSize = sizeof kEnd - 1;
constexpr quint32 kFormat = 1;

} // namespace

bool isChangeSet(const QByteArray& start) {
    return start.startsWith(QByteArrayView(kMagic, kMagicSize));
}

QByteArray encodeChangeSet(const ChangeSet& set) {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_0);
    out.writeRawData(kMagic, kMagicSize);
    out << kFormat << set.number << quint8(set.step) << set.target << set.below << set.undoTop
        << set.redoTop << set.when.toMSecsSinceEpoch() << set.what << set.subject
        << quint32(set.before.size());
    for (const FileChange& file : set.before)
        out << file.file << file.bytes.has_value() << file.bytes.value_or(QByteArray());
    out.writeRawData(kEnd, kEndSize);
    return bytes;
}

std::optional<ChangeSet> decodeChangeSet(const QByteArray& bytes, bool withFiles) {
    if (!isChangeSet(bytes))
        return std::nullopt;
    QDataStream in(bytes.sliced(kMagicSize));
    in.setVersion(QDataStream::Qt_6_0);
    ChangeSet set;
    quint32 format = 0;
    quint8 step = 0;
    qint64 when = 0;
    quint32 files = 0;
    in >> format >> set.number >> step >> set.target >> set.below >> set.undoTop >> set.redoTop >>
        when >> set.what >> set.subject >> files;
    set.step = Step(step);
    set.when = QDateTime::fromMSecsSinceEpoch(when);
    if (in.status() != QDataStream::Ok || format != kFormat || step > quint8(Step::Restore))
        return std::nullopt;
    if (!withFiles)
        return set;
    for (quint32 i = 0; i < files && in.status() == QDataStream::Ok; ++i) {
        FileChange file;
        bool existed = false;
        QByteArray content;
        in >> file.file >> existed >> content;
        if (existed)
            file.bytes = content;
        set.before.append(file);
    }
    char end[kEndSize] = {};
    if (in.status() != QDataStream::Ok || in.readRawData(end, kEndSize) != kEndSize ||
        QByteArrayView(end, kEndSize) != QByteArrayView(kEnd, kEndSize) || !in.atEnd())
        return std::nullopt;
    return set;
}

} // namespace ledger
