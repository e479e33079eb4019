#include "tools/noise/road_noise_jtj.h"

#include <gtest/gtest.h>

#include <cmath>

#include "common/number_text.h"

namespace korrimet::noise {
namespace {

FourLaneRun run(const FourLaneInputs& in) {
    auto r = PredictFourLane(in);
    EXPECT_TRUE(r.has_value());
    return r.value_or(FourLaneRun{});
}
std::string shown(float level) { return MaskText(static_cast<double>(level), "###,##0.00"); }

double equivalentDistance(int k, double w = 15) {
    const double d = kPositionDistances[k];
    return std::sqrt((d + 0.5 * w) * (d + 3.5 * w));
}
constexpr double kK2[kPositions] = {0.17, 0.617, 0.716, 0.78, 0.806, 0.833, 0.84, 0.855, 0.88, 0.885, 0.89};

TEST(FourLaneRoad, DefaultsGiveTheWorkedValues) {
    const FourLaneRun r = run(FourLaneInputs{});
    EXPECT_EQ(MaskText(r.daySpeed[kLarge], "0.00"), "66.10");
    EXPECT_EQ(MaskText(r.daySpeed[kMedium], "0.00"), "82.63");
    EXPECT_EQ(MaskText(r.daySpeed[kSmall], "0.00"), "101.42");
    for (int i = 0; i < kVehicleTypes; ++i) EXPECT_DOUBLE_EQ(r.nightSpeed[i], 0.8 * r.daySpeed[i]);
    EXPECT_NEAR(equivalentDistance(0), 44.65, 0.005);
    EXPECT_EQ(shown(r.day[0]), "81.55");
    EXPECT_EQ(shown(r.night[0]), "75.74");
    for (int k = 1; k < kPositions; ++k) {
        EXPECT_LT(r.day[k], r.day[k - 1]) << k;
        EXPECT_LT(r.night[k], r.night[k - 1]) << k;
    }
}

// Beyond half the spacing the loss goes on from where the near-field loss
// ends: a flow that moves the medium vehicles across that point moves the
// level by a trifle, not by a step.
TEST(FourLaneRoad, DistanceLossJoinsAtHalfTheSpacing) {
    const int k = 9;  // 160 m
    const double r = equivalentDistance(k);
    // Medium day spacing 1000·212·N^−0.1747 / N equals 2r.
    const double crossing = std::pow(212000 / (2 * r), 1 / 1.1747);
    FourLaneInputs nearSide, farSide;
    nearSide.dayFlows[kMedium] = NumberText(crossing * (1 + 1e-7));
    farSide.dayFlows[kMedium] = NumberText(crossing * (1 - 1e-7));
    EXPECT_NEAR(run(nearSide).day[k], run(farSide).day[k], 1e-3);
    // With the default flows the medium and small vehicles are beyond half
    // their spacing at 160 and 250 m, and the levels still fall gently.
    const FourLaneRun d = run(FourLaneInputs{});
    EXPECT_EQ(shown(d.day[9]), "59.40");
    EXPECT_EQ(shown(d.day[10]), "57.19");
    EXPECT_EQ(shown(d.night[10]), "50.39");
}

TEST(FourLaneRoad, LightSmallVehicleTrafficCountsAsOneHundredByDayOnly) {
    FourLaneInputs fifty, hundred;
    fifty.dayFlows[kSmall] = "50";
    hundred.dayFlows[kSmall] = "100";
    const FourLaneRun a = run(fifty), b = run(hundred);
    EXPECT_EQ(a.day, b.day);
    EXPECT_EQ(a.night, b.night);  // night speed follows the day speed
    EXPECT_DOUBLE_EQ(a.daySpeed[kSmall], 237 * std::pow(100.0, -0.1602));

    FourLaneInputs quietNight = hundred;
    quietNight.nightFlows[kSmall] = "50";
    EXPECT_LT(run(quietNight).night[0], b.night[0]);
}

// Where every type is in the near field, the ground constant scales a loss
// that is the same for each type, so the whole level moves by a tenth of it.
TEST(FourLaneRoad, GroundConstantScalesTheNearFieldLoss) {
    FourLaneInputs soil, hard, grass;
    hard.ground = kHardGround;
    grass.ground = kGrassGround;
    const FourLaneRun s = run(soil), h = run(hard), g = run(grass);
    for (int k = 0; k <= 8; ++k) {  // up to 140 m
        const double tenth = 2 * kK2[k] * std::log10(equivalentDistance(k) / 7.5);
        EXPECT_NEAR(h.day[k] - s.day[k], tenth, 2e-5) << k;
        EXPECT_NEAR(s.night[k] - g.night[k], tenth, 2e-5) << k;
    }
}

TEST(FourLaneRoad, PavementGradientAndAngle) {
    FourLaneInputs asphalt, cement, level, steep, wide, narrow;
    cement.cement = true;
    level.gradient = "0";
    steep.gradient = "0.1";
    wide.angle = "180";
    narrow.angle = "90";
    const FourLaneRun a = run(asphalt), c = run(cement), l = run(level), s = run(steep), w = run(wide),
                      n = run(narrow);
    for (int k = 0; k < kPositions; ++k) {
        EXPECT_NEAR(c.day[k] - a.day[k], 2, 2e-5) << k;
        EXPECT_NEAR(c.night[k] - a.night[k], 2, 2e-5) << k;
        EXPECT_NEAR(w.day[k] - n.day[k], 10 * std::log10(2.0), 2e-5) << k;
        EXPECT_NEAR(w.day[k] - a.day[k], -10 * std::log10(150.0 / 180), 2e-5) << k;
        // 98, 73 and 50 times β by type: the sum rises between the least and the most.
        EXPECT_GT(s.day[k] - l.day[k], 5.0) << k;
        EXPECT_LT(s.day[k] - l.day[k], 9.8) << k;
    }
}

TEST(FourLaneRoad, EntriesTheModelCannotTakeGiveNoRun) {
    for (auto set : {+[](FourLaneInputs& in) { in.dayFlows[kMedium] = ""; },
                     +[](FourLaneInputs& in) { in.nightFlows[kSmall] = "0"; },
                     +[](FourLaneInputs& in) { in.angle = "0"; }, +[](FourLaneInputs& in) { in.forest = "5dB"; }}) {
        FourLaneInputs in;
        set(in);
        EXPECT_FALSE(PredictFourLane(in).has_value());
    }
    // A lane width of 0 is a road of no width, still computed.
    FourLaneInputs zeroWidth;
    zeroWidth.laneWidth = "0";
    EXPECT_GT(run(zeroWidth).day[0], run(FourLaneInputs{}).day[0]);
}

TEST(FourLaneRoad, LevelsBeyondTheNumberRangeGiveNoRun) {
    for (const char* huge : {"-1e300", "1e300"}) {
        FourLaneInputs in;
        in.building = huge;
        EXPECT_FALSE(PredictFourLane(in).has_value()) << huge;
    }
    FourLaneInputs loud;
    loud.gradient = "400";  // levels past the float range
    EXPECT_FALSE(PredictFourLane(loud).has_value());
}

TEST(FourLaneRoad, ReportOfTheDefaults) {
    const FourLaneInputs in;
    const std::string expected =
        std::string(40, ' ') + "有限长路段 2003年预测结果\n"
        "  预测点距公路位置：20.00  30.00  40.00  50.00  60.00  70.00  80.00  100.00  140.00  160.00  250.00  \n"
        "  预测点昼间预测值：81.55  73.44  70.63  68.42  67.01  65.63  64.74   63.11   60.39   59.40   57.19  \n"
        "  预测点夜间预测值：75.74  67.64  64.82  62.62  61.21  59.82  58.94   57.30   54.59   52.98   50.39  ";
    EXPECT_EQ(FourLaneReport(in, run(in)), expected);
}

TEST(FourLaneRoad, ReportTitleIndentAndCells) {
    FourLaneInputs in;
    const FourLaneRun r = run(in);
    // The day row has 81 characters: half of it is 40.5 and the title of the
    // defaults gets 40 blanks; a name of six characters leaves 37.5, taken to 38.
    in.section = "京沪高速公路";
    in.year = "2010.5";
    std::string report = FourLaneReport(in, r);
    EXPECT_EQ(report.substr(0, report.find('\n')), std::string(38, ' ') + "京沪高速公路有限长路段 2010.5年预测结果");
    // A name longer than the row goes without indent instead of failing.
    in.section = std::string(90, 'A');
    report = FourLaneReport(in, r);
    EXPECT_TRUE(report.starts_with(std::string(90, 'A') + "有限长路段")) << report;

    // Levels as long as their distances get no leading blank; level cells
    // with thousands keep the separator.
    FourLaneRun loud = r;
    loud.day.fill(1234.5f);
    loud.night.fill(100);
    report = FourLaneReport(FourLaneInputs{}, loud);
    EXPECT_NE(report.find("\n  预测点昼间预测值：1,234.50  1,234.50  "), std::string::npos) << report;
    EXPECT_NE(report.find("\n  预测点夜间预测值：100.00  100.00  "), std::string::npos) << report;
}

}  // namespace
}  // namespace korrimet::noise
