#include "common/widgets/window_run.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cmath>

#include "common/widgets/click_gesture.h"
#include "platform/message_service.h"

namespace korrimet {
namespace {

// How long the button stays deaf after a run: a click begun on "取  消" as the
// run ended must not start the next one.
constexpr int kAfterRunMs = 300;

// A press that cancels a run from its button, unless it continues the
// gesture that started the run. Qt hands a widget the second press of a
// double-click as a double-click event in its place.
bool cancels(const QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            const auto* mouse = static_cast<const QMouseEvent*>(event);
            return mouse->button() == Qt::LeftButton;
        }
        case QEvent::KeyPress: {
            const auto* key = static_cast<const QKeyEvent*>(event);
            if (key->isAutoRepeat()) return false;
            return key->key() == Qt::Key_Space || key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        }
        default: return false;
    }
}

// Every way in which the user can change what a widget holds.
bool isInput(const QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Shortcut:
        case QEvent::ShortcutOverride:
        case QEvent::InputMethod:
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TouchCancel:
        case QEvent::TabletPress:
        case QEvent::TabletMove:
        case QEvent::TabletRelease:
        case QEvent::Gesture:
        case QEvent::GestureOverride:
        case QEvent::NativeGesture: return true;
        default: return false;
    }
}

// Scrolling a view changes no entry: the wheel over a view, the mouse on its scroll bars.
bool scrollsAView(const QWidget* widget, const QEvent* event) {
    const QEvent::Type type = event->type();
    const bool mouse = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
                       type == QEvent::MouseButtonDblClick || type == QEvent::MouseMove;
    if (type != QEvent::Wheel && !mouse) return false;
    for (const QWidget* p = widget->parentWidget(); p && !p->isWindow(); p = p->parentWidget()) {
        const auto* area = qobject_cast<const QAbstractScrollArea*>(p);
        if (!area) continue;
        if (widget == area->verticalScrollBar() || widget == area->horizontalScrollBar()) return true;
        return type == QEvent::Wheel && widget == area->viewport();
    }
    return false;
}

QString failedRunMessage(const std::exception_ptr& failure) {
    try {
        std::rethrow_exception(failure);
    } catch (const std::bad_alloc&) {
        return kRunFailedMessage + QStringLiteral("内存不足，请缩小计算范围或关闭其他程序后重试。");
    } catch (...) {
        return kRunFailedMessage + QStringLiteral("计算中出现意外错误。");
    }
}

bool isPress(const QEvent* event) {
    const QEvent::Type type = event->type();
    return (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) &&
           static_cast<const QMouseEvent*>(event)->button() == Qt::LeftButton;
}

}  // namespace

// Tells which presses in a window continue a gesture: those of one click
// gesture on one widget. Qt pairs only the second press with the first (a
// third is a plain press again), and may pair a first press on a button with
// a click elsewhere at the same point of the screen; so the window's presses
// are watched where they arrive, before any widget has them, and from the
// window's first show on, before any button has started a run.
class ClickGestures : public QObject {
public:
    ClickGestures(QWidget* window, QObject* parent) : QObject(parent), window_(window) {
        window->installEventFilter(this);
        watchWindow();
    }

    // Whether `event`, a press or a double-click event, continues a gesture.
    bool follows(const QEvent* event) const {
        return follows_ && isPress(event) && static_cast<const QInputEvent*>(event)->timestamp() == gesture_.lastPress();
    }
    // From now on `button` takes no press that continues a gesture.
    void guard(QAbstractButton* button) { button->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_) {
            if (event->type() == QEvent::Show) watchWindow();
            return false;
        }
        if (watched != windowHandle_) return follows(event);  // a guarded button
        // The double-click event that Qt sends after a press shares its time and its answer.
        if (event->type() != QEvent::MouseButtonPress || !isPress(event)) return false;
        const auto* press = static_cast<const QMouseEvent*>(event);
        QWidget* target = window_->childAt(press->position().toPoint());
        if (target != last_) gesture_.end();
        follows_ = gesture_.press(*press) && target;
        last_ = target;
        return false;
    }

private:
    void watchWindow() {
        QWindow* handle = window_->windowHandle();
        if (!handle || handle == windowHandle_) return;
        handle->installEventFilter(this);
        windowHandle_ = handle;
    }

    QWidget* window_;
    QPointer<QWindow> windowHandle_;
    ClickGesture gesture_;
    QPointer<QWidget> last_;  // where the last press was
    bool follows_ = false;  // whether that press continued a gesture
};

