#include "tools/risk/puff_critical.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <utility>

#include "common/number_text.h"

namespace korrimet::risk {
namespace {

PuffTexts defaults() { return {"12000000", "200", "200", "100", "0", "0", "1"}; }

TEST(PuffCritical, DistanceAtTheDefaults) {
    int steps = 0;
    double lastHeld = 0;
    AxisSearchResult r = SearchCriticalAxis(defaults(), 0.03, kCriticalDistanceSearch, [&](double x) {
        ++steps;
        lastHeld = x;
    });
    EXPECT_EQ(r.end, AxisSearchEnd::Hit);
    EXPECT_EQ(NumberText(r.x), "450.47");
    EXPECT_EQ(steps, 45046);
    EXPECT_EQ(lastHeld, 450.46);  // held as four decimals between steps
}

TEST(PuffCritical, TheFirstCrossingFromZeroIsOnTheNearSideOfTheCentre) {
    PuffTexts p = defaults();
    p.x0 = "1000";
    AxisSearchResult r = SearchCriticalAxis(p, 0.03, kCriticalDistanceSearch);
    EXPECT_EQ(r.end, AxisSearchEnd::Hit);
    // Rising towards the centre, the band is met at its lower edge.
    EXPECT_NEAR(r.x, 1000 - 450.47, 1.0);
    EXPECT_LT(r.x, 1000 - 450.47);
}

TEST(PuffCritical, SearchesThatCannotHitEnd) {
    // Above the centre's concentration: past the centre it only falls.
    AxisSearchResult r = SearchCriticalAxis(defaults(), 1.0, kCriticalDistanceSearch);
    EXPECT_EQ(r.end, AxisSearchEnd::NoCrossingAhead);
    EXPECT_EQ(r.x, 0.01);
    PuffTexts p = defaults();
    p.x0 = "300";
    r = SearchCriticalAxis(p, 1.0, kContourLengthSearch);
    EXPECT_EQ(r.end, AxisSearchEnd::NoCrossingAhead);
    EXPECT_NEAR(r.x, 300, 0.1);

    p = defaults();
    p.sx = "0";
    EXPECT_EQ(SearchCriticalAxis(p, 0.03, kCriticalDistanceSearch).end, AxisSearchEnd::ParameterFailed);
    p = defaults();
    p.q = "twelve";
    EXPECT_EQ(SearchCriticalAxis(p, 0.03, kContourLengthSearch).end, AxisSearchEnd::ParameterFailed);

    // A centre far downwind: the rising side never reaches the value within the limit.
    p = defaults();
    p.x0 = "20000";
    r = SearchCriticalAxis(p, 0.03, kContourLengthSearch);
    EXPECT_EQ(r.end, AxisSearchEnd::BeyondLimit);
    EXPECT_GT(r.x, 10000);
}

TEST(PuffCritical, BarValueByDistanceBand) {
    EXPECT_EQ(CriticalDistanceBarValue(0.01), 0.01f);
    EXPECT_EQ(CriticalDistanceBarValue(100), 100.0f);
    EXPECT_EQ(CriticalDistanceBarValue(450.5), 45.05f);
    EXPECT_EQ(CriticalDistanceBarValue(1500), 75.0f);
    EXPECT_EQ(CriticalDistanceBarValue(9999.99), static_cast<float>(9999.99 / 100));
    for (double unchanged : {1000.0, 2000.0, 10000.0, 12000.0}) EXPECT_FALSE(CriticalDistanceBarValue(unchanged));
}

TEST(PuffCritical, ContourAtTheDefaults) {
    AxisSearchResult length = SearchCriticalAxis(defaults(), 0.03, kContourLengthSearch);
    ASSERT_EQ(length.end, AxisSearchEnd::Hit);
    const float ls = static_cast<float>(length.x);
    EXPECT_EQ(ls, 450.5f);
    std::vector<float> stations;
    CriticalContour c = TraceCriticalContour(defaults(), 0.03, ls, [&](float x) { stations.push_back(x); });
    ASSERT_EQ(c.forward.size(), 91u);
    ASSERT_EQ(c.backward.size(), 91u);
    EXPECT_EQ(stations.size(), 182u);
    EXPECT_EQ(c.forward.back().x, 450.0f);
    EXPECT_EQ(c.backward.front().x, 450.5f);
    EXPECT_EQ(c.backward.back().x, 0.5f);
    EXPECT_EQ(static_cast<float>(*c.forward.front().y), 450.5f);
    EXPECT_EQ(static_cast<float>(*c.forward.back().y), 20.5f);
    EXPECT_EQ(*c.backward.front().y, 0.0);
    EXPECT_EQ(static_cast<float>(*c.backward.back().y), -450.5f);

    const std::string text = CriticalPointsText(c);
    EXPECT_EQ(text.substr(0, 10), " 0; 5; 10;");
    EXPECT_NE(text.find(" 20.5; 0;-66.7;"), std::string::npos);
    const std::size_t cr = text.find('\r');
    EXPECT_EQ(std::count(text.begin(), text.begin() + cr, ';'), 182);
    EXPECT_EQ(std::count(text.begin() + cr, text.end(), ';'), 182);
    EXPECT_NE(text.find(" 450; 450.5; 445.5;"), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 10), ";-450.5;\r\n");
}

// Was: a station without a crossing was written as a point 9999.9 m away.
TEST(PuffCritical, AStationWithoutACrossingIsNoPoint) {
    CriticalContour c = TraceCriticalContour(defaults(), 1.0, 5);
    ASSERT_EQ(c.forward.size(), 2u);
    EXPECT_FALSE(c.forward[0].y || c.forward[1].y || c.backward[0].y || c.backward[1].y);
    EXPECT_EQ(CriticalPointsText(c), "\r\r\n");
    EXPECT_EQ(StationsWithoutCrossing(c.forward), "0～5");

    c.forward = {{0, std::nullopt}, {5, 1.0}, {10, std::nullopt}, {15, std::nullopt}, {20, 2.0}, {25, std::nullopt}};
    EXPECT_EQ(StationsWithoutCrossing(c.forward), "0、10～15、25");
    c.backward = {{2.5f, -3.0}};
    EXPECT_EQ(CriticalPointsText(c), " 5; 20; 2.5;\r 1; 2;-3;\r\n");
}

// Was: a concentration changing by more than the window within one step was
// stepped over, and the search ran on or ended with a wrong reason.
TEST(PuffCritical, ACrossingBetweenTwoStepsIsFound) {
    struct Case {
        PuffTexts p;
        double critical;
        AxisSearch search;
        double near;  // the crossing, to a step
    };
    const PuffTexts nearField{"12000000", "8", "8", "5", "0", "0", "1"};
    PuffTexts offOrigin = nearField;
    offOrigin.x0 = "100";
    const PuffTexts steep{"1000", "1", "1", "1", "0", "0", "0"};
    // A centre between two steps whose narrow peak neither step sees.
    const PuffTexts needle{"1000", "0.01", "1", "1", "5.05", "0", "0"};
    const Case cases[] = {
        {nearField, 0.03, kContourLengthSearch, 39.13},    {offOrigin, 0.03, kContourLengthSearch, 60.88},
        {offOrigin, 0.03, kCriticalDistanceSearch, 60.88}, {steep, 0.2, kCriticalDistanceSearch, 3.593},
        {steep, 1, kCriticalDistanceSearch, 3.113},        {steep, 0.5, kContourLengthSearch, 3.328},
        {needle, 1, kContourLengthSearch, 5.05},
    };
    for (const Case& c : cases) {
        const AxisSearchResult r = SearchCriticalAxis(c.p, c.critical, c.search);
        ASSERT_EQ(r.end, AxisSearchEnd::Hit) << c.near;
        EXPECT_TRUE(NearCritical(c.critical, PuffConcentration(c.p, r.x, 0))) << r.x;
        EXPECT_NEAR(r.x, c.near, c.search.step) << c.near;
        EXPECT_LE(NumberText(r.x).size(), 8u) << r.x;  // a short decimal, as people copy it
    }
}

struct SteppedStop {
    double y, other;  // a step inside the window (other == y), or the two steps a crossing lies between
};
// Where the station's loop stops, trying every step.
std::optional<SteppedStop> steppedStop(const PuffTexts& p, double critical, float x, int direction) {
    std::optional<std::pair<double, bool>> previous;  // y, and whether C was below there
    for (double y = 0; direction > 0 ? y <= 10000 : y >= -10000; y += direction * 0.1) {
        const float c = PuffConcentration(p, x, y);
        if (NearCritical(critical, c)) return SteppedStop{y, y};
        if (previous && previous->second != (c < critical)) return SteppedStop{previous->first, y};
        previous = {y, c < critical};
    }
    return std::nullopt;
}

TEST(PuffCritical, StationsAgreeWithTheStepByStepLoop) {
    struct Setup {
        const char *sy, *y0;
        double critical;
    };
    const Setup setups[] = {{"200", "0", 0.03},   {"200", "300", 0.03}, {"200", "-250", 0.1},
                            {"50", "40", 0.002},  {"200", "0", 0.5},    {"3000", "0", 0.03},
                            {"200", "9990", 0.03}, {"5", "0", 0.03},    {"5", "20", 0.03}};
    for (const Setup& s : setups) {
        PuffTexts p = defaults();
        p.sy = s.sy;
        p.y0 = s.y0;
        CriticalContour c = TraceCriticalContour(p, s.critical, 302);
        // A few stations of each side: the centre line, one in between, the far end.
        for (std::size_t k : {std::size_t{0}, std::size_t{31}, c.forward.size() - 1}) {
            for (auto [point, direction] : {std::pair{c.forward[k], 1}, std::pair{c.backward[k], -1}}) {
                const std::optional<SteppedStop> stop = steppedStop(p, s.critical, point.x, direction);
                const std::string where = std::string(s.sy) + " " + s.y0 + " x=" + NumberText(point.x);
                ASSERT_EQ(stop.has_value(), point.y.has_value()) << where;
                if (!stop) continue;
                if (stop->y == stop->other) {
                    EXPECT_EQ(*point.y, stop->y) << where;
                } else {
                    EXPECT_GT(*point.y, std::min(stop->y, stop->other)) << where;
                    EXPECT_LT(*point.y, std::max(stop->y, stop->other)) << where;
                    EXPECT_TRUE(NearCritical(s.critical, PuffConcentration(p, point.x, *point.y))) << where;
                }
            }
        }
    }
}

}  // namespace
}  // namespace korrimet::risk
