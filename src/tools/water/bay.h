#pragma once
#include "common/distance_table.h"

namespace korrimet::water {

// Inputs of the bay model of a point outfall, as Singles.
struct BayInputs {
    float cp = 0;   // concentration in the wastewater, mg/L
    float ch = 0;   // background concentration of the sea water, mg/L
    float mv = 0;   // mixing velocity, m/s
    float phi = 0;  // discharge angle, radians
    float qp = 0;   // wastewater flow, m³/s
    float d = 0;    // mixing depth, m
};

inline constexpr const char* kBayReportHead =
    "海湾约 - 新模式计算结果:\r计算点排放口径向距离r(i)和该处浓度c(i)如下:\rr(i)\tc(i)\r";

// At radial distance r: C = Ch + (Cp − Ch)·(1 − exp(−Qp / (r·φ·d·Mv))),
// rounded to four decimals and shown without trailing zeros.
TableRow BayRow(const BayInputs& in);

}  // namespace korrimet::water
