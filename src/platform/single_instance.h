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
    void release() { lock_.unlock(); }

    // In the user's runtime folder ($XDG_RUNTIME_DIR), else the temporary folder.
    static QString defaultLockPath();

private:
    QLockFile lock_;
};

}  // namespace korrimet
