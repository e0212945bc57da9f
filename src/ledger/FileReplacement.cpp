#include "ledger/FileReplacement.h"

#include <QDir>
#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

namespace ledger {
namespace {

constexpr QStringView kPrefix = u".saldori-";
constexpr QStringView kSuffix = u".tmp";
// More links in a row than this is a loop; the save then fails at the last one.
constexpr int kMaxLinkHops = 40;

QString followLinks(QString path) {
    for (int hop = 0; hop < kMaxLinkHops && QFileInfo(path).isSymLink(); ++hop)
        path = QFileInfo(path).symLinkTarget();
    return path;
}

QByteArray nativePath(const QString& path) {
    return QFile::encodeName(path);
}

// A rename is only lasting once the folder holding the new name is on disk too.
bool syncFolder(const QString& folder) {
    const int fd = ::open(nativePath(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    return ::close(fd) == 0 && synced;
}

} // namespace

bool writeProtected(const QString& path) {
    struct stat status {};
    const QByteArray native = nativePath(path);
    if (::stat(native.constData(), &status) != 0)
        return false;
    // The owner's own bit, also for root, whom access() lets write anything.
    if (status.st_uid == ::geteuid())
        return (status.st_mode & S_IWUSR) == 0;
    return ::faccessat(AT_FDCWD, native.constData(), W_OK, AT_EACCESS) != 0;
}

QString temporaryFileName() {
    return kPrefix.toString() + QString::number(::getpid()) + kSuffix.toString();
}

qint64 temporaryFileOwner(QStringView fileName) {
    if (!fileName.startsWith(kPrefix) || !fileName.endsWith(kSuffix))
        return 0;
    const QStringView digits = fileName.sliced(kPrefix.size()).chopped(kSuffix.size());
    if (digits.isEmpty() || digits.size() > 10 || digits.startsWith(u'0'))
        return 0;
    for (const QChar c : digits) {
        if (c < u'0' || c > u'9')
            return 0;
    }
    const qint64 pid = digits.toLongLong();
    return pid <= std::numeric_limits<pid_t>::max() ? pid : 0;
}

FileReplacement::FileReplacement(const QString& path, Links links, mode_t newFileMode)
    : target_(links == Links::Follow ? followLinks(path) : path), newFileMode_(newFileMode) {
    temporary_ = QFileInfo(target_).dir().filePath(temporaryFileName());
}

FileReplacement::~FileReplacement() {
    discard();
}

bool FileReplacement::open() {
    const QByteArray temporary = nativePath(temporary_);
    // Ours if anything: the name holds this process's id, so a file by it is a dead one's.
    ::unlink(temporary.constData());
    fd_ = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                 newFileMode_);
    if (fd_ < 0)
        return false;
    struct stat old {};
    if (::lstat(nativePath(target_).constData(), &old) == 0 && S_ISREG(old.st_mode) &&
        ::fchmod(fd_, old.st_mode & 07777) != 0) {
        discard();
        return false;
    }
    if (!file_.open(fd_, QIODevice::WriteOnly | QIODevice::Unbuffered, QFile::DontCloseHandle)) {
        discard();
        return false;
    }
    return true;
}

bool FileReplacement::write(const QByteArray& bytes) {
    return fd_ >= 0 && file_.write(bytes) == bytes.size();
}

bool FileReplacement::commit() {
    if (fd_ < 0 || file_.error() != QFileDevice::NoError) {
        discard();
        return false;
    }
    file_.close();
    const bool written = ::fsync(fd_) == 0;
    const bool closed = ::close(fd_) == 0;
    fd_ = -1;
    if (!written || !closed ||
        ::rename(nativePath(temporary_).constData(), nativePath(target_).constData()) != 0) {
        ::unlink(nativePath(temporary_).constData());
        return false;
    }
    temporary_.clear();
    placed_ = true;
    // By the path as given: an absolute one made from a folder name that is not UTF-8 would
    // not name the folder again.
    return syncFolder(QFileInfo(target_).path());
}

void FileReplacement::discard() {
    file_.close();
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
    if (!temporary_.isEmpty())
        ::unlink(nativePath(temporary_).constData());
    temporary_.clear();
}

} // namespace ledger
