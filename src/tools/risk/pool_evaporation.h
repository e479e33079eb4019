#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace korrimet::risk {

// Every text becomes a Double at the operation that uses it; the stage
// results are stored as Singles.

struct FlashTexts {
    std::string mass, time, heatCapacity, temperature, boilingPoint, vaporisationHeat;
};
struct FlashEvaporationResult {
    float fraction = 0;  // share that flashes; not limited to 0..1
    float rate = 0;      // kg/s
    bool failed = false; // a step could not be computed and counted as 0
};
FlashEvaporationResult FlashEvaporation(const FlashTexts& in);

struct HeatTexts {
    std::string ambient, boilingPoint, area, vaporisationHeat, time;
};
// Heat drawn from the ground under the pool, kg/s, by the ground type's
// exact item text; 0 for a text that is no ground type or a step that fails.
float HeatEvaporation(const HeatTexts& in, std::string_view ground);

struct MassTexts {
    std::string vapourPressure, molarMass, windSpeed, radius, ambient;
};
// Wind-driven evaporation from the pool surface, kg/s, by the stability
// class's exact item text; nothing for a text that is no class, 0 for a step
// that fails.
std::optional<float> MassEvaporation(const MassTexts& in, std::string_view stability);

struct TotalTexts {
    std::string flashRate, heatRate, massRate, flashTime, heatTime, massTime;
};
// Evaporated mass in kg from the shown stage rates and their times; nothing
// while any of the six texts is no number.
std::optional<double> TotalEvaporation(const TotalTexts& in);

}  // namespace korrimet::risk
