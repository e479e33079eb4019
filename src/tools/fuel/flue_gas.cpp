#include "tools/fuel/flue_gas.h"

#include <array>
#include <utility>

namespace korrimet::fuel {
namespace {
constexpr double kHeatUnit = 4187;  // kJ per 1000 kcal
constexpr float kGasThreshold = 12561;
constexpr float kNaturalGasThreshold = 34543;
}  // namespace

std::optional<FuelClass> FuelClassOf(std::string_view comboText) {
    static constexpr std::array<std::pair<std::string_view, FuelClass>, 4> kItems{{
        {"固体燃料", FuelClass::Solid},
        {"液体燃料", FuelClass::Liquid},
        {"气体燃料", FuelClass::Gas},
        {"天燃气", FuelClass::NaturalGas},
    }};
    for (const auto& [text, fuel] : kItems)
        if (text == comboText) return fuel;
    return std::nullopt;
}

double TheoreticalAir(FuelClass fuel, float q) {
    const double Q = q;
    switch (fuel) {
    case FuelClass::Solid: return Q * 1.01 / kHeatUnit + 0.5;
    case FuelClass::Liquid: return Q * 0.85 / kHeatUnit + 2;
    case FuelClass::Gas: return q < kGasThreshold ? Q * 0.875 / kHeatUnit : Q * 1.09 / kHeatUnit - 0.25;
    case FuelClass::NaturalGas: return Q * 1.105 / kHeatUnit + 0.02;
    }
    return 0;
}

double FlueGasVolume(FuelClass fuel, float q, float excessAir, float leakage, float v0) {
    const double Q = q;
    const double k = (static_cast<double>(excessAir) + leakage) - 1;
    switch (fuel) {
    case FuelClass::Solid: return Q * 0.89 / kHeatUnit + 1.65 + k * v0;
    case FuelClass::Liquid: return Q * 1.11 / kHeatUnit + k * v0;
    case FuelClass::Gas:
        return q < kGasThreshold ? Q * 0.725 / kHeatUnit + 1 + k * v0 : Q * 1.14 / kHeatUnit + 0.25 + k * v0;
    case FuelClass::NaturalGas:
        // Natural gas ignores the leakage and the "- 1".
        return q >= kNaturalGasThreshold ? Q * 0.075 / kHeatUnit + 0.38 + static_cast<double>(excessAir) * v0
                                         : static_cast<double>(excessAir) * v0 + 1;
    }
    return 0;
}

}  // namespace korrimet::fuel
