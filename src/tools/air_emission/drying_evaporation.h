#pragma once
#include <string>

namespace korrimet::air_emission {

// Vapour driven off by a process, from a mass balance. Each step stores a
// Single and keeps its previous value when its box is no number or its
// arithmetic fails.

// Window-level Singles of the drying calculator, kept from press to press.
struct Drying {
    float R = 0;  // (100 − u1) / (100 − u2)
    float S = 0;  // 1 − R
    float G = 0;  // water driven off, kg
};

struct DryingTexts {
    std::string weight;  // initial weight of the wet material, kg
    std::string before;  // moisture before drying, %
    std::string after;   // moisture after drying, %
};

// The dry matter stays constant: G = w · (1 − (100 − u1)/(100 − u2)),
// negative when the material ends wetter than it started.
void ComputeDrying(Drying& s, const DryingTexts& in);

struct Evaporation {
    float E = 0;  // solvent evaporated, kg/h
};

struct EvaporationTexts {
    std::string feed;    // feed rate of the solution, kg/h
    std::string before;  // solute concentration before evaporation, % by weight
    std::string after;   // solute concentration after evaporation, % by weight
};

// The solute stays constant: E = F · (x2 − x1) / x2.
void ComputeEvaporation(Evaporation& s, const EvaporationTexts& in);

}  // namespace korrimet::air_emission
