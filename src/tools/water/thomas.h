#pragma once
#include "common/distance_table.h"
#include "tools/water/oxygen_sag.h"

namespace korrimet::water {

// Inputs of the oxygen-sag model with settling, as Singles.
struct ThomasInputs {
    float qp = 0;  // wastewater flow, m³/s
    float cp = 0;  // concentration in the wastewater, mg/L
    float qh = 0;  // river flow, m³/s
    float ch = 0;  // upstream concentration, mg/L
    float u = 0;   // river velocity, m/s
    float dp = 0;  // oxygen deficit of the wastewater, mg/L
    float dh = 0;  // oxygen deficit of the river, mg/L
    float k1 = 0;  // deoxygenation coefficient, 1/d
    float k2 = 0;  // reaeration coefficient, 1/d
    float k3 = 0;  // settling coefficient, 1/d
};

inline constexpr const char* kThomasReportHead = "托马斯模式_河9计算结果:\rx(m)\tD(mg/L)\tC(mg/L)\r";

// The oxygen deficit D and concentration C at x metres, through "####.####".
TableRow ThomasRow(const ThomasInputs& in, const OutfallMix& mix);

}  // namespace korrimet::water
