#include "platform/result_folder.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QStandardPaths>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace korrimet {

QString resultFolder(QString* error) {
    auto fail = [&](const QString& reason) {
        if (error) *error = reason;
        return QString();
    };
    const QString base = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (base.isEmpty()) return fail(QStringLiteral("找不到用户的应用数据目录"));
    const QString path = QDir(base).filePath(QStringLiteral("results"));

    QFileInfo info(path);
    if (info.isSymLink() || (info.exists() && !info.isDir()))
        return fail(QStringLiteral("%1 不是一个目录").arg(QDir::toNativeSeparators(path)));
    const auto ownerOnly = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
    if (!info.exists() && !(QDir().mkpath(base) && QDir().mkdir(path, ownerOnly)))
        return fail(QStringLiteral("无法创建目录 %1").arg(QDir::toNativeSeparators(path)));
#ifdef Q_OS_UNIX
    info.refresh();
    if (info.ownerId() != ::getuid())
        return fail(QStringLiteral("目录 %1 不属于当前用户").arg(QDir::toNativeSeparators(path)));
#endif
    if (!QFile::setPermissions(path, ownerOnly))
        return fail(QStringLiteral("无法设置目录 %1 的权限").arg(QDir::toNativeSeparators(path)));
    return path;
}

QString resultFilePath(const QString& fileName, QString* error) {
    const QString folder = resultFolder(error);
    return folder.isEmpty() ? QString() : QDir(folder).filePath(fileName);
}

namespace {

// Touched on the windows' thread only.
QSet<QString>& setAside() {
    static QSet<QString> names;
    return names;
}

}  // namespace

void removeResultFile(const QString& fileName) {
    const QString path = resultFilePath(fileName);
    if (path.isEmpty()) return;
    if (QFile::remove(path) || !QFileInfo::exists(path))
        setAside().remove(fileName);
    else
        setAside().insert(fileName);
}

bool resultFileSetAside(const QString& fileName) { return setAside().contains(fileName); }

void resultFileWritten(const QString& fileName) { setAside().remove(fileName); }

}  // namespace korrimet
