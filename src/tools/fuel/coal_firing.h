#pragma once

namespace korrimet::fuel {

// Pollutants of burning B tonnes of coal by material balance, in kg.
// Percentages come as typed (25 for 25 %). Each evaluates in double in the
// order of the method's formula and throws StatementFailure on a zero
// divisor or a result beyond the double range.

// Gsd, soot: ash A, share of the ash leaving as soot dfh, combustibles in
// the soot cfh, collector efficiency eta1.
double CoalSoot(double b, double ash, double dfh, double cfh, double eta1);
// GSO2: total sulphur s, removal efficiency eta2.
double CoalSulphurDioxide(double b, double s, double eta2);
// GCO: carbon c, incomplete-combustion value q (q enters first).
double CoalCarbonMonoxide(double b, double c, double q);
// GNOX: conversion eta3 of the coal's nitrogen, held at 1.5 %.
double CoalNitrogenOxides(double b, double eta3);

// Display masks of the results.
inline constexpr const char* kSootMask = "#######.##";
inline constexpr const char* kSulphurDioxideMask = "#######.##";
inline constexpr const char* kCarbonMonoxideMask = "######.##";
inline constexpr const char* kNitrogenOxidesMask = "######.##";

}  // namespace korrimet::fuel
