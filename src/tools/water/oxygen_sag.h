#pragma once
#include <optional>
#include <string>

#include "common/distance_table.h"

namespace korrimet::water {

// Complete mixing of two flows, (c1·q1 + c2·q2) / (q1 + q2) in Single
// arithmetic; nullopt when it cannot be computed (no flow at all, an overflow).
std::optional<float> CompleteMixing(float c1, float q1, float c2, float q2);

// Pollutant concentration and oxygen deficit right below the outfall.
struct OutfallMix {
    float c0 = 0;
    float d0 = 0;
};
std::optional<OutfallMix> MixAtOutfall(float cp, float dp, float qp, float ch, float dh, float qh);

// The oxygen deficit k1c0 / s · (ea − eb) + d0 · eb of the sag models, with
// ea = e^(−a·t), eb = e^(−b·t) and s = b − a (formed in Single). As s goes
// to 0 the quotient tends to k1c0 · t · eb; that limit is taken where |s·t|
// is too small for the difference of the exponentials to mean anything.
double SagDeficit(double k1c0, float s, double t, double ea, double eb, double d0);

// Inputs of the oxygen-sag model, as Singles.
struct OxygenSagInputs {
    float qh = 0;  // river flow, m³/s
    float ch = 0;  // upstream concentration, mg/L
    float qp = 0;  // wastewater flow, m³/s
    float cp = 0;  // concentration in the wastewater, mg/L
    float u = 0;   // river velocity, m/s
    float dp = 0;  // oxygen deficit of the wastewater, mg/L
    float dh = 0;  // oxygen deficit of the river, mg/L
    float k1 = 0;  // deoxygenation coefficient, 1/d
    float k2 = 0;  // reaeration coefficient, 1/d
};

inline constexpr const char* kOxygenSagReportHead =
    "S-P模式计算结果(氧亏和污染物浓度)_河5计算结果：\r\rx(m)\tD(mg/L)\tC(mg/L)\r";

// The oxygen deficit D and concentration C at x metres, through "###.####".
TableRow OxygenSagRow(const OxygenSagInputs& in, const OutfallMix& mix);

inline constexpr const char* kCompleteMixingMask = "###.####";

// The report of the complete-mixing model: the four inputs as typed, then C.
std::string CompleteMixingReport(const std::string& qh, const std::string& ch, const std::string& qp,
                                 const std::string& cp, float c);

}  // namespace korrimet::water
