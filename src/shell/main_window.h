#pragma once
#include <QMainWindow>
#include <QStringList>

#include "platform/tray.h"

class QLabel;
class QMenu;
class QTimer;

namespace korrimet {

struct MenuRow;

// The start-up window: its menu opens every tool, web page and helper
// program; minimized, it hides into the notification area.
class MainWindow : public QMainWindow {
    Q_OBJECT
    // The tray reads it by name to bring the window back.
    Q_PROPERTY(short LastState MEMBER LastState)
public:
    MainWindow();
    ~MainWindow() override;

    // The window state to return to from the tray: 0 normal or 2 maximized.
    short LastState = 0;

    // 0 normal, 1 minimized, 2 maximized.
    int windowStateValue() const;
    // Hidden by the timer while minimized, reachable through the tray icon only.
    bool isHiddenInTray() const { return hiddenInTray_ && !isVisible(); }
    APIStuff& tray() { return tray_; }

    // The operations no menu item triggers, by name (see data/menu.tsv).
    QStringList operations() const;
    bool runOperation(const QString& name);

    void Timer1_Timer();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    void buildTrayMenu();
    void buildPanels();
    void run(const MenuRow& row);
    void Form_Resize();
    void restoreFromTray();

    APIStuff tray_;
    QTimer* timer_;
    QMenu* trayMenu_ = nullptr;
    QLabel* webLabel_ = nullptr;
    QLabel* mailLabel_ = nullptr;
    QLabel* secondMailLabel_ = nullptr;
    bool centred_ = false;
    bool hiddenInTray_ = false;
};

// The window icon, also the tray icon: a grey wrench at 32 and 16 pixels.
QIcon KorrimetIcon();

}  // namespace korrimet
