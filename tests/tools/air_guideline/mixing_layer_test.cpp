#include "tools/air_guideline/mixing_layer.h"

#include <gtest/gtest.h>

#include <cmath>

#include "common/number_text.h"
#include "common/table_text.h"
#include "guideline_data.h"

namespace korrimet::air_guideline {
namespace {

const MixingTables& tables() {
    static const MixingTables t{LoadMixingRegions(test::guidelineTable("mixing_regions.txt")),
                                LoadMixingCoefficients(test::guidelineTable("mixing_coefficients.txt"))};
    return t;
}

// The echo texts are the window's initial ones; the numbers as the window read them.
MixingLayerOutcome outcome(const char* stability, const char* region, std::optional<double> u10 = 2,
                           std::optional<double> latitude = 27) {
    return MixingLayerReport({"2", stability, "27", "0", region}, u10, latitude, tables());
}
std::vector<std::string> report(const char* stability, const char* region) {
    return outcome(stability, region).lines;
}
// Lines 6 and 7: the coefficient and the height.
using Shown = std::pair<std::string, std::string>;
Shown result(const char* stability, const char* region, std::optional<double> u10 = 2,
             std::optional<double> latitude = 27) {
    const auto lines = outcome(stability, region, u10, latitude).lines;
    return {lines.at(5).substr(std::string("    混合层系数 =").size()),
            lines.at(6).substr(std::string("    混合层高度 hf = ").size())};
}
std::string coefficientText(const char* stability, const char* region) {
    const auto c = MixingCoefficient(tables(), stability, region);
    return c ? NumberText(*c) : "none";
}

TEST(MixingTables, RegionsInListOrderWithTheirGroups) {
    const auto& regions = tables().regions;
    ASSERT_EQ(regions.size(), 33u);
    EXPECT_EQ(regions.front().name, "新疆");
    EXPECT_EQ(regions[13].name, "陕西（秦岭以北）");
    EXPECT_EQ(regions.back().name, "陕西（秦岭以南）");
    int perGroup[4] = {};
    for (const auto& r : regions) ++perGroup[r.group == "I" ? 0 : r.group == "II" ? 1 : r.group == "III" ? 2 : 3];
    EXPECT_EQ(perGroup[0], 3);
    EXPECT_EQ(perGroup[1], 13);
    EXPECT_EQ(perGroup[2], 12);
    EXPECT_EQ(perGroup[3], 5);
    EXPECT_THROW(LoadMixingRegions("V 新疆\n"), TableFormatError);
    EXPECT_THROW(LoadMixingRegions("I 新疆\nII 新疆\n"), TableFormatError);
    EXPECT_THROW(LoadMixingCoefficients("A 0.09 0.073 0.056\n"), TableFormatError);
}

TEST(MixingCoefficient, ByClassAndRegionGroupWrittenAsTheirShortestText) {
    const std::vector<std::string> expected[] = {
        {"0.09", "0.073", "0.056", "0.073"}, {"0.067", "0.06", "0.029", "0.048"}, {"0.041", "0.041", "0.02", "0.031"},
        {"0.031", "0.019", "0.012", "0.022"}, {"1.66", "1.66", "1.66", "1.66"},  {"0.7", "0.7", "0.7", "0.7"}};
    const char* classes[] = {"A", "B", "C", "D", "E", "F"};
    const char* oneRegionPerGroup[] = {"西藏", "天津", "台湾", "云南"};
    for (int c = 0; c < 6; ++c)
        for (int g = 0; g < 4; ++g)
            EXPECT_EQ(coefficientText(classes[c], oneRegionPerGroup[g]), expected[c][g]) << classes[c] << g;
    EXPECT_EQ(coefficientText("A", "四川"), coefficientText("A", "北京"));
    EXPECT_EQ(coefficientText("D", "陕西（秦岭以北）"), "0.019");
    EXPECT_EQ(coefficientText("D", "陕西（秦岭以南）"), "0.022");
    EXPECT_EQ(coefficientText("D", "甘肃（渭河以北）"), "0.019");
    EXPECT_EQ(coefficientText("D", "甘肃（渭河以南）"), "0.022");
    for (auto [cls, region] : {std::pair{"a", "新疆"}, {"A", "陕西(秦岭以北)"}, {"", "新疆"}, {"A", ""}, {"A ", "新疆"}})
        EXPECT_EQ(coefficientText(cls, region), "none") << cls << region;
}

TEST(MixingLayerReport, InitialTextsWithClassAInXinjiang) {
    EXPECT_EQ(report("A", "新疆"), (std::vector<std::string>{
                                       "参数:",
                                       "    地面10m处平均风速 U10 = 2(m/s)",
                                       "    地区类别:新疆",
                                       "    地区纬度：27度0分",
                                       "结果:",
                                       "    混合层系数 =0.09",
                                       "    混合层高度 hf = 2719.369(m)",
                                   }));
    EXPECT_NEAR(CoriolisParameter(27), 6.6192e-5, 5e-10);
}

TEST(MixingLayerReport, HeightsOfBothFormulas) {
    EXPECT_EQ(result("E", "新疆"), Shown("1.66", "288.55(m)"));
    EXPECT_EQ(result("F", "新疆"), Shown("0.7", "121.678(m)"));
    EXPECT_EQ(result("A", "新疆", 2, 1.0 / 60), Shown("0.09", "4244131.876(m)"));
    EXPECT_EQ(result("A", "新疆", 0), Shown("0.09", "0(m)"));  // calm: once the point alone
}

// The standard's formulas take a U10 above 6 m/s as 6 m/s: 12 m/s gave 16316.217 m, twice the height of 6.
TEST(MixingLayerReport, AWindAboveSixMetresASecondCountsAsSix) {
    const MixingLayerOutcome strong = MixingLayerReport({"12", "A", "27", "0", "新疆"}, 12, 27, tables());
    EXPECT_EQ(strong.lines[1], "    地面10m处平均风速 U10 = 12(m/s)（大于6m/s，按6m/s计）");
    EXPECT_EQ(strong.lines[6], "    混合层高度 hf = 8158.108(m)");  // 0.09 × 6 / f(27°)
    const MixingLayerOutcome six = MixingLayerReport({"6", "A", "27", "0", "新疆"}, 6, 27, tables());
    EXPECT_EQ(six.lines[1], "    地面10m处平均风速 U10 = 6(m/s)");
    EXPECT_EQ(six.lines[6], strong.lines[6]);
    const MixingLayerOutcome stable = MixingLayerReport({"12", "E", "27", "0", "新疆"}, 12, 27, tables());
    EXPECT_EQ(stable.lines[6], MixingLayerReport({"6", "E", "27", "0", "新疆"}, 6, 27, tables()).lines[6]);
}

TEST(MixingLayerReport, SouthernLatitudesCountByTheirSize) {
    // −27° gave −2719.369 m; 27° S has the same |f| = 2 × 7.29e-5 × sin 27° as 27° N.
    EXPECT_DOUBLE_EQ(LatitudeOf(-27, 0), 27);
    EXPECT_DOUBLE_EQ(LatitudeOf(-27, 30), 27.5);  // 27°30′ S
    EXPECT_DOUBLE_EQ(LatitudeOf(27.5, 30), 28);
    EXPECT_EQ(result("A", "新疆", 2, LatitudeOf(-27, 0)), Shown("0.09", "2719.369(m)"));
}

TEST(MixingLayerReport, AHeightThatCannotBeComputedSaysWhy) {
    struct Case {
        const char *cls, *region;
        std::optional<double> u10, latitude;
        const char* why;
    } cases[] = {
        {"a", "新疆", 2, 27, "未选择有效的大气稳定度等级"},  // gave hf "."
        {"A", "陕西(秦岭以北)", 2, 27, "未选择有效的行政区域"},
        {"", "", 2, 27, "未选择有效的大气稳定度等级"},
        {"A", "新疆", std::nullopt, 27, "地面10米高处风速 U10不是有效的数值"},
        {"E", "新疆", 2, std::nullopt, "地理纬度无效"},
    };
    for (const Case& c : cases) {
        const MixingLayerOutcome out = outcome(c.cls, c.region, c.u10, c.latitude);
        EXPECT_EQ(out.failure, c.why) << c.cls << ' ' << c.region;
        ASSERT_EQ(out.lines.size(), 7u);
        EXPECT_EQ(out.lines[6], std::string("    混合层高度 hf = 无法计算（") + c.why + "）");
    }
    EXPECT_EQ(report("A", "").at(2), "    地区类别:");
    // A refused wind speed echoed keeps to its line, as a refused latitude does.
    const auto echoed = MixingLayerReport({"1\r\n2", "A", "27", "0", "新疆"}, std::nullopt, 27, tables());
    EXPECT_EQ(echoed.lines[1], "    地面10m处平均风速 U10 = 1 2(m/s)");
}

}  // namespace
}  // namespace korrimet::air_guideline
