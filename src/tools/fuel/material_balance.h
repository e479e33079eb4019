#pragma once

namespace korrimet::fuel {

// Pollutants of burning a fuel by the provincial material-balance rules, in
// kg. Percentages come as typed (25 for 25 %). Each evaluates in double in
// the order of the method's formula and throws StatementFailure on a zero
// divisor or a result beyond the double range.

// Coal, B tonnes.
// Gsd, soot: ash A, share of the ash leaving as soot dfh, combustibles in
// the soot cfh, collector efficiency eta1.
double CoalSoot(double b, double ash, double dfh, double cfh, double eta1);
// GSO2: total sulphur s, removal efficiency eta2.
double CoalSulphurDioxide(double b, double s, double eta2);
// GNOX: conversion eta3 of the coal's nitrogen, held at 1.5 %.
double CoalNitrogenOxides(double b, double eta3);

// Coal or oil, B tonnes: GCO from carbon c and incomplete-combustion value
// q (q enters first).
double CarbonMonoxide(double b, double c, double q);

// Oil, B tonnes.
// GSO2: total sulphur s, removal efficiency eta1.
double OilSulphurDioxide(double b, double s, double eta1);
// GNOX: nitrogen n of the oil, its conversion eta2.
double OilNitrogenOxides(double b, double n, double eta2);

// Gas, V cubic metres; shares are volume percent of the gas.
// GSO2: H2S share h2s.
double GasSulphurDioxide(double v, double h2s);
// GCO: incomplete-combustion value q; CO, CH4 and other alkanes (weighted 13).
double GasCarbonMonoxide(double v, double q, double co, double ch4, double cmhn);

// Display masks of the results.
inline constexpr const char* kSootMask = "#######.##";
inline constexpr const char* kSulphurDioxideMask = "#######.##";
inline constexpr const char* kCarbonMonoxideMask = "######.##";
inline constexpr const char* kNitrogenOxidesMask = "######.##";
inline constexpr const char* kOilMask = "######.##";
inline constexpr const char* kGasMask = "#####.##";

}  // namespace korrimet::fuel
