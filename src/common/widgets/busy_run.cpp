#include "common/widgets/busy_run.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace korrimet {

// Keeps a window open while a run uses it; the events pumped for repainting
// would otherwise let the window manager close it mid-run.
class BusyRun::CloseBlocker : public QObject {
public:
    explicit CloseBlocker(QWidget* window) : window_(window) {
        if (window_) window_->installEventFilter(this);
    }
    ~CloseBlocker() override {
        if (window_) window_->removeEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::Close) return false;
        event->ignore();
        return true;
    }

private:
    QPointer<QWidget> window_;
};

BusyRun::BusyRun(QWidget* window) : blocker_(new CloseBlocker(window)) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

BusyRun::~BusyRun() {
    delete blocker_;
    QApplication::restoreOverrideCursor();
}

void BusyRun::pump() {
    if (sincePaint_.isValid() && sincePaint_.elapsed() < 30) return;
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    sincePaint_.start();
}

}  // namespace korrimet
