#include "tools/risk/puff_critical.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

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
    EXPECT_EQ(static_cast<float>(c.forward.front().y), 450.5f);
    EXPECT_EQ(static_cast<float>(c.forward.back().y), 20.5f);
    EXPECT_EQ(c.backward.front().y, 0.0);
    EXPECT_EQ(static_cast<float>(c.backward.back().y), -450.5f);

    const std::string text = CriticalPointsText(c);
    EXPECT_EQ(text.substr(0, 10), " 0; 5; 10;");
    EXPECT_NE(text.find(" 20.5; 0;-66.7;"), std::string::npos);
    const std::size_t cr = text.find('\r');
    EXPECT_EQ(std::count(text.begin(), text.begin() + cr, ';'), 182);
    EXPECT_EQ(std::count(text.begin() + cr, text.end(), ';'), 182);
    EXPECT_NE(text.find(" 450; 450.5; 445.5;"), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 10), ";-450.5;\r\n");
}

TEST(PuffCritical, AStationThatNeverHitsGivesTheLoopsLastY) {
    CriticalContour c = TraceCriticalContour(defaults(), 1.0, 0);
    ASSERT_EQ(c.forward.size(), 1u);
    ASSERT_EQ(c.backward.size(), 1u);
    EXPECT_EQ(c.forward[0].y, 9999.900000018848);
    EXPECT_EQ(c.backward[0].y, -9999.900000018848);
    EXPECT_EQ(CriticalPointsText(c), " 0; 0;\r 9999.9;-9999.9;\r\n");
}

// The station's y as the loop finds it, step by step.
double steppedY(const PuffTexts& p, double critical, float x, int direction) {
    double tried = 0;
    for (double y = 0; direction > 0 ? y <= 10000 : y >= -10000; y += direction * 0.1) {
        tried = y;
        if (NearCritical(critical, PuffConcentration(p, x, y))) break;
    }
    return tried;
}

TEST(PuffCritical, StationsAgreeWithTheStepByStepLoop) {
    struct Setup {
        const char *sy, *y0;
        double critical;
    };
    const Setup setups[] = {{"200", "0", 0.03},   {"200", "300", 0.03}, {"200", "-250", 0.1},
                            {"50", "40", 0.002},  {"200", "0", 0.5},    {"3000", "0", 0.03},
                            {"200", "9990", 0.03}};
    for (const Setup& s : setups) {
        PuffTexts p = defaults();
        p.sy = s.sy;
        p.y0 = s.y0;
        CriticalContour c = TraceCriticalContour(p, s.critical, 302);
        // A few stations of each side: the centre line, one in between, the far end.
        for (std::size_t k : {std::size_t{0}, std::size_t{31}, c.forward.size() - 1}) {
            const ContourPoint& f = c.forward[k];
            EXPECT_EQ(f.y, steppedY(p, s.critical, f.x, 1)) << s.sy << " " << s.y0 << " x=" << f.x;
            const ContourPoint& b = c.backward[k];
            EXPECT_EQ(b.y, steppedY(p, s.critical, b.x, -1)) << s.sy << " " << s.y0 << " x=" << b.x;
        }
    }
}

}  // namespace
}  // namespace korrimet::risk
