#include "tools/solid_waste/sludge.h"

#include "common/stored_first.h"
#include "common/stores.h"

namespace korrimet::solid_waste {

void SumCoefficients(SewageSludge& s) {
    storeSingle(s.sum, double(s.grit) + double(s.primary) + double(s.biological));
}

// Coefficients in kg per person and day give kg/d, as the labels say; the
// method's M/1000 would give tonnes.
void DrySludge(SewageSludge& s, double persons) { storeSingle(s.dry, persons * double(s.sum)); }

void WetSludge(SewageSludge& s, double water) { storeSingle(s.wet, 100 * double(s.dry) / (100 - water)); }

float SettlingSludgeVolume(const SettlingInputs& in) {
    float v = 0;
    storeSingle(v, 100 * double(in.flow) * (double(in.inflowSolids) - double(in.outflowSolids)) / double(in.density) /
                       (100 - double(in.water)));
    storeSingle(v, double(v) / 1000);
    return v;
}

}  // namespace korrimet::solid_waste
