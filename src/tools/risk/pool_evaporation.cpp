#include "tools/risk/pool_evaporation.h"

#include <cmath>

#include "common/number_text.h"
#include "common/steps.h"
#include "common/stores.h"

namespace korrimet::risk {
namespace {

double number(const std::string& text) { return ParseNumber(text, Precision::Double); }

constexpr double kPi = 3.14;
constexpr double kGasConstant = 8.314;

struct GroundThermal {
    std::string_view ground;
    double conductivity;  // λ, W/(m·K)
    double diffusivity;   // α, m²/s
};
constexpr GroundThermal kGrounds[] = {
    {"水泥地", 1.1, 1.29e-7}, {"土地", 0.9, 4.3e-7}, {"干土地", 0.3, 2.3e-7},
    {"湿地", 0.6, 3.3e-7},    {"砂砾地", 2.5, 1.1e-6},
};

struct StabilityEvaporation {
    std::string_view stability;
    double coefficient;  // a
    double exponent;     // n
};
constexpr StabilityEvaporation kStabilities[] = {
    {"不稳定A,B", 0.003846, 0.2},
    {"中性C", 0.004685, 0.25},
    {"稳定E,F", 0.005285, 0.3},
};

}  // namespace

FlashEvaporationResult FlashEvaporation(const FlashTexts& in) {
    FlashEvaporationResult r;
    Steps steps;
    steps([&] {
        r.fraction = single(divide(number(in.heatCapacity) * (number(in.temperature) - number(in.boilingPoint)),
                                   number(in.vaporisationHeat)));
    });
    steps([&] { r.rate = single(divide(static_cast<double>(r.fraction) * number(in.mass), number(in.time))); });
    r.failed = steps.failures() > 0;
    return r;
}

float HeatEvaporation(const HeatTexts& in, std::string_view ground) {
    float rate = 0;
    for (const GroundThermal& g : kGrounds) {
        if (g.ground != ground) continue;
        Steps steps;
        steps([&] {
            rate = single(divide(g.conductivity * number(in.area) * (number(in.ambient) - number(in.boilingPoint)),
                                 number(in.vaporisationHeat) *
                                     std::sqrt(kPi * g.diffusivity * number(in.time))));
        });
        break;
    }
    return rate;
}

std::optional<float> MassEvaporation(const MassTexts& in, std::string_view stability) {
    for (const StabilityEvaporation& s : kStabilities) {
        if (s.stability != stability) continue;
        const double n = s.exponent;
        float rate = 0;
        Steps steps;
        steps([&] {
            rate = single(divide(s.coefficient * number(in.vapourPressure) * number(in.molarMass),
                                 kGasConstant * number(in.ambient)) *
                          std::pow(number(in.windSpeed), (2 - n) / (2 + n)) *
                          std::pow(number(in.radius), (4 + n) / (2 + n)));
        });
        return rate;
    }
    return std::nullopt;
}

std::optional<double> TotalEvaporation(const TotalTexts& in) {
    std::optional<double> mass;
    Steps steps;
    steps([&] {
        mass = dbl(number(in.flashRate) * number(in.flashTime) + number(in.heatRate) * number(in.heatTime) +
                   number(in.massRate) * number(in.massTime));
    });
    return mass;
}

}  // namespace korrimet::risk
