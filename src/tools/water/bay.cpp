#include "tools/water/bay.h"

#include <cmath>

#include "common/number_text.h"
#include "common/steps.h"
#include "common/stores.h"

namespace korrimet::water {

TableRow BayRow(const BayInputs& in) {
    return [in](double r, std::vector<std::string>& values) {
        Steps steps;
        float s = 0, c = 0, rounded = 0;
        steps([&] { s = single(single(in.phi * in.d) * in.mv); });
        steps([&] {
            const double share = 1 - dbl(std::exp(dbl(divide(-static_cast<double>(in.qp), r * s))));
            c = single(in.ch + single(in.cp - in.ch) * share);
        });
        steps([&] { rounded = single(ParseNumber(MaskText(c, "####0.0000"), Precision::Single)); });
        values.push_back(NumberText(rounded));
        return steps.failures() == 0;
    };
}

}  // namespace korrimet::water
