#pragma once

namespace korrimet::dust {

// Empirical dust formulas of sites, coal piles, wharves and roads. All in
// double precision, evaluated in the order the formulas are written; each
// throws StatementFailure where its arithmetic fails (overflow, a fractional
// power of a negative base).

// Construction site, kg per km driven by one vehicle:
// E = P × 0.81 × s × V/30 × (365 − w)/365 × T/4, s the percentage itself (12 for 12 %).
double ConstructionSiteDust(double p, double silt, double speed, double wetDays, double tyres);

// Wharf coal pile, kg/a: Qp = 2.1 K (U − U0)³ e^(−1.023 W/100) P, W in percent;
// 0 up to the start-up speed U0, where the wind raises no dust.
double WharfCoalPileDust(double k, double windSpeed, double thresholdSpeed, double moisture, double coal);
// The part of Qp (kg/a) under a wind direction of frequency f (percent), t/a.
double WindDirectionDust(double qp, double frequency);

// Coal pile, mg/s: Qm = 11.7 U^2.45 S^0.345 e^(−0.5 ω/100) e^(−0.55 (W − 0.07)),
// ω in percent, W as typed.
double CoalPileDust(double windSpeed, double surface, double humidity, double moisture);

// Wharf loading, mg/s: Q = 1133.33 U^1.6 H^1.23 e^(−0.28 W/100), W in percent.
double WharfLoadingDust(double dropHeight, double windSpeed, double moisture);
// Q (mg/s) over 300 days of 24 hours, in t/a (10⁹ mg a tonne).
double YearlyLoadingDust(double q);

// Road dust of one vehicle, kg/km: E = 0.000501 V 0.823 T 0.139 U/4.
double RoadDust(double speed, double tyres, double windSpeed);
// Road dust of one vehicle, kg per km and vehicle: Qi = 0.0079 V W^0.85 P^0.72.
double VehicleRoadDust(double speed, double weight, double surfaceDust);
// The same after port road measurements: Qi = 0.123 V/5 (W/6.8)^0.65 (P/0.05)^0.72.
double PortRoadDust(double speed, double load, double surfaceDust);

}  // namespace korrimet::dust
