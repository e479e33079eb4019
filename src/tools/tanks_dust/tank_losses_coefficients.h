#pragma once
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "common/value_range.h"
#include "tools/tanks_dust/tank_losses.h"

namespace korrimet::tanks {

// A box the tank window reads, by default as a number of at least 0.
struct Input {
    int box;
    Range range = Range::NonNegative;
};

// A coefficient that follows from its entries alone: when a box of `on`
// changes, under the types `under` (none: every type, even a typed one that
// matches none), `text` turns the numbers read from `inputs`, in order, into
// the text of `box`.
struct Coefficient {
    std::vector<int> on;
    std::vector<TankType> under;
    int box;
    std::vector<Input> inputs;
    std::string (*text)(const double* in);

    bool derivedUnder(std::optional<TankType> type) const;
};

// In the order a change derives them; P* comes last.
std::span<const Coefficient> Coefficients();
const Coefficient& VapourPressureFunctionCoefficient();
// The coefficient that writes `box` under `type`; none for an entry.
const Coefficient* CoefficientOf(int box, std::optional<TankType> type);

}  // namespace korrimet::tanks
