#pragma once
#include <atomic>

namespace korrimet {

// Thrown inside a long run once the window that started it has cancelled it.
struct RunCancelled {};

// What a long run shares with the window that started it, safe between
// threads: the window asks it to stop, the run says how far it has come.
class RunControl {
public:
    void cancel() { cancelled_.store(true, std::memory_order_relaxed); }
    bool cancelled() const { return cancelled_.load(std::memory_order_relaxed); }
    // Throws RunCancelled once the run has been cancelled.
    void check() const {
        if (cancelled()) throw RunCancelled{};
    }

    void setProgress(double value) { progress_.store(value, std::memory_order_relaxed); }
    double progress() const { return progress_.load(std::memory_order_relaxed); }

private:
    std::atomic<bool> cancelled_{false};
    std::atomic<double> progress_{0};
};

}  // namespace korrimet
