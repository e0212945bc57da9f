#pragma once

#include <QFile>
#include <QString>
#include <sys/types.h>

namespace ledger {

// Replaces a file whole. The new bytes go to a hidden file of this process beside it, which takes
// the file's name only once its bytes are on the disk; commit() reports success only once the
// new name is on the disk too. Dropped without a commit, it leaves the old file as it was.
// One replacement at a time per process: they share the temporary name.
class FileReplacement {
  public:
    // Follow: a symbolic link by that name keeps pointing at the file it names, which gets the new
    // bytes. Replace: the link itself is replaced, and nothing is ever written through it.
    enum class Links { Follow, Replace };

    // A new file gets newFileMode (less the umask); a file replaced keeps its own mode.
    FileReplacement(const QString& path, Links links, mode_t newFileMode);
    ~FileReplacement();
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    bool open();
    // Unbuffered, so that a write cut short by a full disk fails where it happens.
    QIODevice& device() { return file_; }
    bool write(const QByteArray& bytes);
    bool commit();
    // Whether the new bytes took the file's name, even when commit() failed after that: the
    // file then holds them, but the disk did not confirm that it keeps the new name.
    bool placed() const { return placed_; }

  private:
    void discard();

    QString target_;
    QString temporary_;
    mode_t newFileMode_;
    QFile file_;
    int fd_ = -1;
    bool placed_ = false;
};

// Whether the mode of the file at path, or of the one a symbolic link there names, keeps this
// process from writing it, root held to the owner's bits too: the user's sign that it must stay
// as it is. Nothing there is not protected.
bool writeProtected(const QString& path);

// The temporary name of this process's saves: hidden, and holding the program's name and the
// process id, so that no user would choose it and a later start can tell whose it was.
QString temporaryFileName();
// The process id a temporary name holds, or 0 for any other name.
qint64 temporaryFileOwner(QStringView fileName);

} // namespace ledger
