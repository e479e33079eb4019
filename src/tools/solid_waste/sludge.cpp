#include "tools/solid_waste/sludge.h"

#include "common/number_text.h"
#include "common/steps.h"
#include "common/stored_first.h"
#include "common/stores.h"

namespace korrimet::solid_waste {

namespace {
float singleOf(const std::string& text) { return single(ParseNumber(text, Precision::Single)); }
double doubleOf(const std::string& text) { return ParseNumber(text, Precision::Double); }
}  // namespace

void ComputeSewageSludge(SewageSludge& s, const SewageInputs& in) {
    Steps steps;
    steps([&] { s.grit = singleOf(in.grit); });
    steps([&] { s.primary = singleOf(in.primary); });
    steps([&] { s.biological = singleOf(in.biological); });
    steps([&] { storeSingle(s.sum, double(s.grit) + double(s.primary) + double(s.biological)); });
    steps([&] { storeSingle(s.dry, doubleOf(in.persons) * double(s.sum) / 1000); });
    steps([&] {
        const double p = doubleOf(in.water);
        storeSingle(s.wet, 100 * double(s.dry) / (100 - p));
    });
}

float SettlingSludgeVolume(const SettlingInputs& in) {
    float q = 0, c1 = 0, c2 = 0, x = 0, p = 0, v = 0;
    Steps steps;
    steps([&] { q = singleOf(in.flow); });
    steps([&] { c1 = singleOf(in.inflowSolids); });
    steps([&] { c2 = singleOf(in.outflowSolids); });
    steps([&] { x = singleOf(in.water); });
    steps([&] { p = singleOf(in.density); });
    steps([&] { storeSingle(v, 100 * double(q) * (double(c1) - double(c2)) / double(p) / (100 - double(x))); });
    steps([&] { storeSingle(v, double(v) / 1000); });
    return v;
}

}  // namespace korrimet::solid_waste
