#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korrimet::air_guideline {

// Height of the atmospheric mixing layer after the guideline: hf = a × U10 / f
// for classes A to D, hf = b × √(U10 / f) otherwise, with the Coriolis
// parameter f of the site's latitude and a coefficient by class and region group.
// A U10 above 6 m/s enters as 6 m/s, and the report says so.

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

// Latitude in degrees from degrees and minutes, north or south alike: the
// minutes add to the size of the degrees, whatever their sign.
double LatitudeOf(double degrees, double minutes);
// Coriolis parameter f in 1/s.
double CoriolisParameter(double latitude);

struct MixingLayerInput {
    // Texts as they stand in the controls.
    std::string u10, stability, degrees, minutes, region;
};

struct MixingLayerOutcome {
    std::vector<std::string> lines;  // the seven report lines
    std::string failure;             // why hf cannot be computed; empty when it is
};

// The report from the wind speed and the latitude (none when not a sound
// entry). hf needs both and a coefficient; without one its line says why.
// The latitude's texts are written with their units once (EntryWithUnit),
// the wind speed and the region as typed, each on its one line (EchoOnOneLine).
MixingLayerOutcome MixingLayerReport(const MixingLayerInput& in, std::optional<double> u10,
                                     std::optional<double> latitude, const MixingTables& tables);

}  // namespace korrimet::air_guideline
