#include "tools/tanks_dust/tank_losses.h"

#include <cmath>

#include "common/stores.h"

namespace korrimet::tanks {
namespace {

// A power whose result is no number (a negative base under a fractional
// exponent) or overflows fails where it stands, so that a later factor
// cannot hide it.
double power(double base, double exponent) { return dbl(std::pow(base, exponent)); }

}  // namespace

std::optional<TankType> TankTypeOf(std::string_view comboText) {
    if (comboText == "拱顶罐") return TankType::DomeRoof;
    if (comboText == "浮顶油罐") return TankType::FloatingRoof;
    if (comboText == "内浮顶油罐") return TankType::InternalFloatingRoof;
    return std::nullopt;
}

double TurnoverCount(double throughput, double volume) { return dbl(divide(throughput, volume)); }

double TurnoverFactor(double turnovers) {
    if (turnovers > kTurnoverLimit) return dbl(divide(turnovers + 180, 6 * turnovers));
    return 1;
}

double MeanVapourPressure(double py1, double py2) { return dbl((py1 + py2) / 2); }

double SmallTankDiameterFactor(double d) {
    if (d >= kSmallTankDiameter) return 1;
    return dbl(0.082626 + 0.073636 * d + 0.0013099 * d * d + 0.0000019891 * d * d * d);
}

double RimSealLossFactor(double kt, double windSpeed, double n) { return dbl(kt * power(2.24 * windSpeed, n)); }

double VapourPressureFunction(double py, double pa) {
    double ratio = dbl(divide(py, pa));
    double root = power(1 - ratio, 0.5);
    return dbl(divide(py, dbl(pa * power(1 + root, 2))));
}

double DomeRoofWorkingLoss(double kt, double k1, double py, double pumpedVolume, double molarMass, double k) {
    if (molarMass > kMolarMassLimit) return 0;
    return dbl(divide(kt * k1 * py * pumpedVolume, (690 - 4 * molarMass) * k));
}

double FloatingRoofWorkingLoss(double throughput, double wallFactor, double density, double diameter) {
    return dbl(divide(4 * throughput * wallFactor * density, diameter * 1000));
}

double InternalFloatingRoofWorkingLoss(double throughput, double wallFactor, double density, double diameter,
                                       double columns, double columnDiameter) {
    return dbl(FloatingRoofWorkingLoss(throughput, wallFactor, density, diameter) *
               (1 + divide(columns * columnDiameter, diameter)));
}

double DomeRoofBreathingLoss(const DomeRoofBreathing& in) {
    double ratio = dbl(divide(in.p, in.pa - in.p));
    return dbl(0.024 * in.k2 * in.k3 * power(ratio, 0.68) * power(in.d, 1.73) * power(in.h, 0.51) *
               power(in.dt, 0.5) * in.fp * in.c1);
}

double FloatingRoofBreathingLoss(double ff, double ft, double diameter, double pStar, double mv, double kc) {
    return dbl(0.46 * (ff + 3.28 * ft * diameter) * pStar * mv * kc);
}

double InternalFloatingRoofBreathingLoss(double k8, double kc, double diameter, double fm, double fd, double kd,
                                         double pStar, double mv, double productFactor) {
    return dbl(k8 * (kc * diameter + fm + fd * kd * power(diameter, 2)) * pStar * mv * productFactor);
}

}  // namespace korrimet::tanks
