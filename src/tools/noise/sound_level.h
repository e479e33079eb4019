#pragma once
#include <array>
#include <string>
#include <string_view>

namespace korrimet::noise {

// The energy sum of up to five sources. Window-level Singles: a failed
// statement leaves the value of the previous run in place.
struct SumState {
    std::array<float, 5> levels{};
    float zeros = 0, energy = 0, result = 0;
};
// Runs the sum on the five box texts; returns the text of the result box.
std::string EnergySumText(SumState& s, const std::array<std::string, 5>& texts);

// A point source at a distance, the source level standing for 1 m.
struct AttenuationState {
    float distance = 0, attenuation = 0, source = 0, result = 0;
};
// Shown instead of a level when the distance gives no attenuation.
inline constexpr const char* kDistanceNotPositive = "距离须大于0";
std::string AttenuationText(AttenuationState& s, std::string_view sourceText, std::string_view distanceText);

// Level of A minus level of B, through "#####.##"; empty when no difference
// exists (A not above B, or either text no number).
std::string DifferenceText(std::string_view minuendText, std::string_view subtrahendText);

}  // namespace korrimet::noise
