#include "ledger/History.h"

#include "ledger/FileReplacement.h"
#include "ledger/SaveLeftovers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ledger {
namespace {

constexpr QStringView kSuffix = u".muutos";

// The number a set's file name holds, or 0 for any other name.
qint64 setNumber(const QString& name) {
    const QStringView digits = QStringView(name).chopped(std::min(name.size(), kSuffix.size()));
    if (!name.endsWith(kSuffix) || digits.isEmpty() || digits.size() > 18)
        return 0;
    for (const QChar c : digits) {
        if (c < u'0' || c > u'9')
            return 0;
    }
    return digits.toLongLong();
}

std::optional<QByteArray> readWhole(const QString& path, qint64 most = -1) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = most < 0 ? file.readAll() : file.read(most);
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

bool holds(const QList<FileChange>& files, const QString& file) {
    return std::any_of(files.cbegin(), files.cend(),
                       [&](const FileChange& held) { return held.file == file; });
}

// Adds the file as it is now, nothing where it does not exist; false when it cannot be read.
bool keepFile(const QString& file, QList<FileChange>& before) {
    if (holds(before, file))
        return true;
    if (!QFileInfo::exists(file)) {
        before.append({file, std::nullopt});
        return true;
    }
    const std::optional<QByteArray> bytes = readWhole(file);
    if (bytes)
        before.append({file, bytes});
    return bytes.has_value();
}

// A change that only writes back what the files hold gives them a new time in their first line,
// and nothing else to take back.
bool onlyRewrites(const Change& change, const QList<FileChange>& before) {
    const auto records = [](const QByteArray& file) { return file.sliced(file.indexOf('\n') + 1); };
    for (const FileChange& file : change.files) {
        const auto old = std::find_if(before.cbegin(), before.cend(), [&](const FileChange& kept) {
            return kept.file == file.file;
        });
        if (!file.bytes || !old->bytes || records(*file.bytes) != records(*old->bytes))
            return false;
    }
    return true;
}

QString rewritten(const Change& change) {
    QStringList files;
    for (const FileChange& file : change.files)
        files << file.file;
    return QStringLiteral("Kirjoitettu uudelleen ") + files.join(QStringLiteral(", "));
}

bool syncFolder(const QString& folder) {
    const int fd =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    return ::close(fd) == 0 && synced;
}

// A new folder's name must last as the sets in it do.
bool makeFolder(const QString& folder) {
    if (QFileInfo(folder).isDir())
        return true;
    if (::mkdir(QFile::encodeName(folder).constData(), 0700) != 0)
        return errno == EEXIST && QFileInfo(folder).isDir();
    // By the name the folder was made by: a path rebuilt through text may not be the same bytes.
    return syncFolder(QFileInfo(folder).path());
}

bool writeSynced(const QByteArray& path, const QByteArray& bytes) {
    ::unlink(path.constData()); // a dead copy's, as its name holds this process's id
    const int fd =
        ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + written, size_t(bytes.size() - written));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        written += n;
    }
    const bool synced = written == bytes.size() && ::fsync(fd) == 0;
    return ::close(fd) == 0 && synced;
}

// Where the new set stands on the two stacks, from where the user stood before it.
void placeOnStacks(ChangeSet& set, const ChangeSet* target, qint64 undoTop, qint64 redoTop) {
    switch (set.step) {
    case Step::Undo: // the change comes off the undo stack, and its undo goes on the redo stack
        set.below = redoTop;
        set.undoTop = target->below;
        set.redoTop = set.number;
        return;
    case Step::Redo:
        set.below = undoTop;
        set.undoTop = set.number;
        set.redoTop = target->below;
        return;
    default: // a change of its own leaves nothing to do again
        set.below = undoTop;
        set.undoTop = set.number;
        set.redoTop = 0;
    }
}

} // namespace

QString History::path(qint64 number) const {
    return QStringLiteral("%1/%2%3").arg(folder_).arg(number, 6, 10, QChar(u'0')).arg(kSuffix);
}

void History::load() {
    if (loaded_)
        return;
    loaded_ = true;
    sets_.clear();
    const QDir folder(folder_);
    removeSaveLeftovers(folder);
    const QString pattern = u'*' + kSuffix.toString();
    for (const QFileInfo& file : folder.entryInfoList({pattern}, QDir::Files, QDir::Unsorted)) {
        if (const qint64 number = setNumber(file.fileName()))
            sets_.append({number, file.size()});
    }
    std::sort(sets_.begin(), sets_.end(),
              [](const Entry& a, const Entry& b) { return a.number < b.number; });
    readState();
}

