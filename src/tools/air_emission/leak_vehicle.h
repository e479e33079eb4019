#pragma once

namespace korrimet {
class Steps;
}

namespace korrimet::air_emission {

// Entries of the equipment-leak calculator, read as Singles.
struct LeakInput {
    float volume = 0;       // V, m³
    float safety = 0;       // K, 1 to 2
    float coefficient = 0;  // C, by the pressure in the equipment
    float molecular = 0;    // M
    float temperature = 0;  // T, °C
};

// Leak rate Gc in kg/h: K·C·V·√(M / (T + 273)), one statement.
void LeakRate(float& gc, const LeakInput& in, Steps& steps);

// Pollutant amount: emission factor times fuel amount, one statement.
void VehicleEmission(float& amount, double factor, double fuel, Steps& steps);

}  // namespace korrimet::air_emission
