#pragma once

#include <QLockFile>
#include <QString>

// Keeps a second copy of the program from running beside the first. Only a lock held by a live
// copy on this machine keeps the program from starting: a lock that names a dead copy, another
// machine or nobody at all is stale and taken over, and where no lock can be made at all (no
// runtime folder, say) the program starts without one.
class InstanceLock {
  public:
    explicit InstanceLock(const QString& folder = defaultFolder());
    // False only when another live copy on this machine holds the lock.
    bool tryAcquire();
    bool isHeld() const { return lock_.isLocked(); }
    void release() { lock_.unlock(); }

    static QString defaultFolder();

  private:
    // How long a copy that has just made its lock may take to write its process id into it.
    static constexpr int kAttempts = 100;
    static constexpr unsigned long kPause = 20; // ms

    bool heldByLiveCopy() const;

    QString path_;
    QLockFile lock_;
};
