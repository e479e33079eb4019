#include "tools/air_emission/foundry.h"

#include <algorithm>

#include "common/steps.h"
#include "common/stores.h"

namespace korrimet::air_emission {

std::vector<FoundryRow> FoundryRows(const std::vector<FoundryChoice>& choices, const FactorTable& factors) {
    const auto industries = factors.column(0);
    std::vector<FoundryRow> rows(choices.size());
    for (std::size_t i = 0; i < industries.size() && i < choices.size(); ++i) {
        const auto furnaces = factors.column(1, {industries[i]});
        if (std::find(furnaces.begin(), furnaces.end(), choices[i].furnace) == furnaces.end()) continue;
        const auto f = factors.find({industries[i], choices[i].furnace, choices[i].device});
        rows[i] = f ? FoundryRow{FoundryRow::State::Counted, *f} : FoundryRow{FoundryRow::State::NoFactor, 0};
    }
    return rows;
}

void ComputeFoundry(Foundry& s, const std::vector<FoundryRow>& rows, double amount, Steps& steps) {
    s.rows.assign(rows.size(), 0.0f);
    double sum = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].state != FoundryRow::State::Counted) continue;
        steps([&] { s.rows[i] = single(amount * rows[i].factor); });
        sum += s.rows[i];
    }
    steps([&] { s.total = single(sum); });
}

}  // namespace korrimet::air_emission
