#include "tools/solid_waste/boiler_ash.h"

#include <cmath>

#include "common/number_text.h"
#include "common/stores.h"

namespace korrimet::solid_waste {

// The brackets fix the order of the products, as the handbook writes them.
double Slag(const AshInputs& in) {
    return dbl(divide((in.coal * in.ash) * (100 - in.flueShare), (100 - in.slagCombustibles) * 100));
}

double FlyAsh(const AshInputs& in) {
    return dbl(divide(((in.coal * in.ash) * in.flueShare) * in.efficiency,
                      ((100 - in.dustCombustibles) * 100) * 100));
}

std::string WholeKilogramText(double tonnes) {
    const double kg = dbl(tonnes * 1000);
    // Below 1e9 kg a millionth is well above the rounding noise of a double;
    // above it the noise is a whole kilogram anyway.
    const double nearest = std::fabs(kg) < 1e9 ? std::round(kg * 1e6) / 1e6 : kg;
    return NumberText(std::floor(nearest) + 0.0);
}

}  // namespace korrimet::solid_waste
