#pragma once
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "tools/risk/puff.h"

namespace korrimet::risk {

// A concentration within 0.5 % of the critical one; `critical` above 0.
bool NearCritical(double critical, float c);

// A stepping search along the puff axis (y = 0) from x = 0: x grows by the
// step and is held as its masked text between steps. A step inside the
// window hits; where two steps lie on opposite sides of it, the crossing
// between them is the hit.
struct AxisSearch {
    double step;
    const char* mask;
    double limit;  // the search gives up beyond this distance, m
};
inline constexpr AxisSearch kCriticalDistanceSearch{0.01, "##.####", 10000};
inline constexpr AxisSearch kContourLengthSearch{0.1, "##.##", 10000};

enum class AxisSearchEnd {
    Hit,
    ParameterFailed,  // a puff parameter is no number, or a σ is 0
    NoCrossingAhead,  // below the critical value up to and past the centre, beyond which it only falls
    BeyondLimit,
};
struct AxisSearchResult {
    AxisSearchEnd end;
    double x;  // the x of the last step, the hit's for Hit
};
// `afterStep` receives x after it was held as text, at every step that
// neither hits nor ends the search.
AxisSearchResult SearchCriticalAxis(const PuffTexts& p, double critical, const AxisSearch& search,
                                    const std::function<void(double x)>& afterStep = {});

// The progress bar's value at a step of the distance search; nothing where
// the bar keeps its value (at whole kilometres and beyond 10 km).
std::optional<float> CriticalDistanceBarValue(double x);

struct ContourPoint {
    float x;
    std::optional<double> y;  // none where the station meets no crossing
};
struct CriticalContour {
    std::vector<ContourPoint> forward, backward;
};
// Stations 5 m apart from 0 up to `length`, then from `length` down to 0; at
// each, y steps by 0.1 m away from the axis (up to ±10000 m) to the first
// value near the critical concentration, or to the crossing between two
// steps on opposite sides of it. `afterStation` receives each station's x.
CriticalContour TraceCriticalContour(const PuffTexts& p, double critical, float length,
                                     const std::function<void(float x)>& afterStation = {});

// The points file: the x values then, after a carriage return, the y values,
// each in its short Single form followed by ";", and the line end of one
// written line. Only stations with a crossing are points of the contour.
std::string CriticalPointsText(const CriticalContour& contour);

// The stations of one side that meet no crossing, runs of neighbours joined:
// "0～60、450.5"; empty where every station has a point.
std::string StationsWithoutCrossing(const std::vector<ContourPoint>& side);

}  // namespace korrimet::risk
