#include "common/widgets/busy_run.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QWidget>

namespace korrimet {

// Keeps the window open and every window deaf to the user during a run:
// the events pumped for repainting would otherwise let a click start a
// second run inside the first, or close the window under it.
class BusyRun::Guard : public QObject {
public:
    Guard(QWidget* window, QAbstractButton* cancel) : window_(window), cancel_(cancel) {
        qApp->installEventFilter(this);
    }
    ~Guard() override { qApp->removeEventFilter(this); }

    bool cancelled = false;

    bool eventFilter(QObject* target, QEvent* event) override {
        if (!target->isWidgetType()) return false;
        switch (event->type()) {
            case QEvent::Close:
                if (target != window_) return false;
                event->ignore();
                return true;
            case QEvent::KeyPress:
                if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) cancelled = true;
                return true;
            case QEvent::MouseButtonPress:
                if (target == cancel_ && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
                    cancelled = true;
                return true;
            case QEvent::KeyRelease:
            case QEvent::ShortcutOverride:
            case QEvent::Shortcut:
            case QEvent::MouseButtonRelease:
            case QEvent::MouseButtonDblClick:
            case QEvent::MouseMove:
            case QEvent::Wheel:
            case QEvent::ContextMenu:
            case QEvent::InputMethod:
            case QEvent::TouchBegin:
            case QEvent::TouchUpdate:
            case QEvent::TouchEnd: return true;
            default: return false;
        }
    }

private:
    QPointer<QWidget> window_;
    QPointer<QAbstractButton> cancel_;
};

BusyRun::BusyRun(QWidget* window, QAbstractButton* cancel) : guard_(new Guard(window, cancel)), cancel_(cancel) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    if (cancel_) {
        caption_ = cancel_->text();
        cancel_->setText(QStringLiteral("取  消"));
    }
}

BusyRun::~BusyRun() {
    if (cancel_) cancel_->setText(caption_);
    delete guard_;
    QApplication::restoreOverrideCursor();
}

void BusyRun::pump() {
    if (!sincePaint_.isValid() || sincePaint_.elapsed() >= 30) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        sincePaint_.start();
    }
    if (guard_->cancelled) throw RunCancelled{};
}

}  // namespace korrimet