WindowRun::WindowRun(QWidget* window)
    : QObject(window),
      window_(window),
      ticker_(new QTimer(this)),
      guard_(new QTimer(this)),
      gestures_(new ClickGestures(window, this)) {
    ticker_->setInterval(30);
    connect(ticker_, &QTimer::timeout, this, [this] { showProgress(); });
    guard_->setSingleShot(true);
    guard_->setInterval(kAfterRunMs);
    connect(guard_, &QTimer::timeout, this, [this] { releaseHeldButton(); });
    // Windows left open when the program ends are never deleted: their runs
    // must not outlive it, nor leave their files.
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] { abandon(); });
}

WindowRun::~WindowRun() {
    qApp->removeEventFilter(this);
    if (!control_) return;
    // The worker touches nothing of the window, but its file must not be
    // written after the window is gone.
    control_->cancel();
    future_.waitForFinished();
    if (cancelled_) cancelled_();
}

std::shared_ptr<RunControl> WindowRun::begin(QAbstractButton* button, QFutureWatcherBase* watcher,
                                             std::function<void(double)> progress, std::function<void()> cancelled) {
    control_ = std::make_shared<RunControl>();
    failure_ = std::make_shared<std::exception_ptr>();
    watcher_ = watcher;
    progress_ = std::move(progress);
    cancelled_ = std::move(cancelled);
    button_ = button;
    if (button_) {
        gestures_->guard(button_);
        caption_ = button_->text();
        button_->setText(QStringLiteral("取  消"));
    }
    if (window_) window_->setCursor(Qt::BusyCursor);
    qApp->installEventFilter(this);
    ticker_->start();
    return control_;
}

void WindowRun::cancel() {
    if (control_) control_->cancel();
}

void WindowRun::showOutcome(const std::function<void()>& showDone) {
    ticker_->stop();
    showProgress();
    const bool cancelled = control_->cancelled();
    const std::exception_ptr failure = *failure_;
    const std::function<void()> cleanup = std::move(cancelled_);
    watcher_->deleteLater();
    watcher_ = nullptr;
    // The caption comes back now, not when a timer fires: a message below
    // runs its own event loop for as long as the user reads it.
    held_ = button_;
    putBack();
    if (held_) guard_->start();
    else releaseHeldButton();
    const QPointer<WindowRun> self(this);
    showing_ = true;
    if (cancelled || failure) {
        if (cleanup) cleanup();
        ShowMessage(cancelled ? kRunCancelledMessage : failedRunMessage(failure), window_);
    } else {
        showDone();
    }
    if (!self) return;
    showing_ = false;
    emit finished();
}

void WindowRun::putBack() {
    control_.reset();
    progress_ = nullptr;
    if (window_) window_->unsetCursor();
    if (button_) button_->setText(caption_);
    button_ = nullptr;
}

void WindowRun::abandon() {
    if (!control_) return;
    control_->cancel();
    future_.waitForFinished();
    delete watcher_;  // with its outcome, never to be shown
    watcher_ = nullptr;
    const std::function<void()> cleanup = std::move(cancelled_);
    ticker_->stop();
    putBack();
    guard_->stop();
    releaseHeldButton();
    if (cleanup) cleanup();
}

void WindowRun::releaseHeldButton() {
    held_ = nullptr;
    if (!control_) qApp->removeEventFilter(this);
}

void WindowRun::showProgress() {
    if (!control_ || !progress_) return;
    const double progress = control_->progress();
    if (!std::isnan(progress)) progress_(progress);
}

bool WindowRun::eventFilter(QObject* target, QEvent* event) {
    if (control_ && target == window_ && (event->type() == QEvent::Close || event->type() == QEvent::DeferredDelete)) {
        // A closed window's run ends with it, without a word and without its file.
        abandon();
        return false;
    }
    if (!isInput(event) || !target->isWidgetType()) return false;
    auto* widget = static_cast<QWidget*>(target);
    if (widget == held_ && !(control_ && widget == button_)) return true;
    if (!control_ || !window_ || widget->window() != window_) return false;
    const bool escape =
        event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape;
    if (widget == button_) {
        if (escape || (cancels(event) && !gestures_->follows(event))) control_->cancel();
    } else if (scrollsAView(widget, event)) {
        return false;
    } else if (escape) {
        control_->cancel();
    }
    // The run works on the entries as they were pressed: they stay so until
    // its outcome is shown. Keys typed here reach no shortcut either: they
    // end at the blocked key press.
    if (event->type() == QEvent::ShortcutOverride) event->accept();
    return true;
}

}  // namespace korrimet
