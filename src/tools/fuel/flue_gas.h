#pragma once
#include <optional>
#include <string_view>

namespace korrimet::fuel {

enum class FuelClass { Solid, Liquid, Gas, NaturalGas };

// The class whose item text equals the combo text exactly, if any.
std::optional<FuelClass> FuelClassOf(std::string_view comboText);

// Theoretical air V0 (Nm³ per kg) for heat value q in kJ/kg; evaluated in
// double, the caller stores it as a Single.
double TheoreticalAir(FuelClass fuel, float q);
// Flue-gas volume Vy (Nm³ per kg) from the stored Single V0.
double FlueGasVolume(FuelClass fuel, float q, float excessAir, float leakage, float v0);

}  // namespace korrimet::fuel
