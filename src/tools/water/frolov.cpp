#include "tools/water/frolov.h"

#include <cmath>

#include "common/number_text.h"
#include "common/steps.h"
#include "common/stores.h"

namespace korrimet::water {

std::string FrolovReportHead(bool decays) {
    return std::string(decays ? "河-7 弗-罗衰减模式计算结果(mg/L)：" : "河-3 弗-罗模式计算结果(mg/L)：") +
           "\rx(i)\tc(i)\r";
}

TableRow FrolovRow(const FrolovInputs& in) {
    const bool decays = FrolovDecays(in);
    return [in, decays](double x, std::vector<std::string>& values) {
        const double qp = in.qp, qh = in.qh;
        Steps steps;
        double rr = 0, b = 0, e = 0, a = 0, n = 0, c = 0;
        steps([&] { rr = dbl(std::pow(static_cast<double>(in.r), 1.0 / 6)); });
        steps([&] {
            const double roughFlow = single(single(in.h * in.v) * in.n);
            b = dbl(0.604 * in.eps * dbl(std::pow(divide(roughFlow, rr), 1.0 / 3)));
        });
        steps([&] { e = dbl(std::exp(-b * dbl(std::pow(x, 1.0 / 3)))); });
        steps([&] { a = dbl(divide(1 - e, 1 + single(divide(qh, qp)) * e)); });
        steps([&] { n = dbl(divide(qp + a * qh, qp)); });
        // One statement: a decay that fails must not leave the undecayed value.
        steps([&] {
            double mixed = dbl(divide(in.cp, n) + divide(in.ch * (n - 1), n));
            if (decays) mixed = dbl(mixed * std::exp(divide(-static_cast<double>(in.k1) * x, 86400.0 * in.v)));
            c = mixed;
        });
        values.push_back(MaskText(c, "####0.0000"));
        return steps.failures() == 0;
    };
}

}  // namespace korrimet::water
