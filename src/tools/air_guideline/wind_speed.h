#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tools/air_guideline/guideline_report.h"

namespace korrimet::air_guideline {

// Mean wind speed at a stack outlet from the speed 10 m above ground by the
// power law U = U10 × (H / 10)^p.

struct WindExponentRow {
    std::string stability;
    double rural = 0, urban = 0;
};
using WindExponentTable = std::vector<WindExponentRow>;
WindExponentTable LoadWindExponents(std::string_view text);

// The exponent for a stability text (exact match), if the table has one.
std::optional<double> WindExponent(const WindExponentTable& table, std::string_view stability,
                                   SiteLocation location);

// Throws StatementFailure when (H / 10)^p has no value or U leaves the double range.
double OutletWindSpeed(double u10, double height, double exponent);

inline const std::string kNoExponentText = "无对应的参数,请检查输入!";

struct WindSpeedInput {
    std::string u10, height, exponent;  // box texts as typed
    bool standardExponent = false;      // from the table rather than typed
    std::string stability;
    SiteLocation location = SiteLocation::Rural;
};

// The nine report lines for the outlet speed u computed with exponent p.
std::vector<std::string> WindSpeedReport(const WindSpeedInput& in, double u, double p);

}  // namespace korrimet::air_guideline
