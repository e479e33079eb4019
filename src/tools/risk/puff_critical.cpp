#include "tools/risk/puff_critical.h"

#include <algorithm>
#include <cmath>

#include "common/number_text.h"

namespace korrimet::risk {
namespace {

constexpr double kTolerance = 0.005;
constexpr double kContourStep = 0.1;
constexpr double kContourReach = 10000;
constexpr float kStationSpacing = 5;

double relativeGap(double critical, float c) { return (critical - c) / critical; }

// Where a concentration lies against the window around the critical value.
enum class Side { Below, Inside, Above };
Side sideOf(double critical, float c) {
    const double gap = relativeGap(critical, c);
    return gap >= kTolerance ? Side::Below : gap <= -kTolerance ? Side::Above : Side::Inside;
}
using SideAt = std::function<Side(double)>;

// The shortest decimal between lo and hi still inside the window, near the
// crossing found by halving: the answer is read and copied by people.
double shortInside(double found, double lo, double hi, const SideAt& sideAt) {
    for (int digits = 0; digits <= 12; ++digits) {
        const double scale = std::pow(10.0, digits), rounded = std::round(found * scale) / scale;
        if (rounded >= lo && rounded <= hi && sideAt(rounded) == Side::Inside) return rounded;
    }
    return found;
}

// A point inside the window from a to b, along which C only rises or only
// falls. Two steps on opposite sides of the window hold one between them:
// halving the step finds it, in a bounded number of tries.
std::optional<double> crossing(double a, Side sa, double b, Side sb, const SideAt& sideAt) {
    if (sa == Side::Inside) return a;
    if (sb == Side::Inside) return b;
    if (sa == sb) return std::nullopt;
    const double lo = std::min(a, b), hi = std::max(a, b);
    for (int tries = 0; tries < 200; ++tries) {
        const double mid = a + (b - a) / 2;
        if (mid == a || mid == b) break;
        const Side s = sideAt(mid);
        if (s == Side::Inside) return shortInside(mid, lo, hi, sideAt);
        (s == sa ? a : b) = mid;
    }
    return std::nullopt;
}

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

// The y at which a station's loop stops: the first step inside the window, or
// the crossing between the first two points on opposite sides of it. C rises
// up to the puff centre and falls after it (every factor and rounding is
// monotone); with the centre added between the steps it falls between, each
// part changes side at most once, so the first change is found without
// trying every step. No value where the loop meets no crossing.
std::optional<double> stationY(const PuffTexts& p, double critical, float x, const std::vector<double>& ys,
                               int direction) {
    bool failed = false;
    PuffConcentration(p, x, ys[0], &failed);
    const std::optional<double> centre = TryParseNumber(p.y0, Precision::Double);
    // A factor that fails does so for every y, leaving C at 0: no step can hit.
    if (failed || !centre) return std::nullopt;

    const std::size_t turn = firstNotHolding(0, ys.size(), [&](std::size_t k) {
        return direction > 0 ? ys[k] < *centre : ys[k] > *centre;
    });
    const bool added = turn > 0 && turn < ys.size() && ys[turn] != *centre;
    auto at = [&](std::size_t k) { return !added || k < turn ? ys[k] : k == turn ? *centre : ys[k - 1]; };
    const std::size_t count = ys.size() + (added ? 1 : 0);
    // Points up to and with the centre rise; the rest fall.
    const std::size_t rising = added || (turn < ys.size() && ys[turn] == *centre) ? turn + 1 : turn;

    const SideAt sideAt = [&](double y) { return sideOf(critical, PuffConcentration(p, x, y)); };
    auto side = [&](std::size_t k) { return sideAt(at(k)); };
    const Side first = side(0);
    if (first == Side::Inside) return at(0);
    std::size_t k = firstNotHolding(1, rising, [&](std::size_t i) { return side(i) == first; });
    if (k >= rising) {
        const std::size_t from = std::max<std::size_t>(rising, 1);
        const Side peak = side(from - 1);
        k = firstNotHolding(from, count, [&](std::size_t i) { return side(i) == peak; });
        if (k >= count) return std::nullopt;
    }
    return crossing(at(k - 1), side(k - 1), at(k), side(k), sideAt);
}

}  // namespace

bool NearCritical(double critical, float c) { return std::abs(relativeGap(critical, c)) < kTolerance; }

AxisSearchResult SearchCriticalAxis(const PuffTexts& p, double critical, const AxisSearch& search,
                                    const std::function<void(double x)>& afterStep) {
    const std::optional<double> centre = TryParseNumber(p.x0, Precision::Double);
    const SideAt sideAt = [&](double x) { return sideOf(critical, PuffConcentration(p, x, 0)); };
    // The start bounds the first step; the centre, where it falls between
    // two steps, splits them where C turns from rising to falling.
    double last = 0;
    Side lastSide = sideAt(0);
    double x = 0;
    for (;;) {
        x += search.step;
        if (x > search.limit) return {AxisSearchEnd::BeyondLimit, x};
        bool failed = false;
        const float c = PuffConcentration(p, x, 0, &failed);
        if (failed) return {AxisSearchEnd::ParameterFailed, x};
        const Side side = sideOf(critical, c);
        if (side == Side::Inside) return {AxisSearchEnd::Hit, x};
        if (centre && last < *centre && *centre < x) {
            const Side top = sideAt(*centre);
            if (auto hit = crossing(last, lastSide, *centre, top, sideAt)) return {AxisSearchEnd::Hit, *hit};
            last = *centre;
            lastSide = top;
        }
        if (auto hit = crossing(last, lastSide, x, side, sideAt)) return {AxisSearchEnd::Hit, *hit};
        if (centre && x >= *centre && side == Side::Below) return {AxisSearchEnd::NoCrossingAhead, x};
        last = x;
        lastSide = side;
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
        for (const ContourPoint& point : *side)
            if (point.y) text += SignFirstNumberText(point.x) + ";";
    text += '\r';
    for (const auto* side : {&contour.forward, &contour.backward})
        for (const ContourPoint& point : *side)
            if (point.y) text += SignFirstNumberText(static_cast<float>(*point.y)) + ";";
    text += "\r\n";
    return text;
}

std::string StationsWithoutCrossing(const std::vector<ContourPoint>& side) {
    std::string runs;
    for (std::size_t k = 0; k < side.size(); ++k) {
        if (side[k].y) continue;
        std::size_t last = k;
        while (last + 1 < side.size() && !side[last + 1].y) ++last;
        if (!runs.empty()) runs += "、";
        runs += NumberText(side[k].x);
        if (last > k) runs += "～" + NumberText(side[last].x);
        k = last;
    }
    return runs;
}

}  // namespace korrimet::risk
