#pragma once

#include <QLockFile>
#include <QString>

// Keeps a second copy of the program from running beside the first. A lock left behind by a
// copy that crashed is recognised by its process id and taken over.
class InstanceLock {
  public:
    explicit InstanceLock(const QString& folder = defaultFolder());
    bool tryAcquire();
    void release() { lock_.unlock(); }

    static QString defaultFolder();

  private:
    QLockFile lock_;
};
