#include "tools/water/status_assessment.h"

#include <cmath>
#include <optional>

#include "common/number_text.h"
#include "common/statement_failure.h"
#include "common/stores.h"

namespace korrimet::water {
namespace {

constexpr const char* kTwoDecimals = "0.00";

double number(std::string_view text) { return ParseNumber(text, Precision::Double); }

// A computation whose conversion or arithmetic fails gives no value.
template <class F>
std::optional<double> attempt(F&& compute) {
    try {
        return compute();
    } catch (const StatementFailure&) {
        return std::nullopt;
    }
}

std::string twoDecimals(std::optional<double> v) { return v ? MaskText(*v, kTwoDecimals) : std::string(); }

std::string echo(const std::vector<BarValue>& values) {
    std::string e;
    for (const BarValue& v : values) e += "|" + v.text;
    return e;
}

}  // namespace

std::vector<BarValue> ReadBarSeries(std::string_view series) {
    std::vector<BarValue> values;
    for (size_t bar; (bar = series.find('|')) != std::string_view::npos; series.remove_prefix(bar + 1)) {
        const std::string_view text = series.substr(0, bar);
        values.push_back({std::string(text), LeadingNumber(text)});
    }
    return values;
}

std::string NemerowReport(std::string_view series) {
    const std::vector<BarValue> values = ReadBarSeries(series);
    std::optional<double> max, mean, nemerow;
    if (!values.empty()) {
        double sum = 0;
        max = values.front().number;
        for (const BarValue& v : values) {
            if (v.number > *max) max = v.number;
            sum += v.number;
        }
        mean = attempt([&] { return dbl(sum / static_cast<double>(values.size())); });
        if (mean) nemerow = attempt([&] { return dbl(std::sqrt((*max * *max + *mean * *mean) / 2)); });
    }
    return "你输入的数据个数为:" + NumberText(static_cast<long long>(values.size())) + "\n    输入的数据为：" +
           echo(values) + "|\n    最大值为：" + twoDecimals(max) + "\n    算术平均值为：" + twoDecimals(mean) +
           "\n    内梅罗平均值：" + twoDecimals(nemerow);
}

std::string SingleFactorReport(std::string_view series, std::string_view standard) {
    const std::vector<BarValue> values = ReadBarSeries(series);
    std::string joined;
    for (const BarValue& v : values) {
        const auto index = attempt([&] { return dbl(divide(v.number, number(standard))); });
        joined += "|";
        // The index goes through its two-decimal text and back to a number.
        if (index) joined += SignFirstNumberText(number(MaskText(*index, kTwoDecimals)));
    }
    return "你输入的数据为：" + echo(values) + "|\n计算结果如下：\n单项评价指数为：" + joined + "|";
}

std::string SelfPurificationText(std::string_view ch, std::string_view c, std::string_view lambda,
                                 std::string_view cs) {
    const auto p = attempt([&] {
        return dbl(divide(number(c) - number(ch), number(lambda) * (number(cs) - number(ch))));
    });
    return std::string("此物质的自净利用指数:") + (p ? twoDecimals(p) : kNotComputable);
}

std::string PollutionRankText(std::string_view qp, std::string_view qh, std::string_view cp, std::string_view ch,
                              std::string_view cs) {
    const auto ise = attempt([&] {
        return dbl(divide(number(cp) * number(qp), (number(cs) - number(ch)) * number(qh)));
    });
    return std::string("该物质污染排序指数ISE=") + (ise ? twoDecimals(ise) : kNotComputable);
}

}  // namespace korrimet::water
