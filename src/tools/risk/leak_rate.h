#pragma once
#include <string>
#include <string_view>

namespace korrimet::risk {

// Liquid through a hole below the liquid surface; inputs already read as
// Singles. A failed step leaves its value at 0.
struct LiquidLeak {
    float area = 0, discharge = 0, pressure = 0, ambient = 0, height = 0, density = 0;
};
float LiquidLeakRate(const LiquidLeak& in);

// Discharge coefficient of the gas outflow by the hole-shape item text.
float HoleShapeCoefficient(std::string_view shape);

// The gas window's Singles: they start at 0 and carry over from one run to
// the next, so a failed step reuses the value of the previous run.
struct GasLeakState {
    float gasConstant = 0, area = 0, pressure = 0, ambient = 0, molarMass = 0, temperature = 0, kappa = 0;
    float criticalRatio = 0, ratio = 0, discharge = 0, outflow = 0, outflowPart = 0, kappaPart = 0;
    float exponent = 0, power = 0, root = 0, rate = 0;
};
// Runs the computation on the inputs already stored in the state.
void GasLeakRate(GasLeakState& s, std::string_view shape);

// Two-phase outflow of a flashing liquid; every text becomes a Double at
// the operation that uses it.
struct TwoPhaseTexts {
    std::string area = "0.02", pressure = "12000", heatCapacity = "10100", temperature = "300",
                boilingPoint = "260", vaporisationHeat = "500", vapourDensity = "1000", liquidDensity = "1200";
};
struct TwoPhaseLeak {
    float vapourFraction = 0, meanDensity = 0, rate = 0;
};
TwoPhaseLeak TwoPhaseLeakRate(const TwoPhaseTexts& in);

// The flashing fraction only makes sense between 0 and 1: above 1 all the
// liquid evaporates (a gas leak), below 0 none does (a liquid leak).
enum class FlashFraction { Valid, AboveOne, BelowZero };
FlashFraction CheckFlashFraction(const TwoPhaseLeak& leak);

}  // namespace korrimet::risk
