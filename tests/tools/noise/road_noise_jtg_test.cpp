#include "tools/noise/road_noise_jtg.h"

#include <gtest/gtest.h>

#include <cmath>

#include "common/number_text.h"

namespace korrimet::noise {
namespace {

double level(const RoadNoiseInputs& in, int j) { return PredictRoadNoise(in).level[j].value(); }
std::string levelText(const RoadNoiseInputs& in, int j) { return MaskText(level(in, j), "####.##"); }
double emission(const RoadNoiseInputs& in, int i) { return PredictRoadNoise(in).emission[i].value(); }

TEST(RoadNoise, DefaultsGiveTheWorkedValues) {
    RoadNoiseInputs in;
    RoadNoiseRun run = PredictRoadNoise(in);
    EXPECT_NEAR(run.laneVolume[kLarge].value(), 637.3592, 1e-9);
    EXPECT_NEAR(run.laneVolume[kMedium].value(), 706.112, 1e-9);
    EXPECT_NEAR(run.laneVolume[kSmall].value(), 917.712, 1e-9);
    EXPECT_EQ(MaskText(*run.emission[kLarge], "####.##"), "92.12");
    EXPECT_EQ(MaskText(*run.emission[kMedium], "####.##"), "88.91");
    EXPECT_EQ(MaskText(*run.emission[kSmall], "####.##"), "83.5");
    // Every lane volume is 300 or more: the line-source 10·lg(7.5/r) of JTG B03-2006 (was 72.14 and 57.32).
    EXPECT_EQ(MaskText(*run.level[0], "####.##"), "74.75");
    EXPECT_EQ(MaskText(*run.level[10], "####.##"), "64.86");
    EXPECT_FALSE(run.speedWarning);
    for (int j = 1; j < kDistances; ++j) EXPECT_LT(*run.level[j], *run.level[j - 1]);
}

TEST(RoadNoise, FormulaSpeedsAreScaledBelowTheFullDesignSpeed) {
    RoadNoiseInputs in;
    in.typedSpeeds = false;
    in.speeds = {"0", "0", "0"};
    RoadNoiseRun run = PredictRoadNoise(in);
    EXPECT_FALSE(run.speedWarning);
    // k1·u + k2 + 1/(k3·u − m) for the large type, scaled by 100/120.
    EXPECT_NEAR(run.formulaSpeed[kLarge].value(), 114.91950491988393 * 100 / 120, 1e-9);
    EXPECT_EQ(MaskText(*run.level[0], "####.##"), "75.85");

    in.designSpeed = "120";
    EXPECT_NEAR(PredictRoadNoise(in).formulaSpeed[kLarge].value(), 114.91950491988393, 1e-9);
    in.designSpeed = "150";
    EXPECT_NEAR(PredictRoadNoise(in).formulaSpeed[kSmall].value(), 92.171395601734787, 1e-9);
}

TEST(RoadNoise, GradientBands) {
    RoadNoiseInputs in;
    const double small = emission(in, kSmall);
    auto correction = [&](const char* g) {
        in.gradient = g;
        EXPECT_DOUBLE_EQ(emission(in, kSmall), small) << g;  // small vehicles get none
        return std::round((emission(in, kLarge) - (22 + 36.32 * std::log10(80.0))) * 1000) / 1000;
    };
    EXPECT_EQ(correction("-2"), 0);
    EXPECT_EQ(correction("3"), 0);
    EXPECT_EQ(correction("3.5"), 0);
    EXPECT_EQ(correction("4"), 1);
    EXPECT_EQ(correction("5"), 1);
    EXPECT_EQ(correction("5.5"), 0);
    EXPECT_EQ(correction("6"), 3);
    EXPECT_EQ(correction("6.5"), 3);
    EXPECT_EQ(correction("7"), 5);
    EXPECT_EQ(correction("12"), 5);
    EXPECT_EQ(correction("abc"), 0);  // the failed first test runs its own branch
}

TEST(RoadNoise, RoadTypeAndPavement) {
    RoadNoiseInputs in;
    in.sixLanes = false;
    EXPECT_EQ(levelText(in, 0), "75.73");

    RoadNoiseInputs asphalt, cement;
    cement.cement = true;
    RoadNoiseRun a = PredictRoadNoise(asphalt), c = PredictRoadNoise(cement);
    EXPECT_GT(*c.level[0], *a.level[0]);
    EXPECT_EQ(c.emission, a.emission);
    // Only the small vehicles' term moves, by 2 dB.
    RoadNoiseInputs smallOnly = asphalt, smallOnlyCement = cement;
    smallOnly.flows = smallOnlyCement.flows = {"abc", "abc", "500"};
    EXPECT_NEAR(level(smallOnlyCement, 3) - level(smallOnly, 3), 2, 1e-3);
}

// JTG B03-2006: a lane of 300 vehicles an hour or more is a line source, 10·lg(7.5/r); below it the
// vehicles are apart and the level falls by 15·lg(7.5/r). The branches were the other way round.
TEST(RoadNoise, QuietLanesUseTheSteepDistanceTerm) {
    RoadNoiseInputs busy, quiet;
    quiet.laneFlow = "350";  // lane volumes below 300 for the large type only
    RoadNoiseRun run = PredictRoadNoise(quiet);
    ASSERT_LT(*run.laneVolume[kLarge], 300);
    ASSERT_GE(*run.laneVolume[kMedium], 300);
    // From 0 to 200 m the quiet large type falls by 15·lg(r200/r0), the busy one by 10·lg.
    RoadNoiseInputs largeOnly = quiet;
    largeOnly.flows = {"300", "abc", "abc"};
    double r0 = std::sqrt(7.5 * 82.5), r200 = std::sqrt(207.5 * 282.5);
    EXPECT_NEAR(level(largeOnly, 0) - level(largeOnly, 10), 15 * std::log10(r200 / r0), 2e-3);
    largeOnly.laneFlow = busy.laneFlow;
    EXPECT_NEAR(level(largeOnly, 0) - level(largeOnly, 10), 10 * std::log10(r200 / r0), 2e-3);

    // One more vehicle an hour on a lane made the road 5.69 dB quieter at 200 m; now it is louder.
    RoadNoiseInputs before, after;
    before.laneFlow = "376";
    after.laneFlow = "377";
    EXPECT_GT(level(after, 10), level(before, 10));
}

TEST(RoadNoise, AngleCorrection) {
    RoadNoiseInputs in;
    in.angle = "180";
    double full = level(in, 0);
    in.angle = "90";
    EXPECT_NEAR(full - level(in, 0), 10 * std::log10(2.0), 1e-9);
}

TEST(RoadNoise, SpeedWarningOnlyForTypedSpeeds) {
    RoadNoiseInputs in;
    for (const char* bad : {"0", "", "abc"}) {
        in.speeds = {"80", "90", bad};
        RoadNoiseRun run = PredictRoadNoise(in);
        EXPECT_TRUE(run.speedWarning) << bad;
        EXPECT_FALSE(run.emission[kSmall].has_value()) << bad;
    }
    in.typedSpeeds = false;
    EXPECT_FALSE(PredictRoadNoise(in).speedWarning);
}

TEST(RoadNoise, ARunWithAFailedStatementIsNotComplete) {
    RoadNoiseInputs in;
    EXPECT_TRUE(PredictRoadNoise(in).complete);
    in.laneFlow = "1e6";  // the formula speeds turn negative: no logarithm
    in.typedSpeeds = false;
    EXPECT_FALSE(PredictRoadNoise(in).complete);
}

TEST(RoadNoise, ReportOfTheDefaults) {
    RoadNoiseInputs in;
    const std::string expected =
        "XXX高等级公路的参数输入情况：单车道流量为：800辆/h；大、中、小型车的比例为：0.3：0.4：0.3；"
        "大、中、小型车的流量分别为为：300辆/h、400辆/h、500辆/h。车道宽度为：15米；"
        "以上参与计算的各参数正确吗?如果不正确，请重新修改对应的参数后，重新计算！\n"
        "\n"
        "XXX高等级公路交通噪声预测结果：\n"
        "\n"
        "预测点距公路的距离(米)：0      20     40     60     80     100    120    140    160    180    200    \n"
        "预测点的预测结果值(dB)：74.75  71.45  69.88  68.79  67.94  67.24  66.65  66.12  65.66  65.24  64.86  \n"
        "\n"
        "其它相关的参数预测情况：\n"
        "\n"
        "各种车型在参照点处平均辐射声级：大型车：92.12dB；中型车：88.91dB；小型车：83.5dB；\n"
        "\n"
        "公路交通噪声预测模式适用范围：\n"
        "\n"
        "1 公路交通噪声预测模式适用于双向六车道及以下的高速公路、一级公路和二级公路，其他公路可做参考；\n"
        "2 预测点在距噪声等效行车线7.5m 以远处；\n"
        "3 车辆平均行驶速度在48～140km/h 之间。";
    EXPECT_EQ(RoadNoiseReport(in, PredictRoadNoise(in)), expected);
}

TEST(RoadNoise, ReportCellsOfLoudLevelsAndEmptyValues) {
    RoadNoiseInputs in;
    in.flows = {"3000000", "400", "500"};
    std::string report = RoadNoiseReport(in, PredictRoadNoise(in));
    EXPECT_NE(report.find("(dB)：112.36  109.07  107.5  106.4  105.56  104.86  "), std::string::npos)
        << report;  // cells longer than five characters get no filler

    in = RoadNoiseInputs{};
    in.speeds = {"0", "90", "110"};
    report = RoadNoiseReport(in, PredictRoadNoise(in));
    EXPECT_NE(report.find("大型车：1.dB；"), std::string::npos) << report;  // empty level plus its gradient +1
}

}  // namespace
}  // namespace korrimet::noise
