#pragma once
#include <array>
#include <string>

namespace korrimet::noise {

// The energy sum of up to five sources, a level of exactly 0 standing for
// no source, rounded to two decimals. Fails the statement when no source
// is left to sum.
std::string EnergySumText(const std::array<float, 5>& levels);

// A point source at a distance in metres, the source level standing for 1 m.
std::string AttenuationText(float source, float distance);

// Level of A minus level of B, through "#####.##"; fails the statement when
// A is not above B, since then no difference exists.
std::string DifferenceText(double minuend, double subtrahend);

}  // namespace korrimet::noise
