#include "common/widgets/window_run.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>
#include <cmath>

#include "platform/message_service.h"

namespace korrimet {
namespace {

// How long the button stays deaf after a run: a click begun on "取  消" as the
// run ended must not start the next one.
constexpr int kAfterRunMs = 300;

bool activates(const QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            return static_cast<const QMouseEvent*>(event)->button() == Qt::LeftButton;
        case QEvent::KeyPress: {
            const int key = static_cast<const QKeyEvent*>(event)->key();
            return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
        }
        default: return false;
    }
}

bool isInput(const QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Shortcut:
        case QEvent::ShortcutOverride:
        case QEvent::InputMethod:
        case QEvent::DragEnter:
        case QEvent::Drop:
        case QEvent::ContextMenu: return true;
        default: return false;
    }
}

}  // namespace

WindowRun::WindowRun(QWidget* window) : QObject(window), window_(window), ticker_(new QTimer(this)), guard_(new QTimer(this)) {
    ticker_->setInterval(30);
    connect(ticker_, &QTimer::timeout, this, [this] { showProgress(); });
    guard_->setSingleShot(true);
    guard_->setInterval(kAfterRunMs);
    connect(guard_, &QTimer::timeout, this, [this] {
        if (control_) return;
        qApp->removeEventFilter(this);
        button_ = nullptr;
    });
}

WindowRun::~WindowRun() {
    qApp->removeEventFilter(this);
    if (control_) control_->cancel();
    // The worker touches nothing of the window, but its file must not be
    // written after the window is gone.
    future_.waitForFinished();
}

bool WindowRun::busy() const { return control_ != nullptr || guard_->isActive(); }

void WindowRun::begin(QAbstractButton* button, std::shared_ptr<RunControl> control,
                      std::function<void(double)> progress) {
    control_ = std::move(control);
    progress_ = std::move(progress);
    button_ = button;
    if (button_) {
        caption_ = button_->text();
        button_->setText(QStringLiteral("取  消"));
    }
    if (window_) window_->setCursor(Qt::BusyCursor);
    qApp->installEventFilter(this);
    ticker_->start();
}

void WindowRun::cancel() {
    if (control_) control_->cancel();
}

bool WindowRun::takeOutcome() {
    ticker_->stop();
    showProgress();
    const bool cancelled = control_->cancelled();
    control_.reset();
    progress_ = nullptr;
    if (window_) window_->unsetCursor();
    guard_->start();
    return cancelled;
}

void WindowRun::sayCancelled() { ShowMessage(kRunCancelledMessage, window_); }

void WindowRun::ended() {
    if (button_) button_->setText(caption_);
    emit finished();
}

void WindowRun::showProgress() {
    if (!control_ || !progress_) return;
    const double progress = control_->progress();
    if (!std::isnan(progress)) progress_(progress);
}

bool WindowRun::eventFilter(QObject* target, QEvent* event) {
    if (!isInput(event) || !target->isWidgetType()) return false;
    auto* widget = static_cast<QWidget*>(target);
    if (button_ && widget == button_) {
        if (control_ && activates(event)) control_->cancel();
        return true;
    }
    if (!control_ || !window_ || widget->window() != window_) return false;
    // The run works on the entries as they were pressed: they stay so
    // until its outcome is shown. Esc cancels.
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape)
        control_->cancel();
    return true;
}

}  // namespace korrimet
