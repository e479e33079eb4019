#pragma once
#include <string>

#include "common/distance_table.h"

namespace korrimet::water {

// Inputs of the bank-outfall mixing model along a river, as Singles.
struct FrolovInputs {
    float qp = 0;   // wastewater flow, m³/s
    float cp = 0;   // concentration in the wastewater, mg/L
    float ch = 0;   // background concentration, mg/L
    float v = 0;    // river velocity, m/s
    float h = 0;    // depth, m
    float k1 = 0;   // decay coefficient, 1/d; 0 for a persistent pollutant
    float eps = 0;  // outfall coefficient
    float r = 0;    // hydraulic radius, m
    float n = 0;    // bed roughness
    float qh = 0;   // river flow, m³/s
};

// The persistent model (river 3) for K1 = 0, the decaying one (river 7) otherwise.
inline bool FrolovDecays(const FrolovInputs& in) { return in.k1 != 0; }

std::string FrolovReportHead(bool decays);

// The concentration at x metres downstream, through "####0.0000".
TableRow FrolovRow(const FrolovInputs& in);

}  // namespace korrimet::water
