#include "tools/tanks_dust/dust.h"

#include <cmath>

#include "common/stores.h"

namespace korrimet::dust {
namespace {

// A fractional power of a negative base, or one that overflows, fails where
// it stands, so that a later zero factor cannot hide it.
double power(double base, double exponent) { return dbl(std::pow(base, exponent)); }

}  // namespace

double ConstructionSiteDust(double p, double silt, double speed, double wetDays, double tyres) {
    return dbl(p * 0.81 * silt * (speed / 30) * ((365 - wetDays) / 365) * (tyres / 4));
}

double WharfCoalPileDust(double k, double windSpeed, double thresholdSpeed, double moisture, double coal) {
    if (windSpeed <= thresholdSpeed) return 0;  // the wind lifts no dust below the start-up speed
    const double a = dbl(std::exp(-1.023 * moisture / 100));
    return dbl(2.1 * k * power(windSpeed - thresholdSpeed, 3) * a * coal);
}

double WindDirectionDust(double qp, double frequency) { return dbl(qp * frequency / 100 / 1000); }

double CoalPileDust(double windSpeed, double surface, double humidity, double moisture) {
    const double a = dbl(std::exp(-0.5 * humidity / 100));
    const double b = dbl(std::exp(-0.55 * (moisture - 0.07)));
    return dbl(11.7 * power(windSpeed, 2.45) * power(surface, 0.345) * a * b);
}

double WharfLoadingDust(double dropHeight, double windSpeed, double moisture) {
    const double a = dbl(std::exp(-0.28 * moisture / 100));
    return dbl(1133.33 * power(windSpeed, 1.6) * power(dropHeight, 1.23) * a);
}

double YearlyLoadingDust(double q) { return dbl(q * 60 * 60 * 24 * 300 / 1e9); }

double RoadDust(double speed, double tyres, double windSpeed) {
    return dbl(0.000501 * speed * 0.823 * tyres * 0.139 * (windSpeed / 4));
}

double VehicleRoadDust(double speed, double weight, double surfaceDust) {
    return dbl(0.0079 * speed * power(weight, 0.85) * power(surfaceDust, 0.72));
}

double PortRoadDust(double speed, double load, double surfaceDust) {
    return dbl(0.123 * (speed / 5) * power(load / 6.8, 0.65) * power(surfaceDust / 0.05, 0.72));
}

}  // namespace korrimet::dust
