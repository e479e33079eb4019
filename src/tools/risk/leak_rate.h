#pragma once
#include <string>
#include <string_view>

#include "common/steps.h"

namespace korrimet::risk {

// Each computation runs its statements through `steps`: a statement that
// fails (or a condition that does not hold) is recorded there with its reason
// and keeps its target, and no result may then be shown.

// Liquid through a hole below the liquid surface; inputs already read as Singles.
struct LiquidLeak {
    float area = 0, discharge = 0, pressure = 0, ambient = 0, height = 0, density = 0;
};
float LiquidLeakRate(const LiquidLeak& in, Steps& steps);

// Discharge coefficient of the gas outflow by the hole-shape item text.
float HoleShapeCoefficient(std::string_view shape);

// The gas window's Singles: they start at 0 and carry over from one run to
// the next, so a failed step keeps the value of the previous run. molarMass is
// the molecular weight as typed, in g/mol.
struct GasLeakState {
    float gasConstant = 0, area = 0, pressure = 0, ambient = 0, molarMass = 0, temperature = 0, kappa = 0;
    float criticalRatio = 0, ratio = 0, discharge = 0, outflow = 0, outflowPart = 0, kappaPart = 0;
    float exponent = 0, power = 0, root = 0, rate = 0;
};
// Runs the computation on the inputs already stored in the state.
void GasLeakRate(GasLeakState& s, std::string_view shape, Steps& steps);

// Two-phase outflow of a flashing liquid; entries read as Doubles.
struct TwoPhaseInputs {
    double area = 0, pressure = 0, heatCapacity = 0, temperature = 0, boilingPoint = 0, vaporisationHeat = 0,
           vapourDensity = 0, liquidDensity = 0;
};
struct TwoPhaseLeak {
    float vapourFraction = 0, meanDensity = 0, rate = 0;
};
// A flashing fraction outside 0..1 fails the computation.
TwoPhaseLeak TwoPhaseLeakRate(const TwoPhaseInputs& in, Steps& steps);

// Why a flashing fraction cannot be used; empty when it lies within 0..1.
// Above 1 all the liquid evaporates (a gas leak), below 0 none does.
std::string FlashFractionProblem(float fraction);

}  // namespace korrimet::risk
