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

std::vector<std::string> report(const char* stability, const char* region, const char* u10 = "2",
                                 const char* degrees = "27", const char* minutes = "0") {
    return MixingLayerReport({u10, stability, degrees, minutes, region}, tables());
}
// Lines 6 and 7: the coefficient and the height.
using Shown = std::pair<std::string, std::string>;
Shown result(const char* stability, const char* region, const char* u10 = "2",
                                           const char* degrees = "27", const char* minutes = "0") {
    const auto lines = report(stability, region, u10, degrees, minutes);
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
    EXPECT_EQ(result("A", "新疆", "2", "0", "1"), Shown("0.09", "4244131.876(m)"));
    EXPECT_EQ(result("A", "新疆", "2", "-27"), Shown("0.09", "-2719.369(m)"));
}

TEST(MixingLayerReport, LatitudeReadsTheLeadingNumbers) {
    EXPECT_DOUBLE_EQ(LatitudeOf("27.5", "30"), 28);
    EXPECT_DOUBLE_EQ(LatitudeOf("27度", "0"), 27);
    EXPECT_DOUBLE_EQ(LatitudeOf("", "分"), 0);
    EXPECT_EQ(report("A", "新疆", "2", "27度").at(3), "    地区纬度：27度度0分");
    EXPECT_EQ(result("A", "新疆", "2", "27度"), result("A", "新疆"));
}

TEST(MixingLayerReport, UnmatchedChoicesGiveAnEmptyCoefficientAndZeroHeight) {
    EXPECT_EQ(result("a", "新疆"), Shown("", ".(m)"));
    EXPECT_EQ(result("A", "陕西(秦岭以北)"), Shown("", ".(m)"));
    EXPECT_EQ(result("", ""), Shown("", ".(m)"));
    EXPECT_EQ(report("A", "").at(2), "    地区类别:");
}

TEST(MixingLayerReport, AHeightWithoutAValueIsLeftOutAndTheRestStays) {
    struct Case {
        const char *cls, *u10, *degrees, *minutes;
    } cases[] = {
        {"A", "", "27", "0"},    {"E", "x", "27", "0"},  // no number
        {"A", "2", "0", "0"},    {"F", "2", "", "abc"},  // latitude 0: f = 0
        {"E", "2", "-27", "0"},  {"F", "-2", "27", "0"},  // a negative root
        {"A", "2", "1E+400", "0"},                        // a latitude beyond the double range
    };
    for (const Case& c : cases) {
        const auto lines = report(c.cls, "新疆", c.u10, c.degrees, c.minutes);
        ASSERT_EQ(lines.size(), 7u);
        EXPECT_EQ(lines[1], std::string("    地面10m处平均风速 U10 = ") + c.u10 + "(m/s)");
        EXPECT_NE(lines[5], "    混合层系数 =");
        EXPECT_EQ(lines[6], "    混合层高度 hf = .(m)") << c.cls << ' ' << c.u10 << ' ' << c.degrees;
    }
}

}  // namespace
}  // namespace korrimet::air_guideline
