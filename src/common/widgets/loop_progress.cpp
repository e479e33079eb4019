#include "common/widgets/loop_progress.h"

#include <cmath>

namespace korrimet {
namespace {
constexpr int kSteps = 1000;
}

LoopProgress::LoopProgress(QWidget* parent) : QProgressBar(parent) {
    setRange(0, kSteps);
    setTextVisible(false);
    redraw();
}

bool LoopProgress::setLoopMin(float min) {
    if (!std::isfinite(min) || !(min < max_)) return false;
    min_ = min;
    if (value_ < min_) value_ = min_;
    redraw();
    return true;
}

bool LoopProgress::setLoopMax(float max) {
    if (!std::isfinite(max) || !(max > min_)) return false;
    max_ = max;
    if (value_ > max_) value_ = max_;
    redraw();
    return true;
}

bool LoopProgress::setLoopValue(float value) {
    if (!(value >= min_ && value <= max_)) return false;
    value_ = value;
    redraw();
    return true;
}

void LoopProgress::reset() {
    setLoopMin(0);
    setLoopMax(100);
    setVisible(true);
    setLoopValue(0);
}

void LoopProgress::redraw() {
    const double share = (static_cast<double>(value_) - min_) / (static_cast<double>(max_) - min_);
    setValue(static_cast<int>(std::lround(share * kSteps)));
}

}  // namespace korrimet
