#include "common/steps.h"

#include <algorithm>

#include "common/value_range.h"

namespace korrimet {

std::string FailureReason(const StatementFailure& failure) {
    switch (failure.kind()) {
    case FailureKind::Empty: return "未输入数值";
    case FailureKind::NotNumber: return "不是有效的数值";
    case FailureKind::Overflow: return "数值超出可计算的范围";
    case FailureKind::DivisionByZero: return "出现除数为零";
    case FailureKind::Invalid: return "结果不是有效的数值（如除以零、负数开方或数值溢出）";
    case FailureKind::Domain: return failure.what();
    }
    return failure.what();
}

std::vector<std::string> Steps::failureLines() const {
    std::vector<std::string> lines;
    for (const StepFailure& f : list_) {
        std::string line = f.subject.empty() ? f.reason : "“" + f.subject + "”：" + f.reason;
        if (std::find(lines.begin(), lines.end(), line) == lines.end()) lines.push_back(line);
    }
    return lines;
}

std::string Steps::message() const {
    if (list_.empty()) return {};
    std::string text = "无法计算，请检查：";
    for (const std::string& line : failureLines()) text += "\n" + line;
    return text;
}

bool InRange(double v, Range range) {
    switch (range) {
    case Range::Any: return true;
    case Range::NonNegative: return v >= 0;
    case Range::Positive: return v > 0;
    case Range::Percent: return v >= 0 && v <= 100;
    case Range::Fraction: return v >= 0 && v <= 1;
    }
    return true;
}

const char* RangeText(Range range) {
    switch (range) {
    case Range::Any: return "";
    case Range::NonNegative: return "不能为负数";
    case Range::Positive: return "须大于0";
    case Range::Percent: return "须在0～100之间";
    case Range::Fraction: return "须在0～1之间";
    }
    return "";
}

void RequireRange(double value, Range range) {
    if (!InRange(value, range)) throw StatementFailure(FailureKind::Domain, RangeText(range));
}

void Require(bool ok, const char* reason) {
    if (!ok) throw StatementFailure(FailureKind::Domain, reason);
}

}  // namespace korrimet
