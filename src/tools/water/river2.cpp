#include "tools/water/river2.h"

#include <cmath>

#include "common/number_text.h"
#include "common/steps.h"
#include "common/stores.h"

namespace korrimet::water {
namespace {

constexpr double kPi = 3.1415926;

}  // namespace

RiverPoint River2Concentration(const River2Inputs& in, float x, float y) {
    const double u = in.u, my = in.my, h = in.h, b = in.b, a = in.a;
    const double xd = x, yd = y;
    auto e = [&](double s) { return dbl(std::exp(dbl(divide(-u * (s * s), 4 * my * xd)))); };

    Steps steps;
    double outlet = 0, e1 = 0, e2 = 0, e3 = 0, c = 0;
    const double load = static_cast<double>(in.cp) * in.qp;
    if (in.a == 0) {
        steps([&] { outlet = dbl(divide(load, h * dbl(std::sqrt(my * kPi * xd * u)))); });
        steps([&] { e1 = e(yd); });
        steps([&] { e2 = e(2 * b - yd); });
        steps([&] { c = dbl(in.ch + outlet * (e1 + e2)); });
    } else {
        steps([&] { outlet = dbl(divide(load, 2 * h * dbl(std::sqrt(my * kPi * xd * u)))); });
        steps([&] { e1 = e(yd); });
        steps([&] { e2 = e(2 * a + yd); });
        steps([&] { e3 = e(2 * b - 2 * a - yd); });
        steps([&] { c = dbl(in.ch + outlet * (e1 + e2 + e3)); });
    }
    return {c, steps.failures() > 0};
}

GridCell SinglePointCell(std::function<RiverPoint(float x, float y)> point, const char* mask) {
    return [point = std::move(point), mask](double x, double y, std::string& out) {
        float xs = 0, ys = 0;
        Steps steps;
        steps([&] { xs = single(x); });
        steps([&] { ys = single(y); });
        RiverPoint p = point(xs, ys);
        out += ResultMaskText(p.c, mask);
        return steps.failures() == 0 && !p.failed;
    };
}

GridCell River2Cell(const River2Inputs& in) {
    return SinglePointCell([in](float x, float y) { return River2Concentration(in, x, y); }, kRiver2CellMask);
}

}  // namespace korrimet::water
