#pragma once
#include <string>

namespace korrimet::air_emission {

// Yearly kiln-gas volume from the CO2 the kiln gives off, scaled up by the
// CO2 volume share of the kiln gas. Each step stores a Single and keeps its
// previous value when its box is no number or its arithmetic fails.

// Window-level Singles of the lime kiln, kept from press to press.
struct LimeKiln {
    float C = 0;  // fuel carbon per tonne of lime, kg/t
    float k = 0;  // share of the CO2 that leaves the kiln unreclaimed
    float V = 0;  // CO2 given off per tonne of lime, m³/t
    float W = 0;  // kiln gas per tonne of lime, m³/t
    float Q = 0;  // kiln gas per year, m³/a
};

// Box texts, as typed.
struct LimeKilnTexts {
    std::string output;        // t/a
    std::string fuelPerTonne;  // kg/t
    std::string carbon;        // %
    std::string recovery;      // %
    std::string co2Share;      // %
};

void ComputeLimeKiln(LimeKiln& s, const LimeKilnTexts& in);

struct DolomiteKiln {
    float T = 0;  // yearly output, t/a
    float C = 0;  // fuel carbon per tonne, kg/t
    float A = 0;  // CO2 from the CaO share, m³/t
    float B = 0;  // CO2 from the MgO share, m³/t
    float R = 0;  // kiln gas per year, m³/a
};

struct DolomiteKilnTexts {
    std::string output;        // t/a
    std::string fuelPerTonne;  // kg/t
    std::string carbon;        // %
    std::string magnesia;      // MgO, %
    std::string co2Share;      // %
    std::string lime;          // CaO, %
};

void ComputeDolomiteKiln(DolomiteKiln& s, const DolomiteKilnTexts& in);

}  // namespace korrimet::air_emission
