#pragma once
#include <QLockFile>
#include <QString>

namespace korrimet {

// One running copy per user: the first copy holds a lock file for its whole
// life. A lock left by a copy that crashed is recognised as stale (its process
// is gone) and taken over, so it never blocks the next start.
class SingleInstance {
public:
    explicit SingleInstance(const QString& lockPath = defaultLockPath());
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // True when this copy now holds the lock (or already did).
    bool acquire();
    bool held() const { return lock_.isLocked(); }
    // After a failed acquire: whether a running copy holds the lock, rather
    // than the lock file not being creatable at all (missing or read-only
    // folder, full disk).
    bool heldElsewhere() const { return lock_.error() == QLockFile::LockFailedError; }
    QString folder() const { return folder_; }
    void release() { lock_.unlock(); }

    // In the user's runtime folder ($XDG_RUNTIME_DIR), else the temporary folder.
    static QString defaultLockPath();

private:
    QLockFile lock_;
    QString folder_;
};

}  // namespace korrimet
