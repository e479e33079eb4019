#include "tools/water/river6.h"

#include <cmath>

#include "common/steps.h"
#include "common/stores.h"

namespace korrimet::water {

RiverPoint River6Concentration(const River6Inputs& in, float x, float y) {
    Steps steps;
    double decay = 0;
    steps([&] {
        if (!in.k1) throw StatementFailure("not a number");
        decay = dbl(std::exp(dbl(divide(-*in.k1 * x, static_cast<double>(in.mixing.u) * 86400))));
    });
    RiverPoint p = River2Concentration(in.mixing, x, y);
    double c = 0;
    steps([&] { c = dbl(p.c * decay); });
    return {c, p.failed || steps.failures() > 0};
}

GridCell River6Cell(const River6Inputs& in) {
    return SinglePointCell([in](float x, float y) { return River6Concentration(in, x, y); }, kRiver2CellMask);
}

}  // namespace korrimet::water
