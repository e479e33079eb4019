#include "tools/air_emission/incineration.h"

#include <algorithm>

#include "common/steps.h"
#include "common/stores.h"

namespace korrimet::air_emission {
namespace {
bool listed(const std::vector<std::string>& items, const std::string& text) {
    return std::find(items.begin(), items.end(), text) != items.end();
}
}  // namespace

IncinerationGap IncinerationGapOf(const IncinerationChoice& in, const FactorTable& factors) {
    if (in.mode == kIncinerator)
        return factors.find({kIncinerator, in.furnace}) ? IncinerationGap::None : IncinerationGap::Furnace;
    if (in.mode != kOpenBurning) return IncinerationGap::Mode;
    if (!listed(factors.column(1, {kOpenBurning}), in.refuse)) return IncinerationGap::Refuse;
    return factors.find({kOpenBurning, in.refuse, in.pollutant}) ? IncinerationGap::None
                                                                 : IncinerationGap::Pollutant;
}

std::optional<double> IncinerationFactor(const IncinerationChoice& in, const FactorTable& factors) {
    if (in.mode == kIncinerator) return factors.find({kIncinerator, in.furnace});
    if (in.mode == kOpenBurning) return factors.find({kOpenBurning, in.refuse, in.pollutant});
    return std::nullopt;
}

void ComputeIncinerator(Incineration& s, double factor, double efficiency, double amount, Steps& steps) {
    steps([&] { s.q = single((100 - efficiency) * (amount * factor) / 100); });
}

void ComputeOpenBurning(Incineration& s, double factor, double amount, Steps& steps) {
    steps([&] { s.q = single(amount * factor); });
}

}  // namespace korrimet::air_emission
