#pragma once
#include <QFuture>
#include <QFutureWatcher>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QtConcurrent/QtConcurrentRun>
#include <functional>
#include <memory>

#include "common/run_control.h"

class QAbstractButton;
class QTimer;
class QWidget;

namespace korrimet {

inline const QString kRunCancelledMessage = QStringLiteral("计算已取消，本次计算没有结果。");

// A window's long run. The work runs on a worker thread over plain copies of
// the entries and touches no widget; the window's thread only shows its
// progress and outcome, so the window answers throughout. While the run owns
// the window, the button that started it reads "取  消" and cancels it, as
// Esc does; the window's entries take no input, so what is shown after is
// computed from what they show, and no second run can start; a click on
// that button just after the run ended was meant for "取  消" and does
// nothing. Closing the window cancels the run and waits for it to stop.
class WindowRun : public QObject {
    Q_OBJECT
public:
    explicit WindowRun(QWidget* window);
    ~WindowRun() override;

    // A run owns the window, or has just ended and its button is still deaf.
    bool busy() const;
    bool running() const { return control_ != nullptr; }

    // Starts `work` on a worker, unless the window is busy (then false).
    // `progress` gets the run's latest progress value on the window's thread
    // about every 30 ms. The outcome comes on the window's thread: `done` with
    // the work's result, or, when the run was cancelled at any moment,
    // `cancelled` and then the cancel message. Work that throws RunCancelled
    // ends as cancelled.
    template <class R>
    bool start(QAbstractButton* button, std::function<R(RunControl&)> work, std::function<void(R)> done,
               std::function<void(double)> progress = {}, std::function<void()> cancelled = {}) {
        if (busy()) return false;
        auto control = std::make_shared<RunControl>();
        auto* watcher = new QFutureWatcher<R>(this);
        connect(watcher, &QFutureWatcherBase::finished, this,
                [this, watcher, done = std::move(done), cancelled = std::move(cancelled)] {
                    watcher->deleteLater();
                    if (takeOutcome()) {
                        if (cancelled) cancelled();
                        sayCancelled();
                    } else {
                        done(watcher->result());
                    }
                    ended();
                });
        begin(button, control, std::move(progress));
        QFuture<R> future = QtConcurrent::run([control, work = std::move(work)]() -> R {
            try {
                return work(*control);
            } catch (const RunCancelled&) {
                return R{};
            }
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
    void begin(QAbstractButton* button, std::shared_ptr<RunControl> control, std::function<void(double)> progress);
    // Takes the ended run off the window's books; true when it was cancelled.
    bool takeOutcome();
    void sayCancelled();
    void ended();
    void showProgress();

    QPointer<QWidget> window_;
    QPointer<QAbstractButton> button_;
    QString caption_;
    std::shared_ptr<RunControl> control_;
    std::function<void(double)> progress_;
    QFuture<void> future_;
    QTimer* ticker_;
    QTimer* guard_;  // holds the button a moment after the run ended
};

}  // namespace korrimet
