#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace korrimet::water {

// A series typed as "v1|v2|...|": each "|" ends one value, so text after the
// last bar is no value. A value keeps its text; its number is the text's
// leading number (0 when it has none).
struct BarValue {
    std::string text;
    double number = 0;
};
std::vector<BarValue> ReadBarSeries(std::string_view series);

// Count, echo, maximum, mean and Nemerow mean sqrt((max² + mean²) / 2), lines
// separated by a line feed. A series without a value has no maximum or mean:
// those three values stay empty.
std::string NemerowReport(std::string_view series);

// Every value over the standard, to two decimals in the short report form.
// A standard that is no number or 0 leaves every index empty.
std::string SingleFactorReport(std::string_view series, std::string_view standard);

// P = (C - Ch) / (λ (Cs - Ch)) and ISE = Cp Qp / ((Cs - Ch) Qh), each after
// its prefix to two decimals; when a box is no number or a denominator is 0
// the prefix is followed by kNotComputable.
inline constexpr const char* kNotComputable = "无法计算,请检查输入";
std::string SelfPurificationText(std::string_view ch, std::string_view c, std::string_view lambda,
                                 std::string_view cs);
std::string PollutionRankText(std::string_view qp, std::string_view qh, std::string_view cp, std::string_view ch,
                              std::string_view cs);

}  // namespace korrimet::water
