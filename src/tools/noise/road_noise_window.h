#pragma once
#include <QLineEdit>
#include <QTextEdit>

#include "common/widgets/press.h"
#include "common/widgets/report_box.h"

namespace korrimet::noise {

// How both road noise windows take their entries: every box is read by the
// shared rule before anything is computed, the press names each one that
// fails, the first gets the focus, and no report is written from them.
class RoadNoiseEntries {
public:
    RoadNoiseEntries(Press& press, QTextEdit* report) : press_(press), report_(report) {}

    double operator()(QLineEdit* box, Range range = Range::Any) {
        double v = 0;
        if (!press_.read(v, box, range)) failed(box);
        return v;
    }
    void check(bool ok, const QString& reason, QLineEdit* box) {
        if (!press_.check(ok, reason)) failed(box);
    }

    // True when the report may be written; otherwise it is cleared and marked.
    bool ok() {
        if (press_.ok()) {
            Press::unmark(report_);
            return true;
        }
        setReport(report_, {});
        press_.clear(report_);
        if (first_) {
            first_->setFocus();
            first_->selectAll();
        }
        return false;
    }

private:
    void failed(QLineEdit* box) {
        if (!first_) first_ = box;
    }

    Press& press_;
    QTextEdit* report_;
    QLineEdit* first_ = nullptr;
};

}  // namespace korrimet::noise
