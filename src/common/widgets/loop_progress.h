#pragma once
#include <QProgressBar>

namespace korrimet {

// The model windows' progress bar, on a Single scale of its own. Unlike
// QProgressBar, which quietly moves its minimum when the maximum goes below
// it and clamps an outside value, it refuses such a setting and keeps what
// it had: a Value outside Min..Max, a Max not above Min, a Min not below Max.
// Starts at Min 0, Max 100, Value 0.
class LoopProgress : public QProgressBar {
    Q_OBJECT
public:
    explicit LoopProgress(QWidget* parent = nullptr);

    float loopMin() const { return min_; }
    float loopMax() const { return max_; }
    float loopValue() const { return value_; }

    // Each returns false when the bar refuses the setting.
    bool setLoopMin(float min);
    bool setLoopMax(float max);
    bool setLoopValue(float value);

    // Min 0, Max 100, visible, Value 0, in this order.
    void reset();

private:
    void redraw();

    float min_ = 0, max_ = 100, value_ = 0;
};

}  // namespace korrimet
