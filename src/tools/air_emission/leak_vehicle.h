#pragma once
#include <string>

namespace korrimet::air_emission {

// Box texts of the equipment-leak calculator.
struct LeakTexts {
    std::string volume;       // V, m³
    std::string safety;       // K, 1 to 2
    std::string coefficient;  // C, by the pressure in the equipment
    std::string molecular;    // M
    std::string temperature;  // T, °C
};

// Leak rate Gc in kg/h: K·C·V·√(M / (T + 273)). Every run starts from zero:
// a box that is no number counts as 0, a failed formula gives 0.
float LeakRate(const LeakTexts& in);

// Pollutant amount: emission factor times fuel amount; 0 when either box
// is no number.
float VehicleEmission(const std::string& factor, const std::string& fuel);

}  // namespace korrimet::air_emission
