#pragma once

namespace korrimet {
class Steps;
}

namespace korrimet::air_emission {

// Vapour driven off by a process, from a mass balance. Each step is one
// statement that stores a Single; the window reads the entries first.

// Window-level Singles of the drying calculator.
struct Drying {
    float R = 0;  // (100 − u1) / (100 − u2)
    float S = 0;  // 1 − R
    float G = 0;  // water driven off, kg
};

struct DryingInput {
    double weight = 0;  // initial weight of the wet material, kg
    double before = 0;  // moisture before drying, %
    double after = 0;   // moisture after drying, %
};

// The dry matter stays constant: G = w · (1 − (100 − u1)/(100 − u2)),
// negative when the material ends wetter than it started.
void ComputeDrying(Drying& s, const DryingInput& in, Steps& steps);

struct Evaporation {
    float E = 0;  // solvent evaporated, kg/h
};

struct EvaporationInput {
    double feed = 0;    // feed rate of the solution, kg/h
    double before = 0;  // solute concentration before evaporation, % by weight
    double after = 0;   // solute concentration after evaporation, % by weight
};

// The solute stays constant: E = F · (x2 − x1) / x2.
void ComputeEvaporation(Evaporation& s, const EvaporationInput& in, Steps& steps);

}  // namespace korrimet::air_emission
