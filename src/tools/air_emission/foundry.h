#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "tools/air_emission/factor_table.h"

namespace korrimet::air_emission {

// Foundry particulates: the amount handled times a factor by industry,
// furnace and dust-control device. The table's rows are
// industry | furnace | device | kg/t, the industries in the window's order.

// Window-level Single, kept from press to press.
struct Foundry {
    float result = 0;  // particulates, kg
};

// The texts of one industry row's furnace and device lists.
struct FoundryChoice {
    std::string furnace;
    std::string device;
};

// Evaluates the industry rows in order; each row with a listed furnace and
// a device that has a factor stores amount × factor, so the lowest such row
// wins. A row whose text is no furnace of its industry does nothing.
// Returns the rows (0-based) with a furnace but no factor for its device,
// in order: each of them calls for "未有统计数据".
std::vector<std::size_t> ComputeFoundry(Foundry& s, const std::vector<FoundryChoice>& rows, const std::string& amount,
                                        const FactorTable& factors);

}  // namespace korrimet::air_emission
