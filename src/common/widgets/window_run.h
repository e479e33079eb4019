#pragma once
#include <QFuture>
#include <QFutureWatcher>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QtConcurrent/QtConcurrentRun>
#include <exception>
#include <functional>
#include <memory>

#include "common/run_control.h"
#include "common/widgets/run_pool.h"

class QAbstractButton;
class QTimer;
class QWidget;

namespace korrimet {

class ClickGestures;

inline const QString kRunCancelledMessage = QStringLiteral("计算已取消，本次计算没有结果。");
// The start of the message of a run whose work failed; the reason follows.
inline const QString kRunFailedMessage = QStringLiteral("计算失败，本次计算没有结果：");

// A window's long run. The work runs on a thread of RunPool() over plain
// copies of the entries and touches no widget; the window's thread only
// shows its progress and outcome, so the window answers throughout. While
// the run owns the window, the button that started it reads "取  消" and
// cancels it, as Esc does; the window's entries take no input, so what is
// shown after is computed from what they show, and no second run can start.
// Clicks on a run's button that follow each other within the double-click
// interval are one gesture, from the window's first run on: the first click
// starts the run or cancels it, the others neither cancel it nor, once it has
// ended however soon, start another.
// A click on that button just after the run ended was meant for "取  消":
// that button alone stays deaf a moment, the window's other buttons do not.
// Closing the window, or quitting the program, cancels the run and waits for
// it to stop.
class WindowRun : public QObject {
    Q_OBJECT
public:
    explicit WindowRun(QWidget* window);
    ~WindowRun() override;

    // A run owns the window: its work runs or its outcome is being shown.
    bool busy() const { return control_ != nullptr || showing_; }
    bool running() const { return control_ != nullptr; }
    // The button of the run that just ended is still deaf.
    bool holding() const { return !held_.isNull(); }

    // Starts `work` on a worker, unless the window is busy (then false).
    // `progress` gets the run's latest progress value on the window's thread
    // about every 30 ms. The outcome comes on the window's thread: `done` with
    // the work's result, or, when the run was cancelled at any moment,
    // `cancelled` and then the cancel message. The button's caption is back
    // before either. Work that throws RunCancelled ends as cancelled; work
    // that throws anything else (out of memory) as failed: `cancelled`, then
    // a message that says the run failed and why. When
    // the window closes or the program quits before the outcome was shown,
    // `cancelled` runs without a message; as a window that goes without
    // closing may be partly gone by then, it reaches widgets only through
    // guarded pointers.
    template <class R>
    bool start(QAbstractButton* button, std::function<R(RunControl&)> work, std::function<void(R)> done,
               std::function<void(double)> progress = {}, std::function<void()> cancelled = {}) {
        if (busy()) return false;
        auto* watcher = new QFutureWatcher<R>(this);
        connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, done = std::move(done)] {
            showOutcome([&] { done(watcher->future().takeResult()); });
        });
        const std::shared_ptr<RunControl> control =
            begin(button, watcher, std::move(progress), std::move(cancelled));
        // No exception of the work may reach the window's event loop.
        QFuture<R> future = QtConcurrent::run(&RunPool(), [control, failure = failure_, work = std::move(work)]() -> R {
            try {
                return work(*control);
            } catch (const RunCancelled&) {
            } catch (...) {
                *failure = std::current_exception();
            }
            return R{};
        });
        future_ = QFuture<void>(future);
        watcher->setFuture(future);
        return true;
    }

    // Asks the run to stop; its outcome is then the cancel.
    void cancel();

signals:
    // The outcome of a run has been shown.
    void finished();

protected:
    bool eventFilter(QObject* target, QEvent* event) override;

private:
    std::shared_ptr<RunControl> begin(QAbstractButton* button, QFutureWatcherBase* watcher,
                                      std::function<void(double)> progress, std::function<void()> cancelled);
    void showOutcome(const std::function<void()>& showDone);
    // Takes the run off the window's books and gives the button its caption back.
    void putBack();
    // Ends a run whose outcome will not be shown: cancelled, waited for and
    // cleaned up, without a word.
    void abandon();
    void showProgress();
    void releaseHeldButton();

    QPointer<QWidget> window_;
    QPointer<QAbstractButton> button_;
    QPointer<QAbstractButton> held_;  // deaf a moment after its run ended
    QString caption_;
    std::shared_ptr<RunControl> control_;
    std::shared_ptr<std::exception_ptr> failure_;  // set by the worker when its work threw
    std::function<void(double)> progress_;
    std::function<void()> cancelled_;
    QFuture<void> future_;
    QFutureWatcherBase* watcher_ = nullptr;
    bool showing_ = false;
    QTimer* ticker_;
    QTimer* guard_;
    ClickGestures* gestures_;
};

}  // namespace korrimet
