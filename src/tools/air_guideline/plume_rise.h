#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tools/air_guideline/guideline_report.h"

namespace korrimet::air_guideline {

// Plume rise ΔH of one stack after the guideline's five formulas, chosen by
// stability class, outlet wind speed U, heat release rate Qh and the
// temperature difference ΔT; effective height He = H + ΔH.

struct GradientPreset {
    std::string stability;
    double gradient = 0;  // dTa/dz, K/m
};
using GradientPresetTable = std::vector<GradientPreset>;
GradientPresetTable LoadGradientPresets(std::string_view text);
std::optional<double> GradientPresetOf(const GradientPresetTable& table, std::string_view stability);

// ΔH = n0 × Qh^n1 × H^n2 / U: the large-heat row first, then the medium-heat row.
constexpr double kLargeHeat = 21000;   // kJ/s
constexpr double kMediumHeat = 2100;   // kJ/s
constexpr double kSmallHeat = 1700;    // kJ/s
constexpr double kHotGas = 35;         // ΔT, K
constexpr double kCalmWind = 1.5;      // U, m/s
struct RiseCoefficients {
    double minHeat = 0;
    double n0Rural = 0, n0Urban = 0, n1 = 0, n2 = 0;
};
struct RiseCoefficientTable {
    RiseCoefficients large, medium;
};
RiseCoefficientTable LoadRiseCoefficients(std::string_view text);

enum class RisePath {
    LargeHeat,     // unstable or neutral, Qh ≥ 21000, ΔT ≥ 35
    MediumHeat,    // unstable or neutral, 2100 ≤ Qh < 21000, ΔT ≥ 35
    Interpolated,  // unstable or neutral, 1700 < Qh < 2100
    Jet,           // unstable or neutral, Qh ≤ 1700 or ΔT < 35
    Stable,        // U ≥ 1.5, class D-E, E or F
    Calm,          // U < 1.5, whatever the class
    UnknownClass,  // U ≥ 1.5 and a class outside the list
};
RisePath ChooseRisePath(std::string_view stability, double u, double qh, double dt);
// The entries a path reads beyond those that choose it.
bool RiseNeedsDiameter(RisePath path);
bool RiseNeedsGradient(RisePath path);

constexpr double kStandardPressure = 1013.25;  // hPa
constexpr double kZeroCelsius = 273.15;         // K
constexpr double kHighestStack = 240;           // m: a taller stack counts as this high

// Heat release rate Qh = 0.35 · Pa · Qv · ΔT / Ts in kJ/s, with Pa in hPa
// (the ratio to standard pressure × 1013.25) and Ts in kelvin.
double HeatRelease(double pressureRatio, double flow, double gasTemperature, double airTemperature);

struct PlumeRiseInput {
    // Box texts as typed, for the report's echo lines.
    std::string height, diameter, flow, gasTemperature, windSpeed10, outletWindSpeed, airTemperature, gradient,
        pressureRatio, stability;
    SiteLocation location = SiteLocation::Rural;
};

// The entries as numbers. The first five choose the path and must be
// numbers; the others are read as the path needs them and are none when not
// read or no number.
struct PlumeRiseNumbers {
    double pressureRatio = 0, gasTemperature = 0, airTemperature = 0, flow = 0, outletWindSpeed = 0;
    std::optional<double> height, diameter, gradient;
};

struct PlumeRiseOutcome {
    std::vector<std::string> lines;  // the 21 report lines
    // Why ΔH (and with it He) or He alone cannot be computed; empty when both are.
    std::string riseFailure, heightFailure;
};

PlumeRiseOutcome PlumeRiseReport(const PlumeRiseInput& in, const PlumeRiseNumbers& n,
                                 const RiseCoefficientTable& table);

}  // namespace korrimet::air_guideline
