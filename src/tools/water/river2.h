#pragma once
#include <functional>
#include <string>

#include "common/grid_result_file.h"

namespace korrimet::water {

// Inputs of the steady two-dimensional mixing model, as read into Singles.
struct River2Inputs {
    float ch = 0;  // upstream concentration, mg/L
    float cp = 0;  // concentration in the wastewater, mg/L
    float h = 0;   // mean depth, m
    float my = 0;  // lateral mixing coefficient, m²/s
    float u = 0;   // mean velocity, m/s
    float qp = 0;  // wastewater flow, m³/s
    float b = 0;   // river width, m
    float a = 0;   // distance of the outlet from the bank, m
};

// A concentration of the river grid models at one point.
struct RiverPoint {
    double c = 0;
    // A term could not be computed (x, H, My or u of 0, a root of a negative,
    // an overflow) and counts as 0 in c.
    bool failed = false;
};

// Concentration at (x, y): the bank formula for a = 0 exactly, the
// three-term formula with 2·H otherwise. Each term is a statement of its
// own; a failed one counts as 0, as it does in the point computation.
RiverPoint River2Concentration(const River2Inputs& in, float x, float y);

inline constexpr const char* kRiver2PointMask = "####.####";
inline constexpr const char* kRiver2CellMask = "####0.0000";

// A grid cell of a model that takes x and y as Singles, its value through
// `mask`. Every cell starts afresh, so a failed term never repeats a
// neighbour's.
GridCell SinglePointCell(std::function<RiverPoint(float x, float y)> point, const char* mask);

GridCell River2Cell(const River2Inputs& in);

}  // namespace korrimet::water
