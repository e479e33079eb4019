#include "platform/tray.h"

#include <QGuiApplication>
#include <QMenu>
#include <QWidget>

namespace korrimet {
namespace {

std::optional<bool> forcedAvailable;

bool trayAvailable() { return forcedAvailable.value_or(QSystemTrayIcon::isSystemTrayAvailable()); }

// Platforms without any screen of their own never get a notification area.
bool platformHasTray() {
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

}  // namespace

APIStuff::APIStuff(QObject* parent) : QObject(parent) {}

APIStuff::~APIStuff() { TrayIconRemove(); }

void APIStuff::setTrayAvailableForTesting(std::optional<bool> available) { forcedAvailable = available; }

void APIStuff::TrayIconAdd(QWidget* window, QMenu* menu) {
    window_ = window;
    added_ = true;
    // Created even while no notification area runs: the desktop shows the
    // icon as soon as one starts.
    if (!icon_ && platformHasTray()) {
        icon_ = new QSystemTrayIcon(this);
        connect(icon_, &QSystemTrayIcon::activated, this, &APIStuff::TrayWindowProc);
    }
    if (icon_) {
        icon_->setIcon(window->windowIcon());
        icon_->setContextMenu(menu);
        icon_->show();
    }
}

void APIStuff::TrayIconSetTip(const QString& tip) {
    tip_ = tip;
    if (icon_) icon_->setToolTip(tip);
}

void APIStuff::TrayIconRemove() {
    added_ = false;
    if (!icon_) return;
    icon_->hide();
    delete icon_;
    icon_ = nullptr;
}

bool APIStuff::isShown() const { return added_ && trayAvailable(); }

void APIStuff::TrayWindowProc(QSystemTrayIcon::ActivationReason reason) {
    if (!window_ || !added_) return;
    if (reason == QSystemTrayIcon::Trigger && window_->isMinimized()) {
        Qt::WindowStates state = window_->property("LastState").toInt() == 2 ? Qt::WindowMaximized : Qt::WindowNoState;
        window_->setWindowState(state);
        window_->show();
        window_->raise();
        window_->activateWindow();
    }
    // A right click needs nothing here: the menu is the icon's context menu,
    // which the desktop pops up in every window state.
}

}  // namespace korrimet
