#pragma once
#include <optional>

#include "tools/water/river2.h"

namespace korrimet::water {

// The steady mixing model with first-order decay of a non-persistent
// pollutant. K1 (1/d) is typed as text: it holds no value when that text is
// no number.
struct River6Inputs {
    River2Inputs mixing;
    std::optional<double> k1;
};

// D(x) · C2(x, y), D(x) = exp(−K1·x / (86400·u)): the decay over the travel
// time multiplies the whole mixing concentration, background included. A
// decay that cannot be computed (K1 no number, u = 0, an overflow) counts as
// 0, and so does the whole value.
RiverPoint River6Concentration(const River6Inputs& in, float x, float y);

GridCell River6Cell(const River6Inputs& in);

}  // namespace korrimet::water
