#include "shell/lifecycle.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTimer>
#include <QTranslator>
#include <QWidget>

#include "common/widgets/tool_window.h"
#include "platform/message_service.h"
#include "platform/single_instance.h"

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace korrimet {

bool SetUpApplication() {
#ifdef __GLIBC__
    // glibc raises its mapping threshold to the size of each mapped block
    // freed, so the next run's text would land in a worker's heap, where
    // freed megabytes stay with the process. A fixed threshold gives a run's
    // buffers back to the system once its result closes.
    mallopt(M_MMAP_THRESHOLD, 1 << 20);
#endif
    QApplication::setFont(songti(9));
    auto* qtTexts = new QTranslator(qApp);
    if (!qtTexts->load(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete qtTexts;
        return false;
    }
    QCoreApplication::installTranslator(qtTexts);
    return true;
}

QString lockUnavailableMessage(const QString& folder) {
    return QStringLiteral("无法在文件夹“%1”中建立运行标记文件（文件夹不存在、不可写或磁盘已满）。"
                          "程序照常运行，但不能防止再次装载。")
        .arg(folder);
}

bool ClaimSingleInstance(SingleInstance& lock) {
    if (lock.acquire()) return true;
    if (!lock.heldElsewhere()) {
        ShowMessage(lockUnavailableMessage(lock.folder()));
        return true;
    }
    ShowMessage(QStringLiteral("程序已经运行,不能再次装载，请注意托盘区图标！"));
    return false;
}

QuitRule::QuitRule(std::function<bool()> keepAlive, std::function<void()> quit)
    : keepAlive_(std::move(keepAlive)), quit_(quit ? std::move(quit) : [] { QCoreApplication::quit(); }) {
    // Qt's own rule would end the program when a tool window closes while the
    // main window sits hidden in the tray.
    QApplication::setQuitOnLastWindowClosed(false);
    qApp->installEventFilter(this);
}

QuitRule::~QuitRule() {
    if (qApp) qApp->removeEventFilter(this);
}

bool QuitRule::anyWindowOpen() const {
    if (keepAlive_ && keepAlive_()) return true;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        const Qt::WindowType type = w->windowType();
        if (type == Qt::Popup || type == Qt::ToolTip || type == Qt::Desktop || type == Qt::SplashScreen) continue;
        if (w->isVisible()) return true;
    }
    return false;
}

bool QuitRule::eventFilter(QObject* watched, QEvent* event) {
    if ((event->type() == QEvent::Close || event->type() == QEvent::Hide) && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->isWindow() && !pending_) {
        // Decide once the close or hide has happened.
        pending_ = true;
        QTimer::singleShot(0, this, &QuitRule::check);
    }
    return false;
}

void QuitRule::check() {
    pending_ = false;
    if (!anyWindowOpen()) quit_();
}

}  // namespace korrimet
