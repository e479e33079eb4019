#include "tools/air_guideline/wind_speed.h"

#include <gtest/gtest.h>

#include "common/number_text.h"
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

// The report lines as the window computes them from sound entries.
std::vector<std::string> lines(const WindSpeedInput& in) {
    auto number = [](const std::string& s) { return *TryParseNumber(s, Precision::Double); };
    const double p = in.standardExponent ? *WindExponent(table(), in.stability, in.location) : number(in.exponent);
    return WindSpeedReport(in, OutletWindSpeed(number(in.u10), number(in.height), p), p);
}

// The exponents of GB/T 3840-91 and HJ/T 2.2-93 (rural D is 0.15; it read 0.17).
TEST(WindExponent, StoredTableByClassAndLocation) {
    const std::pair<const char*, std::pair<double, double>> expected[] = {
        {"A", {0.07, 0.10}}, {"B", {0.07, 0.15}}, {"C", {0.10, 0.20}}, {"D", {0.15, 0.25}}, {"E、F", {0.25, 0.30}}};
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
    EXPECT_EQ(lines(direct()), (std::vector<std::string>{
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
    std::vector<std::string> out = lines(standard("D", SiteLocation::Rural));
    ASSERT_EQ(out.size(), 9u);
    EXPECT_EQ(out[2], "    烟囱出口处平均风速 U =2.616692(m / s)");  // 2 × 6^0.15
    EXPECT_EQ(out[4], "    项目所在的位置:农村和城市远郊");
    EXPECT_EQ(out[7], "    稳定度等级＝D");
    EXPECT_EQ(out[8], "    风速幂指数 =0.15");

    out = lines(standard("E、F", SiteLocation::Urban));
    EXPECT_EQ(out[2], "    烟囱出口处平均风速 U =3.42354(m / s)");
    EXPECT_EQ(out[4], "    项目所在的位置:城市或城市近郊");
    EXPECT_EQ(out[7], "    稳定度等级＝E、F");
    EXPECT_EQ(out[8], "    风速幂指数 =0.3");
}

TEST(WindSpeedReport, DirectModeIgnoresTheTableChoicesAndEchoesTextsAsTyped) {
    WindSpeedInput in = direct("0.5", "10.0", "0.25");
    in.stability = "A";
    in.location = SiteLocation::Urban;
    const std::vector<std::string> out = lines(in);
    EXPECT_EQ(out[2], "    烟囱出口处平均风速 U =.5(m / s)");
    EXPECT_EQ(out[4], "    项目所在的位置:农村或城市远郊,区(地势较平坦)");
    EXPECT_EQ(out[6], "    烟囱几何高度H=10.0(m)");
    EXPECT_EQ(out[7], "    稳定度等级＝Ｄ");
    EXPECT_EQ(out[8], "    风速幂指数 =0.25");
    EXPECT_EQ(lines(direct("2", "10"))[2], "    烟囱出口处平均风速 U =2.(m / s)");
    EXPECT_EQ(lines(direct("0", "10"))[2], "    烟囱出口处平均风速 U =0(m / s)");  // not "." alone
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
