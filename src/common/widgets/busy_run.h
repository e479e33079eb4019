#pragma once
#include <QElapsedTimer>
#include <QPointer>

class QWidget;

namespace korrimet {

// A long computation on the UI thread. While it lives, `window` cannot be
// closed, user input waits and the cursor shows the wait; pump() lets the
// windows repaint (the progress bar among them), at most every 30 ms.
class BusyRun {
public:
    explicit BusyRun(QWidget* window);
    ~BusyRun();
    BusyRun(const BusyRun&) = delete;
    BusyRun& operator=(const BusyRun&) = delete;

    void pump();

private:
    class CloseBlocker;
    CloseBlocker* blocker_;
    QElapsedTimer sincePaint_;
};

}  // namespace korrimet
