#pragma once
#include <QObject>
#include <QPointer>
#include <QSystemTrayIcon>
#include <optional>

class QMenu;
class QWidget;

namespace korrimet {

// The notification-area icon of the main window. A left click on the icon
// while the window is minimized brings it back in the state held in the
// window's "LastState" property (0 normal, 2 maximized); a right click pops up
// the tray menu; any other click does nothing.
class APIStuff : public QObject {
    Q_OBJECT
public:
    explicit APIStuff(QObject* parent = nullptr);
    ~APIStuff() override;

    void TrayIconAdd(QWidget* window, QMenu* menu);
    void TrayIconSetTip(const QString& tip);
    void TrayIconRemove();

    // True while the icon sits in a notification area the user can see: a
    // window hidden into the tray can only come back through it.
    bool isShown() const;
    bool isAdded() const { return added_; }
    QString tip() const { return tip_; }

    // What a click on the icon does (Qt's activation reasons are the
    // platform's mouse callbacks).
    void TrayWindowProc(QSystemTrayIcon::ActivationReason reason);

    // Tests run without a notification area; they may pretend to have one.
    static void setTrayAvailableForTesting(std::optional<bool> available);

private:
    QSystemTrayIcon* icon_ = nullptr;
    QPointer<QWidget> window_;
    QString tip_;
    bool added_ = false;
};

}  // namespace korrimet
