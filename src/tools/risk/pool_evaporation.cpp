#include "tools/risk/pool_evaporation.h"

#include <cmath>
#include <string>

#include "common/stores.h"
#include "tools/risk/leak_rate.h"

namespace korrimet::risk {
namespace {

constexpr double kPi = 3.14;
constexpr double kGasConstant = 8.314;
constexpr double kGramsPerKilogram = 1000;  // the molecular weight is typed in g/mol, R needs kg/mol

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

FlashEvaporationResult FlashEvaporation(const FlashInputs& in, Steps& steps) {
    FlashEvaporationResult r;
    const bool flashed = steps.as("FV", [&] {
        r.fraction = single(divide(in.heatCapacity * (in.temperature - in.boilingPoint), in.vaporisationHeat));
    });
    const std::string problem = flashed ? FlashFractionProblem(r.fraction) : std::string();
    if (!problem.empty()) steps.fail({}, problem);
    if (!flashed || !problem.empty()) return r;
    steps.as("闪蒸量", [&] { r.rate = single(divide(static_cast<double>(r.fraction) * in.mass, in.time)); });
    return r;
}

float HeatEvaporation(const HeatInputs& in, std::string_view ground, Steps& steps) {
    float rate = 0;
    for (const GroundThermal& g : kGrounds) {
        if (g.ground != ground) continue;
        // A pool at its boiling point takes no heat from colder ground.
        if (in.ambient < in.boilingPoint) steps.fail({}, "沸点高于环境温度，地面不向液池传热，没有热量蒸发");
        steps.as("热量蒸发速度", [&] {
            rate = single(divide(g.conductivity * in.area * (in.ambient - in.boilingPoint),
                                 in.vaporisationHeat * std::sqrt(kPi * g.diffusivity * in.time)));
        });
        return rate;
    }
    steps.fail({}, "请选择地面类型");
    return rate;
}

float MassEvaporation(const MassInputs& in, std::string_view stability, Steps& steps) {
    float rate = 0;
    for (const StabilityEvaporation& s : kStabilities) {
        if (s.stability != stability) continue;
        const double n = s.exponent;
        steps.as("质量蒸发速度", [&] {
            const double molarMass = in.molarMass / kGramsPerKilogram;
            rate = single(divide(s.coefficient * in.vapourPressure * molarMass, kGasConstant * in.ambient) *
                          std::pow(in.windSpeed, (2 - n) / (2 + n)) * std::pow(in.radius, (4 + n) / (2 + n)));
        });
        return rate;
    }
    steps.fail({}, "请选择稳定度条件");
    return rate;
}

double TotalEvaporation(const TotalInputs& in, Steps& steps) {
    double mass = 0;
    steps.as("液体蒸发总量", [&] {
        mass = dbl(in.flashRate * in.flashTime + in.heatRate * in.heatTime + in.massRate * in.massTime);
    });
    return mass;
}

}  // namespace korrimet::risk
