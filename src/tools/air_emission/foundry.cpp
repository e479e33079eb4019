#include "tools/air_emission/foundry.h"

#include <algorithm>

#include "common/number_text.h"
#include "common/steps.h"
#include "common/stores.h"

namespace korrimet::air_emission {

std::vector<std::size_t> ComputeFoundry(Foundry& s, const std::vector<FoundryChoice>& rows, const std::string& amount,
                                        const FactorTable& factors) {
    std::vector<std::size_t> noData;
    const auto industries = factors.column(0);
    Steps steps;
    for (std::size_t i = 0; i < industries.size() && i < rows.size(); ++i) {
        const auto furnaces = factors.column(1, {industries[i]});
        if (std::find(furnaces.begin(), furnaces.end(), rows[i].furnace) == furnaces.end()) continue;
        const auto f = factors.find({industries[i], rows[i].furnace, rows[i].device});
        if (!f) {
            noData.push_back(i);
            continue;
        }
        steps([&] { s.result = single(ParseNumber(amount, Precision::Double) * *f); });
    }
    return noData;
}

}  // namespace korrimet::air_emission
