#include "tools/water/metal_finishing.h"

#include <gtest/gtest.h>

#include "common/statement_failure.h"

#include "water_data.h"

namespace korrimet::water {
namespace {

std::vector<MetalFactor> stored() {
    std::string error;
    auto factors = ParseMetalFinishingFactors(test::waterData("metal_finishing_factors.txt"), &error);
    EXPECT_TRUE(factors) << error;
    return factors.value_or(std::vector<MetalFactor>{});
}

TEST(MetalFinishing, CyanidePlatingReport) {
    EXPECT_EQ(MetalFinishingReport(stored(), "氰化电镀", 100),
              "氰化电镀产生的污染物:\n    氰化物(液)=9.5；  铜=1.9 ；  镍=2.5；  锌=2.5\n"
              "    排污量的单位与氰化物用量一致");
}

TEST(MetalFinishing, ChromiumPlatingReport) {
    EXPECT_EQ(MetalFinishingReport(stored(), "镀铬", 3),
              "用氰化物镀铬时,镀铬分为高铬纯化和低铬纯化,对于两种不同的工艺,排污量不一样\n"
              "    高铬纯化排放铬为:1.14\n    低铬纯化排放的铬量为:1.02\n    排污量的单位与氰化物用量一致");
}

TEST(MetalFinishing, CircuitBoardReportHasItsMeansAndRanges) {
    const char* const expected =
        "线路板生产分为单面板生产和双面板的生产，生产不同类别的线路板，排放污染物的量不同。\n"
        "    当生产单面板时，排放的污染物的量为：\n"
        "    平均排放废水：66吨；\n"
        "    排放废水量在32—138之间波动；\n"
        "    平均铜的排放量为：4千克；\n"
        "    铜的排放量在：2—7之间波动。\n"
        "    当生产双面板时,排放的污染物的量为：\n"
        "    平均排放废水：132吨；\n"
        "    排放废水量在：63—276之间波动；\n"
        "    平均铜的排放量为：7千克；\n"
        "    铜的排放量在4—14之间波动。";
    EXPECT_EQ(MetalFinishingReport(stored(), "线路板生产", 100), expected);
}

TEST(MetalFinishing, RangesKeepTheirDoubleDigits) {
    const std::string report = MetalFinishingReport(stored(), "线路板生产", 3);
    for (const char* range : {"0.96—4.14", "0.06—0.21", "1.89—8.28", "0.12—0.42"})
        EXPECT_NE(report.find(range), std::string::npos) << range;
    // Means are Singles: 3 × 0.66 shows seven digits at most.
    EXPECT_NE(report.find("平均排放废水：1.98吨"), std::string::npos);
}

TEST(MetalFinishing, NoReportForAnUnknownProcessAMissingFactorOrAnOverflow) {
    const auto factors = stored();
    EXPECT_THROW(MetalFinishingReport(factors, "", 100), StatementFailure);
    EXPECT_THROW(MetalFinishingReport(factors, "镀锌", 100), StatementFailure);
    // A Single mean beyond its range fails like a wrong entry.
    EXPECT_THROW(MetalFinishingReport(factors, "线路板生产", 1e39), StatementFailure);
    const auto partial = ParseMetalFinishingFactors("镀铬 | 高铬纯化 | 0.38 | single\n");
    ASSERT_TRUE(partial);
    EXPECT_THROW(MetalFinishingReport(*partial, "镀铬", 3), StatementFailure);
}

TEST(MetalFinishing, PromptFollowsThePickedProcess) {
    EXPECT_EQ(MetalFinishingPrompt("氰化电镀"), "请输入氰化物用量");
    EXPECT_EQ(MetalFinishingPrompt("镀铬"), "请输入氰化物用量");
    EXPECT_EQ(MetalFinishingPrompt("线路板生产"), "线路板的面积:M^2");
    EXPECT_EQ(MetalFinishingPrompt("其它"), "线路板的面积:M^2");
}

TEST(MetalFinishing, MalformedFactorLinesAreRefused) {
    std::string error;
    EXPECT_FALSE(ParseMetalFinishingFactors("镀铬 | 高 | 0.38\n", &error));
    EXPECT_EQ(error, "line 1: process | result | factor | single or double");
    EXPECT_FALSE(ParseMetalFinishingFactors("镀铬 | 高 | x | single\n"));
    EXPECT_FALSE(ParseMetalFinishingFactors("镀铬 | 高 | 0.38 | float\n"));
}

}  // namespace
}  // namespace korrimet::water
