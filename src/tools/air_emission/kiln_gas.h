#pragma once

namespace korrimet {
class Steps;
}

namespace korrimet::air_emission {

// Yearly kiln-gas volume from the CO2 the kiln gives off, scaled up by the
// CO2 volume share of the kiln gas. Each step is one statement that stores
// a Single; the window reads the entries first.

// Window-level Singles of the lime kiln, kept from press to press.
struct LimeKiln {
    float C = 0;  // fuel carbon per tonne of lime, kg/t
    float k = 0;  // share of the CO2 that leaves the kiln unreclaimed
    float V = 0;  // CO2 given off per tonne of lime, m³/t
    float W = 0;  // kiln gas per tonne of lime, m³/t
    float Q = 0;  // kiln gas per year, m³/a
};

struct LimeKilnInput {
    double output = 0;        // t/a
    double fuelPerTonne = 0;  // kg/t
    double carbon = 0;        // %
    double recovery = 0;      // %
    double co2Share = 0;      // %
};

void ComputeLimeKiln(LimeKiln& s, const LimeKilnInput& in, Steps& steps);

struct DolomiteKiln {
    float T = 0;  // yearly output, t/a
    float C = 0;  // fuel carbon per tonne, kg/t
    float A = 0;  // CO2 from the CaO share, m³/t
    float B = 0;  // CO2 from the MgO share, m³/t
    float R = 0;  // kiln gas per year, m³/a
};

struct DolomiteKilnInput {
    float output = 0;         // t/a, read as a Single
    double fuelPerTonne = 0;  // kg/t
    double carbon = 0;        // %
    double magnesia = 0;      // MgO, %
    double co2Share = 0;      // %
    double lime = 0;          // CaO, %
};

void ComputeDolomiteKiln(DolomiteKiln& s, const DolomiteKilnInput& in, Steps& steps);

}  // namespace korrimet::air_emission
