#include "tools/air_guideline/wind_speed.h"

#include <gtest/gtest.h>

#include "common/statement_failure.h"
#include "common/table_text.h"
#include "guideline_data.h"

namespace korrimet::air_guideline {
namespace {

const WindExponentTable& table() {
    static const WindExponentTable t = LoadWindExponents(test::guidelineTable("wind_exponents.txt"));
    return t;
}

WindSpeedInput direct(std::string u10 = "2", std::string h = "60", std::string p = "0.2") {
    return {std::move(u10), std::move(h), std::move(p), false, "", SiteLocation::Rural};
}
WindSpeedInput standard(std::string stability, SiteLocation location, std::string u10 = "2", std::string h = "60") {
    return {std::move(u10), std::move(h), "0.2", true, std::move(stability), location};
}

TEST(WindExponent, StoredTableByClassAndLocation) {
    const std::pair<const char*, std::pair<double, double>> expected[] = {
        {"A", {0.07, 0.10}}, {"B", {0.07, 0.15}}, {"C", {0.10, 0.20}}, {"D", {0.17, 0.25}}, {"E、F", {0.25, 0.30}}};
    ASSERT_EQ(table().size(), 5u);
    for (const auto& [cls, p] : expected) {
        EXPECT_EQ(WindExponent(table(), cls, SiteLocation::Rural), p.first) << cls;
        EXPECT_EQ(WindExponent(table(), cls, SiteLocation::Urban), p.second) << cls;
    }
    for (const char* miss : {"", "a", "E", "F", "E,F", "E、F "})
        EXPECT_EQ(WindExponent(table(), miss, SiteLocation::Rural), std::nullopt) << miss;
    EXPECT_THROW(LoadWindExponents("A 0.07\n"), TableFormatError);
}

TEST(WindSpeedReport, DirectInputWithTheDefaults) {
    const ReportOutcome out = WindSpeedReport(direct(), table());
    ASSERT_FALSE(out.refusal);
    EXPECT_EQ(out.lines, (std::vector<std::string>{
                             "计算烟囱出口风速：",
                             "结果：",
                             "    烟囱出口处平均风速 U =2.861938(m / s)",
                             "参数如下:",
                             "    项目所在的位置:农村或城市远郊,区(地势较平坦)",
                             "    地面10米高处风速U10=2(m / s)",
                             "    烟囱几何高度H=60(m)",
                             "    稳定度等级＝Ｄ",
                             "    风速幂指数 =0.2",
                         }));
}

TEST(WindSpeedReport, StandardValuesNameTheLocationClassAndExponent) {
    ReportOutcome out = WindSpeedReport(standard("D", SiteLocation::Rural), table());
    ASSERT_EQ(out.lines.size(), 9u);
    EXPECT_EQ(out.lines[2], "    烟囱出口处平均风速 U =2.712163(m / s)");
    EXPECT_EQ(out.lines[4], "    项目所在的位置:农村和城市远郊");
    EXPECT_EQ(out.lines[7], "    稳定度等级＝D");
    EXPECT_EQ(out.lines[8], "    风速幂指数 =0.17");

    out = WindSpeedReport(standard("E、F", SiteLocation::Urban), table());
    EXPECT_EQ(out.lines[2], "    烟囱出口处平均风速 U =3.42354(m / s)");
    EXPECT_EQ(out.lines[4], "    项目所在的位置:城市或城市近郊");
    EXPECT_EQ(out.lines[7], "    稳定度等级＝E、F");
    EXPECT_EQ(out.lines[8], "    风速幂指数 =0.3");
}

TEST(WindSpeedReport, DirectModeIgnoresTheTableChoicesAndEchoesTextsAsTyped) {
    WindSpeedInput in = direct("0.5", "10.0", "0.25");
    in.stability = "A";
    in.location = SiteLocation::Urban;
    const ReportOutcome out = WindSpeedReport(in, table());
    EXPECT_EQ(out.lines[2], "    烟囱出口处平均风速 U =.5(m / s)");
    EXPECT_EQ(out.lines[4], "    项目所在的位置:农村或城市远郊,区(地势较平坦)");
    EXPECT_EQ(out.lines[6], "    烟囱几何高度H=10.0(m)");
    EXPECT_EQ(out.lines[7], "    稳定度等级＝Ｄ");
    EXPECT_EQ(out.lines[8], "    风速幂指数 =0.25");
    EXPECT_EQ(WindSpeedReport(direct("2", "10"), table()).lines[2], "    烟囱出口处平均风速 U =2.(m / s)");
}

TEST(WindSpeedReport, AFailedLookUpReplacesTheReport) {
    for (const char* cls : {"", "e、f", "Z"}) {
        const ReportOutcome out = WindSpeedReport(standard(cls, SiteLocation::Rural, "x"), table());
        EXPECT_EQ(out.refusal, "无对应的参数,请检查输入!") << cls;
        EXPECT_TRUE(out.lines.empty());
    }
}

TEST(WindSpeedReport, EntriesWithoutANumberOrAValueAreNamed) {
    EXPECT_EQ(WindSpeedReport(direct(""), table()).refusal, "地面10米高处风速 U10 不是数值,请检查输入!");
    EXPECT_EQ(WindSpeedReport(direct("2", "6O"), table()).refusal, "烟囱几何高度 H 不是数值,请检查输入!");
    EXPECT_EQ(WindSpeedReport(direct("2", "60", "."), table()).refusal, "风幂指数不是数值,请检查输入!");
    // The typed exponent is not read in standard mode.
    WindSpeedInput in = standard("A", SiteLocation::Rural);
    in.exponent = "abc";
    EXPECT_FALSE(WindSpeedReport(in, table()).refusal);
    for (auto [h, p] : {std::pair{"-60", "0.2"}, {"0", "-0.2"}, {"1E+300", "5"}})
        EXPECT_EQ(WindSpeedReport(direct("2", h, p), table()).refusal, "无法计算出口风速,请检查输入!") << h << p;
}

TEST(OutletWindSpeed, PowerLawWithAValueOrAFailure) {
    EXPECT_DOUBLE_EQ(OutletWindSpeed(2, 10, 0.3), 2);
    EXPECT_DOUBLE_EQ(OutletWindSpeed(2, -20, 2), 8);  // a whole exponent of a negative base has a value
    EXPECT_EQ(OutletWindSpeed(2, 0, 0.2), 0);
    EXPECT_THROW(OutletWindSpeed(2, -20, 0.5), StatementFailure);
    EXPECT_THROW(OutletWindSpeed(2, 0, -1), StatementFailure);
}

}  // namespace
}  // namespace korrimet::air_guideline
