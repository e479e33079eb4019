#include "platform/single_instance.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <unistd.h>

namespace korrimet {

SingleInstance::SingleInstance(const QString& lockPath)
    : lock_(lockPath), folder_(QDir::toNativeSeparators(QFileInfo(lockPath).absolutePath())) {
    // Only a dead owner makes the lock stale: a copy that runs for weeks keeps it.
    lock_.setStaleLockTime(0);
}

bool SingleInstance::acquire() {
    if (lock_.isLocked()) return true;
    return lock_.tryLock(0);
}

QString SingleInstance::defaultLockPath() {
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())  // the temporary folder is shared: one lock per user
        return QDir::tempPath() + QStringLiteral("/korrimet-%1.lock").arg(getuid());
    return dir + QStringLiteral("/korrimet.lock");
}

}  // namespace korrimet
