#include "tools/water/oxygen_sag.h"

#include <cmath>

#include "common/number_text.h"
#include "common/steps.h"
#include "common/stores.h"

namespace korrimet::water {

std::optional<float> CompleteMixing(float c1, float q1, float c2, float q2) {
    float c = 0;
    Steps steps;
    if (!steps([&] { c = single(divide(single(single(c1 * q1) + single(c2 * q2)), single(q1 + q2))); }))
        return std::nullopt;
    return c;
}

std::optional<OutfallMix> MixAtOutfall(float cp, float dp, float qp, float ch, float dh, float qh) {
    std::optional<float> c0 = CompleteMixing(cp, qp, ch, qh);
    std::optional<float> d0 = CompleteMixing(dp, qp, dh, qh);
    if (!c0 || !d0) return std::nullopt;
    return OutfallMix{*c0, *d0};
}

double SagDeficit(double k1c0, float s, double t, double ea, double eb, double d0) {
    // Below this the limit differs from the exact value by less than a millionth of it.
    constexpr double kTinyRateDifference = 1e-6;
    if (std::abs(static_cast<double>(s) * t) < kTinyRateDifference) return dbl(k1c0 * t * eb + d0 * eb);
    return dbl(k1c0 / s * (ea - eb) + d0 * eb);
}

TableRow OxygenSagRow(const OxygenSagInputs& in, const OutfallMix& mix) {
    return [in, mix](double x, std::vector<std::string>& values) {
        const double k1 = in.k1, k2 = in.k2, seconds = 86400.0 * in.u;
        Steps steps;
        double t = 0, e1 = 0, e2 = 0, d = 0, c = 0;
        float s = 0;
        steps([&] { s = single(in.k2 - in.k1); });
        steps([&] { t = dbl(divide(x, seconds)); });
        steps([&] { e1 = dbl(std::exp(divide(-k1 * x, seconds))); });
        steps([&] { e2 = dbl(std::exp(divide(-k2 * x, seconds))); });
        steps([&] { d = SagDeficit(k1 * mix.c0, s, t, e1, e2, mix.d0); });
        steps([&] { c = dbl(mix.c0 * e1); });
        values.push_back(ResultMaskText(d, "###.####"));
        values.push_back(ResultMaskText(c, "###.####"));
        return steps.failures() == 0;
    };
}

std::string CompleteMixingReport(const std::string& qh, const std::string& ch, const std::string& qp,
                                 const std::string& cp, float c) {
    return "完全混合模式_河1计算结果:\r\r"
           "河流流量 Qh ：" + qh + " m^3/s\r"
           "河流本底浓度 Ch：" + ch + " mg/L\r"
           "污水流量 Qp ：" + qp + " m^3/s\r"
           "污水浓度 Cp：" + cp + " mg/L\r\r"
           "C=" + ResultMaskText(c, kCompleteMixingMask) + "mg/L";
}

}  // namespace korrimet::water
