#include "tools/risk/puff_grid.h"

#include <cmath>

#include "common/number_text.h"

namespace korrimet::risk {
namespace {

std::optional<double> wholePart(std::string_view text) {
    std::optional<double> v = TryParseNumber(text, Precision::Double);
    if (!v) return std::nullopt;
    return std::floor(*v);
}

}  // namespace

std::optional<double> PuffGridXRange(std::string_view xRange) { return wholePart(xRange); }

std::optional<GridPlan> PlanPuffGrid(const PuffGridTexts& in) {
    auto xRange = wholePart(in.xRange), xStep = wholePart(in.xStep);
    auto yRange = wholePart(in.yRange), yStep = wholePart(in.yStep);
    if (!xRange || !xStep || !yRange || !yStep) return std::nullopt;
    return PlanGrid({0, *xRange, *xStep}, {0, *yRange, *yStep});
}

GridCell PuffGridCell(const PuffTexts& p) {
    return [p](double x, double y, std::string& out) {
        bool failed = false;
        float c = PuffConcentration(p, x, y, &failed);
        // Six decimals; below half a millionth the mask leaves no digit and
        // the value stays as computed.
        if (auto rounded = TryParseNumber(MaskText(c, "##.######"), Precision::Single))
            c = static_cast<float>(*rounded);
        if (c < 1e-8f) c = 1e-8f;
        out += NumberText(c);
        return !failed;
    };
}

}  // namespace korrimet::risk
