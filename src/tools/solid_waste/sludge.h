#pragma once
#include <string>

namespace korrimet::solid_waste {

// --- sewage works -----------------------------------------------------------

struct SewageInputs {
    std::string persons;     // N, persons served
    std::string grit;        // K沉, kg per person and day
    std::string primary;     // K初, dry primary sludge, kg per person and day
    std::string biological;  // K, dry humus or surplus sludge, kg per person and day
    std::string water;       // p, water content of the wet sludge, percent
};

// The calculator's window-level Singles: 0 at first, then each keeps the
// value of the last statement that set it, across presses and reopenings.
struct SewageSludge {
    float grit = 0, primary = 0, biological = 0;
    float sum = 0;
    float dry = 0;  // G, kg/d
    float wet = 0;  // W, kg/d
};

// One press of the compute button, statement by statement: a text that is
// no number leaves its variable as it was. A water content of 100 leaves an
// infinite (or, from no dry sludge, undefined) wet sludge.
void ComputeSewageSludge(SewageSludge& s, const SewageInputs& in);

// --- sedimentation tank -----------------------------------------------------

struct SettlingInputs {
    std::string flow;           // Q, m³/d
    std::string inflowSolids;   // C1, kg/m³
    std::string outflowSolids;  // C2, kg/m³
    std::string water;          // X, percent
    std::string density;        // P, t/m³
};

// V = 100 Q (C1 − C2) / (P (100 − X) 10³), m³/d, as a Single. A text that
// is no number counts as 0; a density of 0 or a water content of 100 gives
// an infinite or undefined volume.
float SettlingSludgeVolume(const SettlingInputs& in);

}  // namespace korrimet::solid_waste
