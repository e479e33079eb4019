#include "tools/water/status_assessment.h"

#include <cmath>

#include "common/leading_number.h"
#include "common/number_text.h"
#include "common/statement_failure.h"
#include "common/stores.h"
#include "common/value_range.h"

namespace korrimet::water {
namespace {

constexpr const char* kTwoDecimals = "0.00";

std::string twoDecimals(double v) { return MaskText(dbl(v), kTwoDecimals); }

const char* const kSameStandard = "标准与本底浓度相同，分母为0";

std::string echo(const std::vector<std::string>& values) {
    std::string e;
    for (const std::string& v : values) e += "|" + v;
    return e;
}

// A value's number for a report: a number alone, blanks aside, as the
// series has no unit. A typed value that is no number would count as 0
// unseen, and one read in part ("1，000" as 1, "6000mm" as 6000) would count
// other than meant: both are refused. An empty one counts as 0, which its
// empty place in the echo shows.
double reportNumber(const std::string& v) {
    try {
        return ParseLeadingNumber(v, {});
    } catch (const StatementFailure& f) {
        if (f.kind() == FailureKind::Empty) return 0;
        if (f.kind() == FailureKind::Overflow)
            throw StatementFailure(FailureKind::Domain, "数据“" + v + "”超出可计算的范围");
        throw StatementFailure(FailureKind::Domain, "数据“" + v + "”不是有效的数值");
    }
}

const char* const kNoValue = "数据序列中没有以“|”结尾的数据";

}  // namespace

std::vector<std::string> ReadBarSeries(std::string_view series) {
    std::vector<std::string> values;
    for (size_t bar; (bar = series.find('|')) != std::string_view::npos; series.remove_prefix(bar + 1))
        values.emplace_back(series.substr(0, bar));
    return values;
}

std::string NemerowReport(std::string_view series) {
    const std::vector<std::string> values = ReadBarSeries(series);
    Require(!values.empty(), kNoValue);
    double sum = 0;
    double max = reportNumber(values.front());
    for (const std::string& v : values) {
        const double number = reportNumber(v);
        if (number > max) max = number;
        sum += number;
    }
    const double mean = dbl(sum / static_cast<double>(values.size()));
    const double nemerow = dbl(std::sqrt((max * max + mean * mean) / 2));
    return "你输入的数据个数为:" + NumberText(static_cast<long long>(values.size())) + "\n    输入的数据为：" +
           echo(values) + "|\n    最大值为：" + twoDecimals(max) + "\n    算术平均值为：" + twoDecimals(mean) +
           "\n    内梅罗平均值：" + twoDecimals(nemerow);
}

std::string SingleFactorReport(std::string_view series, double standard) {
    const std::vector<std::string> values = ReadBarSeries(series);
    Require(!values.empty(), kNoValue);
    std::string joined;
    for (const std::string& v : values) {
        // The index goes through its two-decimal text and back to a number.
        const double index = dbl(divide(reportNumber(v), standard));
        joined += "|" + SignFirstNumberText(ParseNumber(MaskText(index, kTwoDecimals), Precision::Double));
    }
    return "你输入的数据为：" + echo(values) + "|\n计算结果如下：\n单项评价指数为：" + joined + "|";
}

std::string SelfPurificationText(double ch, double c, double lambda, double cs) {
    Require(cs != ch, kSameStandard);
    Require(lambda != 0, "自净能力允许利用率为0，分母为0");
    return "此物质的自净利用指数:" + twoDecimals((c - ch) / (lambda * (cs - ch)));
}

std::string PollutionRankText(double qp, double qh, double cp, double ch, double cs) {
    Require(cs != ch, kSameStandard);
    Require(qh != 0, "河水流量为0，分母为0");
    return "该物质污染排序指数ISE=" + twoDecimals(cp * qp / ((cs - ch) * qh));
}

}  // namespace korrimet::water
