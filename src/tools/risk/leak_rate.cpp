#include "tools/risk/leak_rate.h"

#include <array>
#include <cmath>
#include <utility>

#include "common/number_text.h"
#include "common/stores.h"
#include "common/value_range.h"

namespace korrimet::risk {
namespace {

constexpr float kGravity = 9.82f;         // m/s²
constexpr float kGasConstant = 8.314f;    // J/(mol·K)
constexpr double kTwoPhaseDischarge = 0.8;
constexpr double kCriticalShare = 0.55;   // critical pressure as a share of the vessel pressure
constexpr double kGramsPerKilogram = 1000;  // the molecular weight is typed in g/mol, R needs kg/mol

double d(float v) { return v; }

}  // namespace

float LiquidLeakRate(const LiquidLeak& in, Steps& steps) {
    float root = 0, rate = 0;
    steps([&] {
        const double head = divide(2 * (d(in.pressure) - in.ambient), in.density) + 2 * d(kGravity) * in.height;
        // Below zero the surroundings push in: nothing leaks out.
        Require(head >= 0, "环境压力高于容器内介质压力与液柱压力之和，液体不会从裂口流出");
        root = single(std::sqrt(head));
    });
    steps.as("液体泄漏速度", [&] { rate = single(d(in.discharge) * in.area * in.density * root); });
    return rate;
}

float HoleShapeCoefficient(std::string_view shape) {
    static constexpr std::array<std::pair<std::string_view, float>, 3> kShapes{{
        {"圆形", 1.00f},
        {"三角形", 0.95f},
        {"长方形", 0.90f},
    }};
    for (const auto& [text, cd] : kShapes)
        if (text == shape) return cd;
    return 0.90f;
}

void GasLeakRate(GasLeakState& s, std::string_view shape, Steps& steps) {
    s.gasConstant = kGasConstant;
    const auto k = [&] { return d(s.kappa); };
    steps([&] { s.criticalRatio = single(std::pow(divide(2, k() + 1), divide(k(), k() - 1))); });
    steps([&] { s.ratio = single(divide(s.ambient, s.pressure)); });
    if (s.ambient > s.pressure) {
        // The outflow terms would only fail after it: the reason alone is said.
        steps.fail({}, "环境压力高于容器介质压力，气体不会从裂口流出");
        return;
    }
    s.discharge = HoleShapeCoefficient(shape);
    if (s.ratio <= s.criticalRatio) {
        s.outflow = 1;  // critical (sonic) outflow
    } else {
        steps([&] { s.outflowPart = single(std::pow(d(s.ratio), divide(1, k()))); });
        steps([&] {
            s.outflowPart = single(s.outflowPart * std::sqrt(1 - std::pow(d(s.ratio), divide(k() - 1, k()))));
        });
        steps([&] { s.kappaPart = single((k() + 1) / 2); });
        steps([&] { s.kappaPart = single(std::pow(d(s.kappaPart), divide(k() + 1, k() - 1))); });
        steps([&] { s.kappaPart = single(divide(s.kappaPart * 2.0, k() - 1)); });
        steps([&] { s.kappaPart = single(std::sqrt(d(s.kappaPart))); });
        steps([&] { s.outflow = single(d(s.outflowPart) * s.kappaPart); });
    }
    steps([&] { s.exponent = single(divide(k() + 1, k() - 1)); });
    steps([&] { s.power = single(std::pow(divide(2, k() + 1), d(s.exponent))); });
    steps([&] {
        const double molarMass = s.molarMass / kGramsPerKilogram;
        s.root = single(std::sqrt(divide(d(s.power) * molarMass * k(), d(s.gasConstant) * s.temperature)));
    });
    steps.as("气体泄漏速度", [&] { s.rate = single(d(s.outflow) * s.discharge * s.area * s.pressure * s.root); });
}

TwoPhaseLeak TwoPhaseLeakRate(const TwoPhaseInputs& in, Steps& steps) {
    TwoPhaseLeak out;
    double critical = 0;
    steps([&] { critical = dbl(in.pressure * kCriticalShare); });
    const bool flashed = steps.as("FV", [&] {
        out.vapourFraction = single(divide(in.heatCapacity * (in.temperature - in.boilingPoint), in.vaporisationHeat));
    });
    // Without a usable fraction the rest would only fail after it.
    const std::string problem = flashed ? FlashFractionProblem(out.vapourFraction) : std::string();
    if (!problem.empty()) steps.fail({}, problem);
    if (!flashed || !problem.empty()) return out;
    steps([&] {
        float liquidShare = single(1.0 - out.vapourFraction);
        out.meanDensity =
            single(divide(1, divide(out.vapourFraction, in.vapourDensity) + divide(liquidShare, in.liquidDensity)));
    });
    steps.as("两相流泄漏速度", [&] {
        float twice = single(2.0 * out.meanDensity);
        out.rate = single(std::sqrt((in.pressure - critical) * twice) * (in.area * kTwoPhaseDischarge));
    });
    return out;
}

std::string FlashFractionProblem(float fraction) {
    const std::string fv = "FV=" + NumberText(fraction);
    if (fraction > 1) return fv + "＞1，闪蒸比例须在0～1之间：液体将全部蒸发成气体，请按气体泄漏计算！";
    if (fraction < 0) return fv + "＜0，闪蒸比例须在0～1之间：液体温度低于沸点，不会闪蒸，请按液体泄漏计算！";
    return {};
}

}  // namespace korrimet::risk
