#pragma once
#include <string>
#include <vector>

#include "tools/air_emission/factor_table.h"

namespace korrimet {
class Steps;
}

namespace korrimet::air_emission {

// Foundry particulates: the amount handled times a factor by industry,
// furnace and dust-control device. The table's rows are
// industry | furnace | device | kg/t, the industries in the window's order.

// The texts of one industry row's furnace and device lists.
struct FoundryChoice {
    std::string furnace;
    std::string device;
};

// What an industry row contributes: nothing (its text is no furnace of its
// industry), no factor (a furnace whose device the table does not list), or
// its factor, kg/t.
struct FoundryRow {
    enum class State { NoFurnace, NoFactor, Counted };
    State state = State::NoFurnace;
    double factor = 0;
};

// Each row's state; texts must equal an item exactly.
std::vector<FoundryRow> FoundryRows(const std::vector<FoundryChoice>& choices, const FactorTable& factors);

// Window-level Singles, set anew by every press.
struct Foundry {
    std::vector<float> rows;  // kg, per industry row (0 where it does not count)
    float total = 0;          // kg, the sum of the counted rows
};

// Every counted row stores amount × factor, and the total sums them.
void ComputeFoundry(Foundry& s, const std::vector<FoundryRow>& rows, double amount, Steps& steps);

}  // namespace korrimet::air_emission
