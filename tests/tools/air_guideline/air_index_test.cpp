#include "tools/air_guideline/air_index.h"

#include <gtest/gtest.h>

#include "common/number_text.h"
#include "common/table_text.h"
#include "guideline_data.h"

namespace korrimet::air_guideline {
namespace {

struct Tables {
    ApiBreakpointTable breakpoints = LoadApiBreakpoints(test::guidelineTable("api_breakpoints.txt"));
    std::vector<ApiCategory> categories = LoadApiCategories(test::guidelineTable("api_categories.txt"));
    std::vector<ScrollScale> scales = LoadScrollScales(test::guidelineTable("api_scroll_scales.txt"));

    double sub(const char* pollutant, double c) const {
        return SubIndex(c, breakpoints.find(pollutant)->concentration, breakpoints.index);
    }
    const ScrollScale& scale(const char* pollutant) const {
        for (const ScrollScale& s : scales)
            if (s.pollutant == pollutant) return s;
        throw std::logic_error("no scale");
    }
};

const Tables& tables() {
    static const Tables t;
    return t;
}

TEST(ApiTables, StoredTablesHoldTheThreePollutants) {
    const Tables& t = tables();
    EXPECT_EQ(t.breakpoints.index, (Breakpoints{50, 100, 200, 300, 400, 500}));
    ASSERT_NE(t.breakpoints.find("NO2"), nullptr);
    EXPECT_EQ(t.breakpoints.find("NO2")->concentration, (Breakpoints{0.08, 0.12, 0.28, 0.565, 0.75, 0.94}));
    EXPECT_EQ(t.breakpoints.find("PM10")->concentration[5], 0.6);
    EXPECT_EQ(t.categories.size(), 7u);
    EXPECT_EQ(t.scale("SO2").mask, "####.##");
    EXPECT_EQ(t.scale("NO2").perStep, 0.00188);
}

TEST(ApiTables, LoadersRefuseMalformedText) {
    EXPECT_THROW(LoadApiBreakpoints(""), TableFormatError);
    EXPECT_THROW(LoadApiBreakpoints("指数 50 100 200 300 400 500\n"), TableFormatError);                 // no rows
    EXPECT_THROW(LoadApiBreakpoints("指数 50 100 200 300 400\nSO2 1 2 3 4 5\n"), TableFormatError);      // short
    EXPECT_THROW(LoadApiBreakpoints("指数 50 100 200 300 400 500\nSO2 1 2 3 3 5 6\n"), TableFormatError);  // flat
    EXPECT_THROW(LoadApiCategories("50 优\n100 良\n"), TableFormatError);            // no open top
    EXPECT_THROW(LoadApiCategories("50 优\n- 重污染\n300 良\n"), TableFormatError);  // after the top
    EXPECT_THROW(LoadApiCategories("100 优\n50 良\n- 重\n"), TableFormatError);      // falling
    EXPECT_THROW(LoadScrollScales("SO2 0 0.1 ####.##\n"), TableFormatError);
}

TEST(SubIndex, BreakpointsGiveExactlyTheirIndex) {
    const Tables& t = tables();
    for (const auto& row : t.breakpoints.rows)
        for (std::size_t k = 0; k < kBreakpointCount; ++k)
            EXPECT_EQ(t.sub(row.pollutant.c_str(), row.concentration[k]), t.breakpoints.index[k])
                << row.pollutant << " at " << row.concentration[k];
}

TEST(SubIndex, FollowsTheSegmentsAndFloors) {
    struct Case {
        const char* pollutant;
        double c;
        double expected;
    } cases[] = {
        {"SO2", 0.001, 1}, {"NO2", 0.001, 0}, {"PM10", 0.001, 1},  // the defaults
        {"SO2", 0.06, 55}, {"NO2", 0.05, 31}, {"PM10", 0.16, 105},
        {"SO2", 0.5, 153}, {"NO2", 0.2, 150}, {"PM10", 0.3, 175},
        {"SO2", 0.02, 20}, {"NO2", 0.03, 18}, {"SO2", 2.61, 498},
    };
    for (const Case& c : cases) EXPECT_EQ(tables().sub(c.pollutant, c.c), c.expected) << c.pollutant << c.c;
}

TEST(SubIndex, AboveTheTableIsTheTopIndexNeverClean) {
    // SO2 10 mg/m³ read as 0 and "优"; beyond the last breakpoint (2.62) the air is at least at index 500.
    for (double c : {2.6201, 3.0, 10.0, 1E+300}) {
        EXPECT_EQ(tables().sub("SO2", c), 500) << c;
        EXPECT_TRUE(AboveTable(c, tables().breakpoints.find("SO2")->concentration));
    }
    EXPECT_FALSE(AboveTable(2.62, tables().breakpoints.find("SO2")->concentration));
    EXPECT_EQ(tables().sub("NO2", 0.95), 500);
    EXPECT_EQ(CategoryOf(500, tables().categories), "重污染");
}

TEST(CombineSubIndices, LargestWinsWithNo2TakingTiesAndPm10OnlyWhenAbove) {
    struct Case {
        double s, n, p, api;
        const char* primary;
    } cases[] = {
        {55, 31, 105, 105, "PM10"}, {153, 150, 175, 175, "PM10"}, {50, 50, 50, 50, "NO2"},
        {75, 75, 75, 75, "NO2"},    {20, 18, 20, 20, "SO2"},      {0, 75, 75, 75, "NO2"},
        {0, 0, 0, 0, "NO2"},        {1, 0, 1, 1, "SO2"},          {90, 10, 91, 91, "PM10"},
        {-10, -20, -30, -10, "SO2"}, {5, 9, 2, 9, "NO2"},
    };
    for (const Case& c : cases) {
        const ApiVerdict v = CombineSubIndices(c.s, c.n, c.p);
        EXPECT_EQ(v.api, c.api) << c.s << ' ' << c.n << ' ' << c.p;
        EXPECT_EQ(v.primary, c.primary) << c.s << ' ' << c.n << ' ' << c.p;
    }
}

TEST(CategoryOf, BandsIncludeTheirUpperBound) {
    const auto& c = tables().categories;
    EXPECT_EQ(CategoryOf(-10, c), "优");
    EXPECT_EQ(CategoryOf(50, c), "优");
    EXPECT_EQ(CategoryOf(51, c), "良");
    EXPECT_EQ(CategoryOf(150, c), "轻微污染");
    EXPECT_EQ(CategoryOf(175, c), "轻度污染");
    EXPECT_EQ(CategoryOf(250, c), "中度污染");
    EXPECT_EQ(CategoryOf(300, c), "中度重污染");
    EXPECT_EQ(CategoryOf(301, c), "重污染");
    EXPECT_EQ(CategoryOf(1e300, c), "重污染");
}

TEST(ScrollScale, PositionsAndTextsRoundTripWithinAStep) {
    const Tables& t = tables();
    EXPECT_EQ(ScrollText(1, t.scale("SO2")), ".");  // 0.001 has no digit through "####.##"
    EXPECT_EQ(ScrollPosition(".", t.scale("SO2")), std::nullopt);
    EXPECT_EQ(ScrollText(100, t.scale("SO2")), ".52");
    EXPECT_EQ(ScrollPosition(".52", t.scale("SO2")), 99);
    EXPECT_EQ(ScrollText(500, t.scale("SO2")), "2.62");
    EXPECT_EQ(ScrollPosition("2.62", t.scale("SO2")), 500);
    EXPECT_EQ(ScrollText(500, t.scale("NO2")), ".939");
    EXPECT_EQ(ScrollPosition(".939", t.scale("NO2")), 499);
    EXPECT_EQ(ScrollText(500, t.scale("PM10")), ".6");
    EXPECT_EQ(ScrollPosition(".6", t.scale("PM10")), 500);
    EXPECT_EQ(ScrollPosition("0.94", t.scale("NO2")), 500);
}

TEST(ScrollScale, TextsOutsideTheBarLeaveNoPosition) {
    const ScrollScale& so2 = tables().scale("SO2");
    EXPECT_EQ(ScrollPosition("3", so2), std::nullopt);  // position 572
    EXPECT_EQ(ScrollPosition("0", so2), std::nullopt);  // position 0
    EXPECT_EQ(ScrollPosition("-1", so2), std::nullopt);
    EXPECT_EQ(ScrollPosition("1E+300", so2), std::nullopt);
    EXPECT_EQ(ScrollPosition("", so2), std::nullopt);
    EXPECT_EQ(ScrollPosition("0.001", so2), 1);
}

TEST(ScrollTint, HalvesWithTiesToEven) {
    EXPECT_EQ(ScrollTint(1), 0);
    EXPECT_EQ(ScrollTint(3), 2);
    EXPECT_EQ(ScrollTint(99), 50);
    EXPECT_EQ(ScrollTint(499), 250);
    EXPECT_EQ(ScrollTint(500), 250);
}

}  // namespace
}  // namespace korrimet::air_guideline
