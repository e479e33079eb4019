#include "tools/solid_waste/boiler_ash.h"

#include <cmath>

#include "common/number_text.h"
#include "common/steps.h"

namespace korrimet::solid_waste {

AshAmounts BoilerAsh(const AshInputs& in) {
    const Variant b = Variant::text(in.coal), a = Variant::text(in.ash), dfh = Variant::text(in.flueShare),
                  cfh = Variant::text(in.dustCombustibles), eta = Variant::text(in.efficiency),
                  ciz = Variant::text(in.slagCombustibles);
    const Variant hundred = Variant::integer(100);

    Steps steps;
    Variant r;  // the share of the ash that stays in the furnace
    steps([&] { r = hundred - dfh; });
    AshAmounts out;
    // The brackets fix the order of the products, as the handbook writes them.
    steps([&] { out.slag = ((b * a) * r) / ((hundred - ciz) * hundred); });
    steps([&] { out.flyAsh = (((b * a) * dfh) * eta) / (((hundred - cfh) * hundred) * hundred); });
    return out;
}

std::string WholeKilogramText(const Variant& tonnes) {
    const Variant kg = tonnes * Variant::integer(1000);
    if (kg.kind() != Variant::Kind::Double) return NumberText(static_cast<long long>(std::floor(kg.toNumber())));
    return NumberText(std::floor(kg.toNumber()));
}

}  // namespace korrimet::solid_waste
