#include "tools/air_emission/incineration.h"

#include <algorithm>

#include "common/number_text.h"
#include "common/steps.h"
#include "common/stores.h"

namespace korrimet::air_emission {
namespace {
double number(const std::string& text) { return ParseNumber(text, Precision::Double); }
}  // namespace

void ComputeIncineration(Incineration& s, const IncinerationTexts& in, const FactorTable& factors) {
    Steps steps;
    if (in.mode == kIncinerator) {
        const auto f = factors.find({kIncinerator, in.furnace});
        if (!f) {
            s.q = 0;
            return;
        }
        steps([&] { s.q = single((100 - number(in.efficiency)) * (number(in.amount) * *f) / 100); });
    } else if (in.mode == kOpenBurning) {
        const auto refuseTypes = factors.column(1, {kOpenBurning});
        if (std::find(refuseTypes.begin(), refuseTypes.end(), in.refuse) == refuseTypes.end()) return;
        const auto f = factors.find({kOpenBurning, in.refuse, in.pollutant});
        if (!f) {
            s.q = 0;
            return;
        }
        steps([&] { s.q = single(number(in.amount) * *f); });
    }
}

}  // namespace korrimet::air_emission
