#pragma once
#include <optional>
#include <string_view>

namespace korrimet::tanks {

// Annual evaporation losses of one oil storage tank after the petroleum-depot
// energy-saving design guideline. Every function computes in double precision
// and throws StatementFailure where the arithmetic fails (division by zero,
// overflow, a negative base under a fractional power).

enum class TankType { DomeRoof, FloatingRoof, InternalFloatingRoof };

// The type whose list item equals the combo text exactly, if any.
std::optional<TankType> TankTypeOf(std::string_view comboText);

// Derived coefficients. Up to 36 turnovers a year Kt is 1; from a diameter
// of 9.14 m on C1 is 1.
constexpr double kTurnoverLimit = 36;
constexpr double kSmallTankDiameter = 9.14;
double TurnoverCount(double throughput, double volume);            // N = Q / V
double TurnoverFactor(double turnovers);                           // Kt from N
double MeanVapourPressure(double py1, double py2);                 // Py
double SmallTankDiameterFactor(double diameter);                   // C1 from D
double RimSealLossFactor(double kt, double windSpeed, double n);   // Ft
double VapourPressureFunction(double py, double pa);               // P*

// Working (filling) losses. Dome roof in m³/a, floating roofs in kg/a.
// Above this molar mass the dome roof's formula turns negative: no loss.
constexpr double kMolarMassLimit = 172.5;
double DomeRoofWorkingLoss(double kt, double k1, double py, double pumpedVolume, double molarMass, double k);
double FloatingRoofWorkingLoss(double throughput, double wallFactor, double density, double diameter);
double InternalFloatingRoofWorkingLoss(double throughput, double wallFactor, double density, double diameter,
                                       double columns, double columnDiameter);

// Breathing (standing) losses. Dome roof in m³/a, floating roofs in kg/a.
struct DomeRoofBreathing {
    double p = 0, pa = 0, h = 0, dt = 0, fp = 0, k2 = 0, k3 = 0, c1 = 0, d = 0;
};
double DomeRoofBreathingLoss(const DomeRoofBreathing& in);
double FloatingRoofBreathingLoss(double ff, double ft, double diameter, double pStar, double mv, double kc);
// Ls = K8 × (Kc × D + Fm + Fd × Kd × D²) × P* × Mv × Kp: Kc the rim-seal
// factor, Fm the fittings term the user works out by hand, Kp the product
// factor (crude oil 0.4, gasoline 0.1), as the external floating roof has it.
double InternalFloatingRoofBreathingLoss(double k8, double kc, double diameter, double fm, double fd, double kd,
                                         double pStar, double mv, double productFactor);

}  // namespace korrimet::tanks
