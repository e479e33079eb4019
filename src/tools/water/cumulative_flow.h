#pragma once
#include <optional>

#include "tools/water/river2.h"

namespace korrimet::water {

// Inputs of the cumulative-flow models of a meandering river, as Singles.
struct CumulativeFlowInputs {
    float qh = 0;  // river flow, m³/s
    float h = 0;   // depth, m
    float ch = 0;  // background concentration, mg/L
    float my = 0;  // lateral mixing coefficient, m²/s
    float qp = 0;  // wastewater flow, m³/s
    float a = 0;   // distance of the outlet from the bank, m
    float cp = 0;  // concentration in the wastewater, mg/L
    float u = 0;   // velocity, m/s
    bool decays = false;  // the decaying model, with K1
    float k1 = 0;         // decay coefficient, 1/d
};

inline constexpr const char* kCumulativeFlowMask = "####.####";

// The point computation. The cumulative flow q and its mixing coefficient,
// and with a ≠ 0 every term, must be computed: nullopt when one of them
// cannot be (X of 0 or below, H, u or My of 0, an overflow). With a = 0 a
// failed term counts as 0 instead. `x` holds no value when its text is no
// number, which fails every statement that uses it.
std::optional<RiverPoint> CumulativeFlowPoint(const CumulativeFlowInputs& in, std::optional<double> x, double y);

// A grid cell at the loop values as counted; every statement may fail and
// counts as 0, and every cell starts afresh.
GridCell CumulativeFlowCell(const CumulativeFlowInputs& in);

}  // namespace korrimet::water