void History::readState() {
    undoTop_ = redoTop_ = 0;
    if (sets_.isEmpty())
        return;
    if (const std::optional<ChangeSet> newest = read(sets_.last().number)) {
        undoTop_ = newest->undoTop;
        redoTop_ = newest->redoTop;
    }
}

std::optional<ChangeSet> History::read(qint64 number) const {
    const std::optional<QByteArray> bytes = readWhole(path(number));
    std::optional<ChangeSet> set = bytes ? decodeChangeSet(*bytes) : std::nullopt;
    return set && set->number == number ? set : std::nullopt;
}

// The temporary name holds the process id, so that a crash's leftover is known by it.
bool History::write(qint64 number, const QByteArray& bytes) {
    if (!makeFolder(folder_))
        return false;
    const QByteArray temporary = QFile::encodeName(folder_ + u'/' + temporaryFileName());
    const QByteArray target = QFile::encodeName(path(number));
    if (writeSynced(temporary, bytes) && ::renameat2(AT_FDCWD, temporary.constData(), AT_FDCWD,
                                                     target.constData(), RENAME_NOREPLACE) == 0)
        return true;
    ::unlink(temporary.constData());
    return false;
}

std::optional<qint64> History::keep(const Change& change, Step step, const ChangeSet* target) {
    load();
    ChangeSet set;
    set.step = step;
    set.target = target ? target->number : 0;
    set.when = QDateTime::currentDateTimeUtc();
    for (const FileChange& file : change.files) {
        if (!keepFile(file.file, set.before))
            return std::nullopt;
    }
    if (change.what.isEmpty() && onlyRewrites(change, set.before))
        return 0;
    set.what = change.what.isEmpty() ? rewritten(change) : change.what;
    set.subject = target && step != Step::Restore ? target->subject : set.what;
    // Another copy may have taken the number; the second try knows its set.
    for (int attempt = 0; attempt < 2; ++attempt) {
        set.number = sets_.isEmpty() ? 1 : sets_.last().number + 1;
        placeOnStacks(set, target, undoTop_, redoTop_);
        const QByteArray bytes = encodeChangeSet(set);
        if (write(set.number, bytes)) {
            sets_.append({set.number, bytes.size()});
            undoTop_ = set.undoTop;
            redoTop_ = set.redoTop;
            return set.number;
        }
        if (!QFileInfo::exists(path(set.number)))
            return std::nullopt;
        loaded_ = false;
        load();
    }
    return std::nullopt;
}

void History::forget(qint64 number) {
    if (sets_.isEmpty() || sets_.last().number != number)
        return;
    QFile::remove(path(number));
    sets_.removeLast();
    readState();
}

void History::prune() {
    qint64 bytes = 0;
    for (const Entry& set : sets_)
        bytes += set.size;
    while (sets_.size() > kMostSets || (bytes > kMostBytes && sets_.size() > kFewestSets)) {
        const Entry oldest = sets_.takeFirst();
        bytes -= oldest.size;
        // A file that only has a set's name is someone else's.
        if (isChangeSet(readWhole(path(oldest.number), 32).value_or(QByteArray())))
            QFile::remove(path(oldest.number));
    }
}

std::optional<ChangeSet> History::undoable() {
    load();
    return undoTop_ ? read(undoTop_) : std::nullopt;
}

std::optional<ChangeSet> History::redoable() {
    load();
    return redoTop_ ? read(redoTop_) : std::nullopt;
}

QList<ChangeSet> History::list() {
    load();
    QList<ChangeSet> sets;
    for (auto set = sets_.crbegin(); set != sets_.crend(); ++set) {
        const std::optional<QByteArray> bytes = readWhole(path(set->number));
        if (const auto read = bytes ? decodeChangeSet(*bytes, false) : std::nullopt)
            sets.append(*read);
    }
    return sets;
}

std::optional<QList<FileChange>> History::filesBefore(qint64 number) {
    load();
    const auto first = std::find_if(sets_.cbegin(), sets_.cend(),
                                    [&](const Entry& set) { return set.number == number; });
    if (first == sets_.cend())
        return std::nullopt;
    QList<FileChange> files;
    for (auto entry = first; entry != sets_.cend(); ++entry) {
        const std::optional<ChangeSet> set = read(entry->number);
        if (!set)
            return std::nullopt;
        for (const FileChange& file : set->before) {
            if (!holds(files, file.file))
                files.append(file);
        }
    }
    return files;
}

} // namespace ledger
