#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace korrimet::tanks::fixed_roof {

// Breathing and working losses of a fixed-roof tank that stores an organic
// liquid (US research method). Texts are read with the locale number rule;
// arithmetic is double precision and throws StatementFailure where it fails.

// Product factor KC as the option buttons write it.
inline constexpr const char* kCrudeOilProductFactor = "0.65";
inline constexpr const char* kOtherLiquidProductFactor = "1";

// C from the tank diameter D: below 9 m C = 1 − 0.0123 (D − 9)², masked to
// four decimals; from 9 m on "1". A D that is no number gives ".".
std::string SmallDiameterFactorText(std::string_view diameter);

// KN from the yearly turnovers K: "1" up to 36, 11.467 K^−0.7026 masked to
// five decimals up to 220, "0.26" above. A K that is no number gives "1".
std::string TurnoverFactorText(std::string_view turnovers);

// LB = 0.191 M (P / (100910 − P))^0.68 D^1.73 H^0.51 ΔT^0.45 FP C KC, kg/a.
double BreathingLoss(double m, double p, double d, double h, double dt, double fp, double c, double kc);
// LW = 4.188×10⁻⁷ M P KN KC, kg per m³ put through.
double WorkingLoss(double m, double p, double kn, double kc);

// The nine texts that "刷新结果" reads, in screen order.
struct LossTexts {
    std::string m, p, d, h, dt, fp, c, kc, kn;
};

struct LossCheck {
    std::vector<std::string> notNumbers;  // symbols of the boxes that hold no number
    bool anyZero = false;                  // a box that holds the number 0
};
// Looks at the nine values before anything is computed.
LossCheck CheckLossInputs(const LossTexts& in);

// Both results as the boxes show them (six decimals); a loss that cannot be
// computed, or that is 0, shows ".".
struct LossResult {
    std::string breathing, working;
};
LossResult LossesText(const LossTexts& in);

}  // namespace korrimet::tanks::fixed_roof
