#include "tools/tanks_dust/fixed_roof_tank.h"

#include <cmath>

#include "common/number_text.h"
#include "common/stores.h"

namespace korrimet::tanks::fixed_roof {
namespace {

constexpr double kSmallDiameter = 9;
constexpr double kFlatTurnovers = 36;
constexpr double kLastBandTurnovers = 220;

// A fractional power of a negative base fails where it stands.
double power(double base, double exponent) { return dbl(std::pow(base, exponent)); }

}  // namespace

std::string SmallDiameterFactorText(double d) {
    if (d >= kSmallDiameter) return "1";
    return ResultMaskText(dbl(1 - 0.0123 * (d - 9) * (d - 9)), "####.####");
}

std::string TurnoverFactorText(double k) {
    if (k <= kFlatTurnovers) return "1";
    if (k <= kLastBandTurnovers) return ResultMaskText(dbl(11.467 * power(k, -0.7026)), "####.#####");
    return "0.26";
}

double BreathingLoss(double m, double p, double d, double h, double dt, double fp, double c, double kc) {
    const double ratio = divide(p, kVapourPressureLimit - p);
    return dbl(0.191 * m * power(ratio, 0.68) * power(d, 1.73) * power(h, 0.51) * power(dt, 0.45) * fp * c * kc);
}

double WorkingLoss(double m, double p, double kn, double kc) {
    return dbl(std::pow(10.0, -7) * 4.188 * m * p * kn * kc);
}

}  // namespace korrimet::tanks::fixed_roof
