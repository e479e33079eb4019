#include "tools/water/cumulative_flow.h"

#include <cmath>

#include "common/number_text.h"
#include "common/steps.h"
#include "common/stores.h"

namespace korrimet::water {
namespace {

constexpr double kPi = 3.1415926;

// `grid`: every statement skips its failure. Otherwise q and Mq must
// succeed, and so must the terms of an outlet off the bank.
std::optional<RiverPoint> evaluate(const CumulativeFlowInputs& in, std::optional<double> x, double y, bool grid) {
    const double h = in.h, u = in.u, my = in.my, qh = in.qh, a = in.a;
    const bool termsSkip = grid || in.a == 0;

    Steps steps;
    bool refused = false;
    auto run = [&](bool skips, auto&& statement) {
        if (!refused && !steps(statement) && !skips) refused = true;
    };
    auto xs = [&] {
        if (!x) throw StatementFailure("not a number");
        return *x;
    };

    double q = 0, mq = 0, decay = 0, outlet = 0, g1 = 0, g2 = 0, g3 = 0, c = 0;
    auto g = [&](double s) { return dbl(std::exp(dbl(divide(-(s * s), 4 * mq * xs())))); };
    run(grid, [&] { q = dbl(single(h * u) * y); });
    run(grid, [&] { mq = dbl(h * h * u * my); });
    if (in.decays)
        run(termsSkip, [&] { decay = dbl(std::exp(dbl(divide(-static_cast<double>(in.k1) * xs(), u * 86400)))); });
    const double load = static_cast<double>(in.cp) * in.qp;
    double sum = 0;
    if (in.a == 0) {
        run(termsSkip, [&] { outlet = dbl(divide(load, dbl(std::sqrt(kPi * mq * xs())))); });
        run(termsSkip, [&] { g1 = g(q); });
        run(termsSkip, [&] { g2 = g(single(2 * qh) - q); });
        sum = g1 + g2;
    } else {
        run(termsSkip, [&] { outlet = dbl(divide(load, 2 * dbl(std::sqrt(kPi * mq * xs())))); });
        run(termsSkip, [&] { g1 = g(q); });
        run(termsSkip, [&] { g2 = g(q + single(2 * a * h * u)); });
        run(termsSkip, [&] { g3 = g(single(single(2 * qh) - single(2 * a * h * u)) - q); });
        sum = g1 + g2 + g3;
    }
    run(termsSkip, [&] {
        c = dbl(sum * outlet + in.ch);
        if (in.decays) c = dbl(c * decay);
    });
    if (refused) return std::nullopt;
    return RiverPoint{c, steps.failures() > 0};
}

}  // namespace

std::optional<RiverPoint> CumulativeFlowPoint(const CumulativeFlowInputs& in, std::optional<double> x, double y) {
    return evaluate(in, x, y, false);
}

GridCell CumulativeFlowCell(const CumulativeFlowInputs& in) {
    return [in](double x, double y, std::string& out) {
        RiverPoint p = *evaluate(in, x, y, true);
        out += ResultMaskText(p.c, kCumulativeFlowMask);
        return !p.failed;
    };
}

}  // namespace korrimet::water
