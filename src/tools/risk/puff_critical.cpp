#include "tools/risk/puff_critical.h"

#include <cmath>

#include "common/number_text.h"

namespace korrimet::risk {
namespace {

constexpr double kTolerance = 0.005;
constexpr double kContourStep = 0.1;
constexpr double kContourReach = 10000;
constexpr float kStationSpacing = 5;

double relativeGap(double critical, float c) { return (critical - c) / critical; }

// The y values one side's loop tries, in order: 0 and then sums of the step,
// for as long as they do not pass the reach. The same for every station.
std::vector<double> contourSteps(int direction) {
    std::vector<double> ys;
    ys.reserve(static_cast<std::size_t>(kContourReach / kContourStep) + 2);
    const double step = direction * kContourStep, reach = direction * kContourReach;
    for (double y = 0; direction > 0 ? !(y > reach) : !(y < reach); y += step) ys.push_back(y);
    return ys;
}

// First index in [first, last) where `holds` is false, for a predicate that
// holds on a leading run and then no more.
template <class Pred>
std::size_t firstNotHolding(std::size_t first, std::size_t last, Pred holds) {
    while (first < last) {
        const std::size_t mid = first + (last - first) / 2;
        if (holds(mid)) first = mid + 1;
        else last = mid;
    }
    return first;
}

// The y at which a station's loop stops. Along each side of the puff centre C
// only rises or only falls with y (every factor and rounding is monotone), so
// the first value to leave the region below (rising) or above (falling) the
// band is the only candidate; the loop's answer follows without trying every
// step.
double stationY(const PuffTexts& p, double critical, float x, const std::vector<double>& ys, int direction) {
    auto c = [&](std::size_t k) { return PuffConcentration(p, x, ys[k]); };
    bool failed = false;
    PuffConcentration(p, x, ys[0], &failed);
    const std::optional<double> centre = TryParseNumber(p.y0, Precision::Double);
    // A factor that fails does so for every y, leaving C at 0: no step can hit.
    if (failed || !centre) return ys.back();

    // Steps before the centre (C rises), then from it on (C falls).
    const std::size_t turn = firstNotHolding(0, ys.size(), [&](std::size_t k) {
        return direction > 0 ? ys[k] < *centre : ys[k] > *centre;
    });
    const std::size_t risen =
        firstNotHolding(0, turn, [&](std::size_t k) { return relativeGap(critical, c(k)) >= kTolerance; });
    if (risen < turn && NearCritical(critical, c(risen))) return ys[risen];
    // Below the band up to the centre, or past it upwards: the falling side decides.
    const std::size_t fallen = firstNotHolding(
        turn, ys.size(), [&](std::size_t k) { return relativeGap(critical, c(k)) <= -kTolerance; });
    if (fallen < ys.size() && NearCritical(critical, c(fallen))) return ys[fallen];
    return ys.back();
}

}  // namespace

bool NearCritical(double critical, float c) { return std::abs(relativeGap(critical, c)) < kTolerance; }

AxisSearchResult SearchCriticalAxis(const PuffTexts& p, double critical, const AxisSearch& search,
                                    const std::function<void(double x)>& afterStep) {
    const std::optional<double> centre = TryParseNumber(p.x0, Precision::Double);
    double x = 0;
    for (;;) {
        x += search.step;
        if (x > search.limit) return {AxisSearchEnd::BeyondLimit, x};
        bool failed = false;
        const float c = PuffConcentration(p, x, 0, &failed);
        if (failed) return {AxisSearchEnd::ParameterFailed, x};
        if (NearCritical(critical, c)) return {AxisSearchEnd::Hit, x};
        if (centre && x >= *centre && c < critical) return {AxisSearchEnd::NoCrossingAhead, x};
        if (auto held = TryParseNumber(MaskText(x, search.mask), Precision::Double)) x = *held;
        if (afterStep) afterStep(x);
    }
}

std::optional<float> CriticalDistanceBarValue(double x) {
    if (x <= 100) return static_cast<float>(x);
    if (x < 1000) return static_cast<float>(x / 10);
    for (int k = 2; k <= 10; ++k)
        if (x > (k - 1) * 1000.0 && x < k * 1000.0) return static_cast<float>(x / (10.0 * k));
    return std::nullopt;
}

CriticalContour TraceCriticalContour(const PuffTexts& p, double critical, float length,
                                     const std::function<void(float x)>& afterStation) {
    CriticalContour contour;
    const std::vector<double> up = contourSteps(1);
    for (float x = 0; x <= length; x += kStationSpacing) {
        contour.forward.push_back({x, stationY(p, critical, x, up, 1)});
        if (afterStation) afterStation(x);
    }
    const std::vector<double> down = contourSteps(-1);
    for (float x = length; x >= 0; x -= kStationSpacing) {
        contour.backward.push_back({x, stationY(p, critical, x, down, -1)});
        if (afterStation) afterStation(x);
    }
    return contour;
}

std::string CriticalPointsText(const CriticalContour& contour) {
    std::string text;
    for (const auto* side : {&contour.forward, &contour.backward})
        for (const ContourPoint& point : *side) text += SignFirstNumberText(point.x) + ";";
    text += '\r';
    for (const auto* side : {&contour.forward, &contour.backward})
        for (const ContourPoint& point : *side) text += SignFirstNumberText(static_cast<float>(point.y)) + ";";
    text += "\r\n";
    return text;
}

}  // namespace korrimet::risk
