#include "tools/water/thomas.h"

#include <cmath>

#include "common/number_text.h"
#include "common/steps.h"
#include "common/stores.h"

namespace korrimet::water {

TableRow ThomasRow(const ThomasInputs& in, const OutfallMix& mix) {
    return [in, mix](double x, std::vector<std::string>& values) {
        const double k1 = in.k1, k2 = in.k2, k13 = k1 + in.k3, seconds = 86400.0 * in.u;
        Steps steps;
        float s = 0;
        double t = 0, d = 0, c = 0;
        steps([&] { s = single(single(in.k2 - in.k1) - in.k3); });
        steps([&] { t = dbl(divide(x, seconds)); });
        steps([&] { d = SagDeficit(k1 * mix.c0, s, t, std::exp(-k13 * t), std::exp(-k2 * t), mix.d0); });
        steps([&] { c = dbl(mix.c0 * std::exp(divide(-k13 * x, seconds))); });
        values.push_back(ResultMaskText(d, "####.####"));
        values.push_back(ResultMaskText(c, "####.####"));
        return steps.failures() == 0;
    };
}

}  // namespace korrimet::water
