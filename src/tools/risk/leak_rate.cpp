#include "tools/risk/leak_rate.h"

#include <array>
#include <cmath>
#include <optional>
#include <utility>

#include "common/number_text.h"
#include "common/steps.h"
#include "common/stores.h"

namespace korrimet::risk {
namespace {

constexpr float kGravity = 9.82f;         // m/s²
constexpr float kGasConstant = 8.314f;    // J/(mol·K)
constexpr double kTwoPhaseDischarge = 0.8;
constexpr double kCriticalShare = 0.55;   // critical pressure as a share of the vessel pressure

double d(float v) { return v; }
double number(const std::string& text) { return ParseNumber(text, Precision::Double); }

}  // namespace

float LiquidLeakRate(const LiquidLeak& in) {
    Steps steps;
    float root = 0, rate = 0;
    steps([&] {
        root = single(std::sqrt(divide(2 * (d(in.pressure) - in.ambient), in.density) + 2 * d(kGravity) * in.height));
    });
    steps([&] { rate = single(d(in.discharge) * in.area * in.density * root); });
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

void GasLeakRate(GasLeakState& s, std::string_view shape) {
    Steps steps;
    s.gasConstant = kGasConstant;
    const auto k = [&] { return d(s.kappa); };
    steps([&] { s.criticalRatio = single(std::pow(divide(2, k() + 1), divide(k(), k() - 1))); });
    steps([&] { s.ratio = single(divide(s.ambient, s.pressure)); });
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
        s.root = single(std::sqrt(divide(d(s.power) * s.molarMass * k(), d(s.gasConstant) * s.temperature)));
    });
    steps([&] { s.rate = single(d(s.outflow) * s.discharge * s.area * s.pressure * s.root); });
}

TwoPhaseLeak TwoPhaseLeakRate(const TwoPhaseTexts& in) {
    TwoPhaseLeak out;
    Steps steps;
    std::optional<double> critical;  // empty until stored
    steps([&] { critical = dbl(number(in.pressure) * kCriticalShare); });
    steps([&] {
        out.vapourFraction = single(divide(number(in.heatCapacity) * (number(in.temperature) - number(in.boilingPoint)),
                                           number(in.vaporisationHeat)));
    });
    steps([&] {
        float liquidShare = single(1.0 - out.vapourFraction);
        out.meanDensity = single(divide(1, divide(out.vapourFraction, number(in.vapourDensity)) +
                                               divide(liquidShare, number(in.liquidDensity))));
    });
    steps([&] {
        float twice = single(2.0 * out.meanDensity);
        out.rate = single(std::sqrt((number(in.pressure) - critical.value_or(0)) * twice) *
                          (number(in.area) * kTwoPhaseDischarge));
    });
    return out;
}

FlashFraction CheckFlashFraction(const TwoPhaseLeak& leak) {
    if (leak.vapourFraction > 1) return FlashFraction::AboveOne;
    if (leak.vapourFraction < 0) return FlashFraction::BelowZero;
    return FlashFraction::Valid;
}

}  // namespace korrimet::risk
