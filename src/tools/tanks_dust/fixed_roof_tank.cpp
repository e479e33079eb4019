#include "tools/tanks_dust/fixed_roof_tank.h"

#include <cmath>

#include "common/number_text.h"
#include "common/steps.h"
#include "common/stores.h"

namespace korrimet::tanks::fixed_roof {
namespace {

constexpr double kSmallDiameter = 9;
constexpr double kFlatTurnovers = 36;
constexpr double kLastBandTurnovers = 220;
constexpr double kVapourPressureLimit = 100910;  // Pa

double number(std::string_view text) { return ParseNumber(text, Precision::Double); }

// A fractional power of a negative base fails where it stands.
double power(double base, double exponent) { return dbl(std::pow(base, exponent)); }

}  // namespace

std::string SmallDiameterFactorText(std::string_view diameter) {
    Steps steps;
    if (!steps.test([&] { return number(diameter) < kSmallDiameter; })) return "1";
    double c = 0;  // unset when the formula fails, which the mask writes as it writes 0
    steps([&] {
        const double d = number(diameter);
        c = dbl(1 - 0.0123 * (d - 9) * (d - 9));
    });
    return MaskText(c, "####.####");
}

std::string TurnoverFactorText(std::string_view turnovers) {
    Steps steps;
    if (steps.test([&] { return number(turnovers) <= kFlatTurnovers; })) return "1";
    const double k = number(turnovers);
    if (k <= kLastBandTurnovers) {
        std::string kn;
        steps([&] { kn = MaskText(dbl(11.467 * power(k, -0.7026)), "####.#####"); });
        return kn;
    }
    return "0.26";
}

double BreathingLoss(double m, double p, double d, double h, double dt, double fp, double c, double kc) {
    const double ratio = divide(p, kVapourPressureLimit - p);
    return dbl(0.191 * m * power(ratio, 0.68) * power(d, 1.73) * power(h, 0.51) * power(dt, 0.45) * fp * c * kc);
}

double WorkingLoss(double m, double p, double kn, double kc) {
    return dbl(std::pow(10.0, -7) * 4.188 * m * p * kn * kc);
}

LossCheck CheckLossInputs(const LossTexts& in) {
    const std::pair<const char*, const std::string*> boxes[] = {
        {"M", &in.m}, {"P", &in.p}, {"D", &in.d}, {"H", &in.h}, {"△T", &in.dt},
        {"FP", &in.fp}, {"C", &in.c}, {"KC", &in.kc}, {"KN", &in.kn},
    };
    LossCheck check;
    for (const auto& [symbol, text] : boxes) {
        const auto v = TryParseNumber(*text, Precision::Double);
        if (!v)
            check.notNumbers.emplace_back(symbol);
        else if (*v == 0)
            check.anyZero = true;
    }
    return check;
}

LossResult LossesText(const LossTexts& in) {
    Steps steps;
    double lb = 0, lw = 0;  // unset and zero read alike through the mask
    steps([&] {
        lb = BreathingLoss(number(in.m), number(in.p), number(in.d), number(in.h), number(in.dt), number(in.fp),
                           number(in.c), number(in.kc));
    });
    steps([&] { lw = WorkingLoss(number(in.m), number(in.p), number(in.kn), number(in.kc)); });
    return {MaskText(lb, "#########.######"), MaskText(lw, "#########.######")};
}

}  // namespace korrimet::tanks::fixed_roof
