#pragma once

namespace korrimet::solid_waste {

// --- sewage works -----------------------------------------------------------

// The calculator's window-level Singles: the coefficients as last read and
// the results as last computed.
struct SewageSludge {
    float grit = 0, primary = 0, biological = 0;  // K沉, K初, K: kg per person and day
    float sum = 0;
    float dry = 0;  // G, kg/d
    float wet = 0;  // W, kg/d
};

// One press after the coefficients are read: the sum of the coefficients,
// the dry sludge of `persons` and the wet sludge of water content `water`
// (percent, below 100), statement by statement. Each throws StatementFailure
// on a result beyond the range of a Single.
void SumCoefficients(SewageSludge& s);
void DrySludge(SewageSludge& s, double persons);
void WetSludge(SewageSludge& s, double water);

// --- sedimentation tank -----------------------------------------------------

struct SettlingInputs {
    float flow = 0;           // Q, m³/d
    float inflowSolids = 0;   // C1, kg/m³
    float outflowSolids = 0;  // C2, kg/m³
    float water = 0;          // X, percent, below 100
    float density = 0;        // P, t/m³, above 0
};

// V = 100 Q (C1 − C2) / (P (100 − X) 10³), m³/d, as a Single; throws
// StatementFailure when it is no number or overflows.
float SettlingSludgeVolume(const SettlingInputs& in);

}  // namespace korrimet::solid_waste
