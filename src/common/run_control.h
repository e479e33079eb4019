#pragma once
#include <atomic>
#include <limits>

namespace korrimet {

// Thrown inside a long run once the window that started it has cancelled it.
struct RunCancelled {};

// What a long run shares with the window that started it, safe between
// threads: the window asks it to stop, the run says how far it has come.
class RunControl {
public:
    virtual ~RunControl() = default;
    void cancel() { cancelled_.store(true, std::memory_order_relaxed); }
    // Virtual so that a test can cancel a run at a chosen point of its work.
    virtual bool cancelled() const { return cancelled_.load(std::memory_order_relaxed); }
    // Throws RunCancelled once the run has been cancelled.
    void check() const {
        if (cancelled()) throw RunCancelled{};
    }

    void setProgress(double value) { progress_.store(value, std::memory_order_relaxed); }
    // NaN until the run has said how far it has come.
    double progress() const { return progress_.load(std::memory_order_relaxed); }

private:
    std::atomic<bool> cancelled_{false};
    std::atomic<double> progress_{std::numeric_limits<double>::quiet_NaN()};
};

}  // namespace korrimet
