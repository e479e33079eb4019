#include "tools/fuel/material_balance.h"

#include "common/stores.h"

namespace korrimet::fuel {

double CoalSoot(double b, double ash, double dfh, double cfh, double eta1) {
    return dbl(divide(1000 * b * ash / 100 * dfh / 100 * (1 - eta1 / 100), 1 - cfh / 100));
}

double CoalSulphurDioxide(double b, double s, double eta2) { return dbl(1600 * b * s / 100 * (1 - eta2 / 100)); }

double CoalNitrogenOxides(double b, double eta3) { return dbl(1630 * b * (0.015 * eta3 / 100 + 0.000938)); }

double CarbonMonoxide(double b, double c, double q) { return dbl(2330 * b * q / 100 * c / 100); }

double OilSulphurDioxide(double b, double s, double eta1) { return dbl(2000 * b * s / 100 * (1 - eta1 / 100)); }

double OilNitrogenOxides(double b, double n, double eta2) {
    return dbl(1630 * b * (n / 100 * eta2 / 100 + 0.000938));
}

double GasSulphurDioxide(double v, double h2s) { return dbl(2.857 * v * h2s / 100); }

double GasCarbonMonoxide(double v, double q, double co, double ch4, double cmhn) {
    return dbl(1.25 * v * q / 100 * (co / 100 + ch4 / 100 + 13 * cmhn / 100));
}

}  // namespace korrimet::fuel
