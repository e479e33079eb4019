#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace korrimet::water {

// A series typed as "v1|v2|...|": each "|" ends one value, so text after the
// last bar is no value. The values as typed.
std::vector<std::string> ReadBarSeries(std::string_view series);

// Count, echo, maximum, mean and Nemerow mean sqrt((max² + mean²) / 2), lines
// separated by a line feed. A value is a number alone, blanks aside. Fails
// the statement when the series holds no value, or a typed value that is no
// number ("1，000", "1.2mg/L") or is beyond the number range (an empty value
// counts as 0).
std::string NemerowReport(std::string_view series);

// Every value over the standard, to two decimals in the short report form.
// Fails the statement on a series as NemerowReport does, when the standard
// is 0 or when an index overflows.
std::string SingleFactorReport(std::string_view series, double standard);

// P = (C - Ch) / (λ (Cs - Ch)) and ISE = Cp Qp / ((Cs - Ch) Qh), each after
// its prefix to two decimals. A zero denominator fails the statement with
// the condition in words.
std::string SelfPurificationText(double ch, double c, double lambda, double cs);
std::string PollutionRankText(double qp, double qh, double cp, double ch, double cs);

}  // namespace korrimet::water
