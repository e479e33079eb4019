#include "tools/noise/road_noise.h"

#include <cmath>

#include "common/number_text.h"
#include "common/stores.h"

namespace korrimet::noise {

double BoxNumber(const std::string& text) { return ParseNumber(text, Precision::Double); }

double TrafficLevelSum(const std::array<double, kVehicleTypes>& levels) {
    double energy = 0;
    for (double level : levels) energy += std::pow(10.0, 0.1 * level);
    return dbl(10 * std::log10(energy));
}

double ViewAngleCorrection(double degrees) { return dbl(10 * std::log10(degrees / 180)); }

}  // namespace korrimet::noise
