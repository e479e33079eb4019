#include "tools/fuel/coal_firing.h"

#include "common/stores.h"

namespace korrimet::fuel {

double CoalSoot(double b, double ash, double dfh, double cfh, double eta1) {
    return dbl(divide(1000 * b * ash / 100 * dfh / 100 * (1 - eta1 / 100), 1 - cfh / 100));
}

double CoalSulphurDioxide(double b, double s, double eta2) { return dbl(1600 * b * s / 100 * (1 - eta2 / 100)); }

double CoalCarbonMonoxide(double b, double c, double q) { return dbl(2330 * b * q / 100 * c / 100); }

double CoalNitrogenOxides(double b, double eta3) { return dbl(1630 * b * (0.015 * eta3 / 100 + 0.000938)); }

}  // namespace korrimet::fuel
