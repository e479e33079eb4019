#pragma once
#include <QElapsedTimer>
#include <QPointer>
#include <QString>

class QAbstractButton;
class QWidget;

namespace korrimet {

// Thrown by BusyRun::pump() once the user has cancelled the run.
struct RunCancelled {};

inline const QString kRunCancelledMessage = QStringLiteral("计算已取消，本次计算没有结果。");

// A long computation on the UI thread. While it lives the cursor shows the
// wait, `window` cannot be closed and no window takes the user's input, but
// a press on `cancel` (captioned "取  消" meanwhile) or Esc stops the run.
// pump() lets every window repaint and take that press, at most every 30 ms;
// call it often enough that the window answers within 100 ms.
class BusyRun {
public:
    explicit BusyRun(QWidget* window, QAbstractButton* cancel = nullptr);
    ~BusyRun();
    BusyRun(const BusyRun&) = delete;
    BusyRun& operator=(const BusyRun&) = delete;

    // Throws RunCancelled when the user has cancelled.
    void pump();

private:
    class Guard;
    Guard* guard_;
    QPointer<QAbstractButton> cancel_;
    QString caption_;
    QElapsedTimer sincePaint_;
};

}  // namespace korrimet
