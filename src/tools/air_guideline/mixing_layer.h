#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korrimet::air_guideline {

// Height of the atmospheric mixing layer after the guideline: hf = a × U10 / f
// for classes A to D, hf = b × √(U10 / f) otherwise, with the Coriolis
// parameter f of the site's latitude and a coefficient by class and region group.

struct MixingRegion {
    std::string group;  // "I" to "IV"
    std::string name;
};
// The region list in the order of the choice list.
std::vector<MixingRegion> LoadMixingRegions(std::string_view text);

struct MixingCoefficientRow {
    std::string stability;
    std::vector<double> byGroup;  // groups I, II, III, IV
};
std::vector<MixingCoefficientRow> LoadMixingCoefficients(std::string_view text);

struct MixingTables {
    std::vector<MixingRegion> regions;
    std::vector<MixingCoefficientRow> coefficients;
};
// The coefficient whose class equals `stability` and whose group holds
// `region`, both compared exactly; none when either is not in the tables.
std::optional<double> MixingCoefficient(const MixingTables& tables, std::string_view stability,
                                        std::string_view region);

// Latitude in degrees from the degree and minute texts (their leading numbers).
double LatitudeOf(std::string_view degrees, std::string_view minutes);
// Coriolis parameter f in 1/s.
double CoriolisParameter(double latitude);

struct MixingLayerInput {
    // Texts as they stand in the controls.
    std::string u10, stability, degrees, minutes, region;
};

// The seven report lines. A height that cannot be computed (U10 no number,
// latitude 0, a negative root) leaves only the height's value out.
std::vector<std::string> MixingLayerReport(const MixingLayerInput& in, const MixingTables& tables);

}  // namespace korrimet::air_guideline
