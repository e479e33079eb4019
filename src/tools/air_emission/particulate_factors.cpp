#include "tools/air_emission/particulate_factors.h"

#include "common/number_text.h"
#include "common/steps.h"
#include "common/stores.h"

namespace korrimet::air_emission {
namespace {

double number(const std::string& text) { return ParseNumber(text, Precision::Double); }

template <class Formula>
void store(ParticulateResult& s, Formula formula) {
    Steps steps;
    steps([&] { s.value = single(formula()); });
}

}  // namespace

void ComputeFeedMilling(ParticulateResult& s, const std::string& equipment, const std::string& amount,
                        const FactorTable& factors) {
    const auto f = factors.find({equipment});
    if (!f) {
        s.value = 0;
        return;
    }
    store(s, [&] { return number(amount) * *f; });
}

void ComputeCottonGin(ParticulateResult& s, const std::string& amount) {
    store(s, [&] { return number(amount) * 2.34 / 100; });
}

void ComputeGlassRawMaterial(ParticulateResult& s, const std::string& amount) {
    store(s, [&] { return number(amount) * 7.48; });
}

void ComputeGlassMelting(ParticulateResult& s, const std::string& amount) {
    store(s, [&] { return number(amount) * 0.91; });
}

void ComputeLimeKilnDust(ParticulateResult& s, const std::string& kiln, const std::string& share,
                         const std::string& amount) {
    if (kiln == kRotaryKiln)
        store(s, [&] { return number(amount) * number(share) / 100; });
    else if (kiln == kShaftKiln)
        store(s, [&] { return number(amount) * 1 / 100; });
    else
        s.value = 0;
}

}  // namespace korrimet::air_emission
