#include "tools/risk/puff.h"

#include <cmath>

#include "common/number_text.h"
#include "common/steps.h"
#include "common/stores.h"

namespace korrimet::risk {
namespace {

constexpr double kPi = 3.1415926;

double number(const std::string& text) { return ParseNumber(text, Precision::Double); }
double square(double v) { return dbl(v * v); }

// exp(-(d)^2 / (2 σ^2)), the argument in double, stored as a Single.
float gaussFactor(double d, const std::string& sigma) {
    return single(std::exp(dbl(divide(-square(d), 2 * square(number(sigma))))));
}

}  // namespace

float PuffConcentration(const PuffTexts& p, double x, double y, bool* failed) {
    float c0 = 0, ex = 0, ey = 0, ez = 0;
    Steps steps;
    steps([&] {
        c0 = single(divide(2 * number(p.q),
                           std::pow(2 * kPi, 1.5) * number(p.sx) * number(p.sy) * number(p.sz)));
    });
    steps([&] { ex = gaussFactor(x - number(p.x0), p.sx); });
    steps([&] { ey = gaussFactor(y - number(p.y0), p.sy); });
    steps([&] { ez = gaussFactor(number(p.z0), p.sz); });
    if (failed) *failed = steps.failures() > 0;
    return static_cast<float>(static_cast<double>(c0) * ex * ey * ez);
}

}  // namespace korrimet::risk
