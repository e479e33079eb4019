#include "tools/air_emission/kiln_gas.h"

#include "common/steps.h"
#include "common/stores.h"

namespace korrimet::air_emission {
namespace {
constexpr double kCo2PerKgCarbon = 1.866;  // Nm³ of CO2 from 1 kg of carbon
}  // namespace

void ComputeLimeKiln(LimeKiln& s, const LimeKilnInput& in, Steps& steps) {
    steps([&] { s.C = single(in.carbon * in.fuelPerTonne * 0.01); });
    // The recovery rate counts only on the CO2 share of the gas.
    steps([&] { s.k = single(1 - in.recovery * in.co2Share * 0.0001); });
    steps([&] { s.V = single((s.C * kCo2PerKgCarbon + 400) * s.k); });
    steps([&] { s.W = single(divide(s.V * 100.0, in.co2Share)); });
    steps([&] { s.Q = single(in.output * s.W); });
}

void ComputeDolomiteKiln(DolomiteKiln& s, const DolomiteKilnInput& in, Steps& steps) {
    steps([&] { s.T = in.output; });
    steps([&] { s.C = single(in.carbon * in.fuelPerTonne * 0.01); });
    steps([&] { s.A = single(in.lime * 400 * 0.01); });
    steps([&] { s.B = single(in.magnesia * 560 * 0.01); });
    steps([&] {
        s.R = single(divide(static_cast<double>(s.T) * ((static_cast<double>(s.B) + s.A) + s.C * kCo2PerKgCarbon) * 100,
                            in.co2Share));
    });
}

}  // namespace korrimet::air_emission
