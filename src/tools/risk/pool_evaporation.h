#pragma once
#include <string_view>

#include "common/steps.h"

namespace korrimet::risk {

// Entries read as Doubles; the stage results are stored as Singles. Each
// computation runs through `steps`, where a failed statement or a condition
// that does not hold is recorded: no result may then be shown.

struct FlashInputs {
    double mass = 0, time = 0, heatCapacity = 0, temperature = 0, boilingPoint = 0, vaporisationHeat = 0;
};
struct FlashEvaporationResult {
    float fraction = 0;  // share that flashes, 0..1
    float rate = 0;      // kg/s
};
FlashEvaporationResult FlashEvaporation(const FlashInputs& in, Steps& steps);

struct HeatInputs {
    double ambient = 0, boilingPoint = 0, area = 0, vaporisationHeat = 0, time = 0;
};
// Heat drawn from the ground under the pool, kg/s, by the ground type's exact item text.
float HeatEvaporation(const HeatInputs& in, std::string_view ground, Steps& steps);

struct MassInputs {
    double vapourPressure = 0, molarMass = 0, windSpeed = 0, radius = 0, ambient = 0;  // molarMass in g/mol
};
// Wind-driven evaporation from the pool surface, kg/s, by the stability class's exact item text.
float MassEvaporation(const MassInputs& in, std::string_view stability, Steps& steps);

struct TotalInputs {
    double flashRate = 0, heatRate = 0, massRate = 0, flashTime = 0, heatTime = 0, massTime = 0;
};
// Evaporated mass in kg from the stage rates and their times.
double TotalEvaporation(const TotalInputs& in, Steps& steps);

}  // namespace korrimet::risk
