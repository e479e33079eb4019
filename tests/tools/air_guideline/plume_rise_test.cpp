#include "tools/air_guideline/plume_rise.h"

#include <gtest/gtest.h>

#include "common/table_text.h"
#include "guideline_data.h"

namespace korrimet::air_guideline {
namespace {

const RiseCoefficientTable& coefficients() {
    static const RiseCoefficientTable t = LoadRiseCoefficients(test::guidelineTable("rise_coefficients.txt"));
    return t;
}

// The window's defaults.
PlumeRiseInput defaults(std::string stability = "") {
    PlumeRiseInput in;
    in.height = "60";
    in.diameter = "1";
    in.flow = "10";
    in.gasTemperature = "100";
    in.windSpeed10 = "2";
    in.outletWindSpeed = "3";
    in.airTemperature = "15";
    in.gradient = "-0.0098";
    in.pressureRatio = "1";
    in.stability = std::move(stability);
    return in;
}

PlumeRiseInput stack(const char* h, const char* d, const char* qv, const char* ts, const char* u, const char* cls) {
    PlumeRiseInput in = defaults(cls);
    in.height = h;
    in.diameter = d;
    in.flow = qv;
    in.gasTemperature = ts;
    in.outletWindSpeed = u;
    return in;
}

// Result lines 14 to 21: ΔT, Qh, Vs, n0, n1, n2, ΔH, He.
std::vector<std::string> results(const PlumeRiseInput& in) {
    const ReportOutcome out = PlumeRiseReport(in, coefficients());
    EXPECT_FALSE(out.refusal) << *out.refusal;
    if (out.lines.size() != 21) return {};
    return {out.lines.begin() + 13, out.lines.end()};
}
std::vector<std::string> expected(const char* dt, const char* qh, const char* vs, const char* n0, const char* n1,
                                  const char* n2, const char* rise, const char* he) {
    return {std::string("    烟气温度与环境温差 ΔT = ") + dt + "(℃)",
            std::string("    烟气热释放率   Qh = ") + qh + "(KJ/s)",
            std::string("    烟气出口处排出风速 Vs = ") + vs + "(m/s)",
            std::string("    烟气热状况及地表状况系数 n0 =") + n0,
            std::string("    烟气热释放率指数 n1 =") + n1,
            std::string("    排气筒高度指数 n2 = ") + n2,
            std::string("    烟气抬升高度 ΔH = ") + rise + "(m)",
            std::string("    烟囱有效高度 He = ") + he + "(m)"};
}

TEST(RiseTables, StoredTablesHoldTheGuidelineValues) {
    const RiseCoefficientTable& t = coefficients();
    EXPECT_EQ(t.large.n0Rural, 1.427);
    EXPECT_EQ(t.large.n0Urban, 1.305);
    EXPECT_EQ(t.large.n1, 1.0 / 3);
    EXPECT_EQ(t.large.n2, 2.0 / 3);
    EXPECT_EQ(t.medium.n1, 3.0 / 5);
    EXPECT_EQ(t.medium.n2, 2.0 / 5);
    const GradientPresetTable presets = LoadGradientPresets(test::guidelineTable("gradient_presets.txt"));
    ASSERT_EQ(presets.size(), 9u);
    EXPECT_EQ(presets[2].stability, "B-C");
    EXPECT_EQ(GradientPresetOf(presets, "D-E"), -0.05);
    EXPECT_EQ(GradientPresetOf(presets, "E"), 0);
    EXPECT_EQ(GradientPresetOf(presets, "F"), 0.01);
    EXPECT_EQ(GradientPresetOf(presets, "d"), std::nullopt);
    EXPECT_THROW(LoadRiseCoefficients("21000 1.427 1.305 1/3 2/3\n"), TableFormatError);
    EXPECT_THROW(LoadRiseCoefficients("2100 1 1 1 1\n21000 1 1 1 1\n"), TableFormatError);
}

TEST(ChooseRisePath, ConditionsAndTheirBoundaries) {
    struct Case {
        const char* cls;
        double u, qh, dt;
        RisePath path;
    } cases[] = {
        {"C", 5, 21000, 36, RisePath::LargeHeat},   {"C-D", 5, 20999, 36, RisePath::MediumHeat},
        {"B-C", 5, 2100, 36, RisePath::MediumHeat}, {"A", 5, 2099, 0, RisePath::Interpolated},
        {"D", 5, 1700.5, 100, RisePath::Interpolated}, {"D", 5, 1700, 100, RisePath::Jet},
        {"B", 5, 30000, 34.9, RisePath::Jet},       {"B", 5, 30000, 35, RisePath::NoFormula},
        {"B", 1.5, 2100, 35, RisePath::NoFormula},  {"E", 1.5, 800, 85, RisePath::Stable},
        {"D-E", 9, 800, 85, RisePath::Stable},      {"E", 1.49, 800, 85, RisePath::Calm},
        {"A", 1.49, 30000, 85, RisePath::Calm},     {"", 1.49, 800, 85, RisePath::Calm},
        {"", 1.5, 800, 85, RisePath::UnknownClass}, {"a", 3, 800, 85, RisePath::UnknownClass},
        {"E、F", 3, 800, 85, RisePath::UnknownClass},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ChooseRisePath(c.cls, c.u, c.qh, c.dt), c.path) << c.cls << ' ' << c.u << ' ' << c.qh << ' ' << c.dt;
}

TEST(PlumeRiseReport, DefaultsWithClassAEchoInputsAndTakeTheJetFormula) {
    PlumeRiseInput in = defaults("A");
    in.gradient = "-0.019";
    const ReportOutcome out = PlumeRiseReport(in, coefficients());
    ASSERT_FALSE(out.refusal);
    const std::vector<std::string> head(out.lines.begin(), out.lines.begin() + 13);
    EXPECT_EQ(head, (std::vector<std::string>{
                        "项目所在位置:农村或城市远郊",
                        "参数:",
                        "    烟囱几何高度 H =60(m)",
                        "    烟囱出口内直径 d =1(m)",
                        "    烟囱烟气排放率 Qv = 10(m^3/s)",
                        "    烟囱出口烟气温度 Ts = 100(℃)",
                        "    地面10m处平均风速 U10 =2(m/s)",
                        "    烟囱出口处平均风速 U = 3(m/s)",
                        "    稳定度等级 = A",
                        "    烟囱出口处的大气温度 Ta = 15(℃)",
                        "    大气比标压 Pa = 1(个)标压",
                        "    烟囱几何高度以上的大气温度梯度 dTdz = -0.019(K/m)",
                        "结果:",
                    }));
    EXPECT_EQ(results(in), expected("85", "807.2323", "12.7324", "0", "0", "0", "18.1139", "78.1139"));
}

TEST(PlumeRiseReport, PowerLawRowsAndInterpolation) {
    PlumeRiseInput large = stack("120", "4", "250", "140", "5", "C");
    EXPECT_EQ(results(large), expected("125", "21198.3281", ".", "1.427", "0.333333333333333", "0.666666666666667",
                                       "192.1655", "312.1655"));
    large.location = SiteLocation::Urban;
    const auto urban = results(large);
    ASSERT_EQ(urban.size(), 8u);
    EXPECT_EQ(urban[3], "    烟气热状况及地表状况系数 n0 =1.305");
    EXPECT_EQ(urban[6], "    烟气抬升高度 ΔH = 175.7365(m)");
    EXPECT_EQ(PlumeRiseReport(large, coefficients()).lines[0], "项目所在位置:城市或城市近郊");

    // Qh is 3323.89785 to the digit, stored just below it: the mask still rounds its half up.
    EXPECT_EQ(results(stack("80", "2", "40", "120", "4", "B")),
              expected("105", "3323.8979", ".", "0.332", "0.6", "0.4", "62.1302", "142.1302"));

    const auto interpolated = results(stack("60", "1", "22", "120", "3", "D"));
    ASSERT_EQ(interpolated.size(), 8u);
    EXPECT_EQ(interpolated[1], "    烟气热释放率   Qh = 1828.1438(KJ/s)");
    EXPECT_EQ(interpolated[2], "    烟气出口处排出风速 Vs = 28.0113(m/s)");
    EXPECT_EQ(interpolated[3], "    烟气热状况及地表状况系数 n0 =0");
    EXPECT_EQ(interpolated[6], "    烟气抬升高度 ΔH = 42.4516(m)");
}

TEST(PlumeRiseReport, ColdGasWithLargeHeatTakesTheJetFormula) {
    PlumeRiseInput in = stack("120", "4", "600", "35", "5", "C");
    const auto r = results(in);
    ASSERT_EQ(r.size(), 8u);
    EXPECT_EQ(r[0], "    烟气温度与环境温差 ΔT = 20(℃)");
    EXPECT_EQ(r[1], "    烟气热释放率   Qh = 32560.632(KJ/s)");
    EXPECT_EQ(r[3], "    烟气热状况及地表状况系数 n0 =0");
    EXPECT_EQ(r[6], "    烟气抬升高度 ΔH = 244.8341(m)");
}

TEST(PlumeRiseReport, StableAndCalmFormulasReadTheGradient) {
    PlumeRiseInput stable = defaults("E");
    stable.gradient = "0";
    EXPECT_EQ(results(stable)[6], "    烟气抬升高度 ΔH = 30.1683(m)");
    EXPECT_EQ(results(stable)[3], "    烟气热状况及地表状况系数 n0 =0");  // Qh < 2100

    PlumeRiseInput calm = defaults("F");
    calm.gradient = "0.01";
    calm.outletWindSpeed = "1";
    EXPECT_EQ(results(calm)[6], "    烟气抬升高度 ΔH = 127.6036(m)");
    calm.stability = "";  // calm wind needs no class
    EXPECT_EQ(results(calm)[6], "    烟气抬升高度 ΔH = 127.6036(m)");
}

TEST(PlumeRiseReport, ARiseWithoutAValueLeavesHeTheHeight) {
    // No class: no formula applies.
    EXPECT_EQ(results(defaults()), expected("85", "807.2323", ".", "0", "0", "0", ".", "60."));
    // A gradient that cancels the adiabatic one, a negative base, or no number at all.
    for (const char* gradient : {"-0.0098", "-0.05", "abc"}) {
        PlumeRiseInput in = defaults("E");
        in.gradient = gradient;
        const auto r = results(in);
        ASSERT_EQ(r.size(), 8u);
        EXPECT_EQ(r[6], "    烟气抬升高度 ΔH = .(m)") << gradient;
        EXPECT_EQ(r[7], "    烟囱有效高度 He = 60.(m)") << gradient;
    }
    // Gas colder than the air: a negative Qh under a fractional power.
    PlumeRiseInput cold = defaults("F");
    cold.gasTemperature = "10";
    EXPECT_EQ(results(cold)[6], "    烟气抬升高度 ΔH = .(m)");
    // ΔT exactly 35 with Qh from 2100 in the unstable group: coefficients stay unset.
    PlumeRiseInput edge = stack("120", "4", "600", "50", "5", "C");
    EXPECT_EQ(results(edge), expected("35", "39886.7742", ".", "", "", "", ".", "120."));
}

TEST(PlumeRiseReport, InterpolationWithoutAJetVelocityLeavesTheRiseUnset) {
    for (const char* d : {"0", "x"}) {
        PlumeRiseInput in = stack("60", d, "22", "120", "3", "D");
        const auto r = results(in);
        ASSERT_EQ(r.size(), 8u);
        EXPECT_EQ(r[2], "    烟气出口处排出风速 Vs = .(m/s)") << d;
        EXPECT_EQ(r[6], "    烟气抬升高度 ΔH = .(m)") << d;
        EXPECT_EQ(r[7], "    烟囱有效高度 He = 60.(m)") << d;
    }
}

TEST(PlumeRiseReport, EntriesTheFormulasCannotDoWithoutAreNamed) {
    struct Case {
        PlumeRiseInput in;
        const char* refusal;
    };
    auto with = [](PlumeRiseInput in, std::string PlumeRiseInput::*field, const char* text) {
        in.*field = text;
        return in;
    };
    const Case cases[] = {
        {with(defaults("A"), &PlumeRiseInput::pressureRatio, ""), "大气比标压 Pa 不是数值,请检查输入!"},
        {with(defaults("A"), &PlumeRiseInput::gasTemperature, "1OO"), "烟筒出口烟气温度 Ts 不是数值,请检查输入!"},
        {with(defaults("A"), &PlumeRiseInput::airTemperature, "-"), "环境大气温度 T 不是数值,请检查输入!"},
        {with(defaults("A"), &PlumeRiseInput::flow, "ten"), "烟筒出口烟气量 Qv 不是数值,请检查输入!"},
        {with(defaults("A"), &PlumeRiseInput::outletWindSpeed, ""), "烟筒出口风速 U 不是数值,请检查输入!"},
        {with(defaults("A"), &PlumeRiseInput::gasTemperature, "0"),
         "烟筒出口烟气温度 Ts 为0,无法计算烟气热释放率,请检查输入!"},
        {with(defaults("A"), &PlumeRiseInput::diameter, ""), "烟筒出口直径 d 不是数值,请检查输入!"},
        {with(defaults("A"), &PlumeRiseInput::diameter, "0"), "烟气出口处排出风速 Vs 无法计算,请检查输入!"},
        {with(stack("120", "4", "250", "140", "5", "C"), &PlumeRiseInput::height, "H"),
         "烟筒几何高度 H 不是数值,请检查输入!"},
        {with(stack("120", "4", "250", "140", "5", "C"), &PlumeRiseInput::height, "-120"),
         "烟气抬升高度 ΔH 无法计算,请检查输入!"},
        {with(stack("60", "1", "22", "120", "3", "D"), &PlumeRiseInput::height, ""),
         "烟筒几何高度 H 不是数值,请检查输入!"},
        {with(defaults("A"), &PlumeRiseInput::flow, "1E+308"), "烟气热释放率 Qh 无法计算,请检查输入!"},
    };
    for (const Case& c : cases) {
        const ReportOutcome out = PlumeRiseReport(c.in, coefficients());
        EXPECT_EQ(out.refusal, c.refusal);
        EXPECT_TRUE(out.lines.empty());
    }
    // The height is read as a number only where a formula needs it; elsewhere He is left out.
    PlumeRiseInput jet = with(defaults("A"), &PlumeRiseInput::height, "高");
    EXPECT_EQ(results(jet)[7], "    烟囱有效高度 He = .(m)");
    EXPECT_EQ(results(with(defaults(), &PlumeRiseInput::height, "高"))[7], "    烟囱有效高度 He = 高(m)");
}

}  // namespace
}  // namespace korrimet::air_guideline
