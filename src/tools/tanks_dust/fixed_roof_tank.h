#pragma once
#include <string>

namespace korrimet::tanks::fixed_roof {

// Breathing and working losses of a fixed-roof tank that stores an organic
// liquid (US research method). Arithmetic is double precision and throws StatementFailure where it fails.

// Product factor KC as the option buttons write it.
inline constexpr const char* kCrudeOilProductFactor = "0.65";
inline constexpr const char* kOtherLiquidProductFactor = "1";

// C from the tank diameter D: below 9 m C = 1 − 0.0123 (D − 9)², masked to
// four decimals; from 9 m on "1".
std::string SmallDiameterFactorText(double diameter);

// KN from the yearly turnovers K: "1" up to 36, 11.467 K^−0.7026 masked to
// five decimals up to 220, "0.26" above. Throws StatementFailure when K is
// beyond the range of the formula.
std::string TurnoverFactorText(double turnovers);

// Vapour pressures from this one on divide by zero or turn the ratio negative.
inline constexpr double kVapourPressureLimit = 100910;  // Pa

// LB = 0.191 M (P / (100910 − P))^0.68 D^1.73 H^0.51 ΔT^0.45 FP C KC, kg/a.
double BreathingLoss(double m, double p, double d, double h, double dt, double fp, double c, double kc);
// LW = 4.188×10⁻⁷ M P KN KC, kg per m³ put through.
double WorkingLoss(double m, double p, double kn, double kc);

}  // namespace korrimet::tanks::fixed_roof
