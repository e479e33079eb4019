#include "tools/air_guideline/plume_rise.h"

#include <gtest/gtest.h>

#include "common/number_text.h"
#include "common/table_text.h"
#include "guideline_data.h"

namespace korrimet::air_guideline {
namespace {

const RiseCoefficientTable& coefficients() {
    static const RiseCoefficientTable t = LoadRiseCoefficients(test::guidelineTable("rise_coefficients.txt"));
    return t;
}

// The window's defaults, as typed and as read.
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
PlumeRiseNumbers numbers(const PlumeRiseInput& in) {
    auto number = [](const std::string& s) { return TryParseNumber(s, Precision::Double); };
    PlumeRiseNumbers n;
    n.pressureRatio = *number(in.pressureRatio);
    n.gasTemperature = *number(in.gasTemperature);
    n.airTemperature = *number(in.airTemperature);
    n.flow = *number(in.flow);
    n.outletWindSpeed = *number(in.outletWindSpeed);
    n.height = number(in.height);
    n.diameter = number(in.diameter);
    n.gradient = number(in.gradient);
    return n;
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

PlumeRiseOutcome report(const PlumeRiseInput& in) { return PlumeRiseReport(in, numbers(in), coefficients()); }

// Result lines 14 to 21: ΔT, Qh, Vs, n0, n1, n2, ΔH, He.
std::vector<std::string> results(const PlumeRiseInput& in) {
    const PlumeRiseOutcome out = report(in);
    if (out.lines.size() != 21) return {};
    return {out.lines.begin() + 13, out.lines.end()};
}
std::vector<std::string> expected(const char* dt, const char* qh, const char* vs, const char* n0, const char* n1,
                                  const char* n2, const char* rise, const char* he) {
    return {std::string("    烟气温度与环境温差 ΔT = ") + dt + "(℃)",
            std::string("    烟气热释放率   Qh = ") + qh + "(KJ/s)",
            std::string("    烟气出口处排出风速 Vs = ") + vs,
            std::string("    烟气热状况及地表状况系数 n0 =") + n0,
            std::string("    烟气热释放率指数 n1 =") + n1,
            std::string("    排气筒高度指数 n2 = ") + n2,
            std::string("    烟气抬升高度 ΔH = ") + rise + "(m)",
            std::string("    烟囱有效高度 He = ") + he + "(m)"};
}

// GB/T 13201-91 and HJ/T 2.2-93: n0 1.427 rural and 1.303 urban from Qh 21000 kJ/s (urban read 1.305).
TEST(RiseTables, StoredTablesHoldTheGuidelineValues) {
    const RiseCoefficientTable& t = coefficients();
    EXPECT_EQ(t.large.n0Rural, 1.427);
    EXPECT_EQ(t.large.n0Urban, 1.303);
    EXPECT_EQ(t.large.n1, 1.0 / 3);
    EXPECT_EQ(t.large.n2, 2.0 / 3);
    EXPECT_EQ(t.medium.n1, 3.0 / 5);
    EXPECT_EQ(t.medium.n2, 2.0 / 5);
    const GradientPresetTable presets = LoadGradientPresets(test::guidelineTable("gradient_presets.txt"));
    ASSERT_EQ(presets.size(), 9u);
    EXPECT_EQ(presets[2].stability, "B-C");
    // D-E lies between D (−0.0098) and E (0); its −0.05 sent the stable formula to "无法计算" every time.
    EXPECT_EQ(GradientPresetOf(presets, "D-E"), -0.005);
    EXPECT_EQ(GradientPresetOf(presets, "E"), 0);
    EXPECT_EQ(GradientPresetOf(presets, "F"), 0.01);
    EXPECT_EQ(GradientPresetOf(presets, "d"), std::nullopt);
    EXPECT_THROW(LoadRiseCoefficients("21000 1.427 1.303 1/3 2/3\n"), TableFormatError);
    EXPECT_THROW(LoadRiseCoefficients("2100 1 1 1 1\n21000 1 1 1 1\n"), TableFormatError);
}

TEST(HeatRelease, PressureInHectopascalsAndGasTemperatureInKelvin) {
    // 0.35 × 1010.8 hPa × 31.8 m³/s × (140 − 30) K / (140 + 273.15) K = 2995.33 kJ/s.
    EXPECT_NEAR(HeatRelease(1010.8 / 1013.25, 31.8, 140, 30), 2995.33, 0.01);
    // A desulfurised stack at 50 ℃ in 15 ℃ air: 0.35 × 1013.25 × 100 × 35 / 323.15 = 3841.0;
    // divided by 50 ℃ instead it came out about 70 % higher.
    EXPECT_NEAR(HeatRelease(1, 100, 50, 15), 3841.0, 0.1);
    // Gas at 0 ℃ and below no longer divides by zero or turns the heat negative.
    EXPECT_NEAR(HeatRelease(1, 10, 0, -20), 0.35 * 1013.25 * 10 * 20 / 273.15, 1e-9);
    EXPECT_GT(HeatRelease(1, 10, -10, -30), 0);
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
        {"B", 5, 30000, 34.9, RisePath::Jet},
        // ΔT exactly 35 belongs to the hot-gas rows.
        {"B", 5, 30000, 35, RisePath::LargeHeat},   {"B", 1.5, 2100, 35, RisePath::MediumHeat},
        {"E", 1.5, 800, 85, RisePath::Stable},      {"D-E", 9, 800, 85, RisePath::Stable},
        {"E", 1.49, 800, 85, RisePath::Calm},       {"A", 1.49, 30000, 85, RisePath::Calm},
        {"", 1.49, 800, 85, RisePath::Calm},        {"", 1.5, 800, 85, RisePath::UnknownClass},
        {"a", 3, 800, 85, RisePath::UnknownClass},  {"E、F", 3, 800, 85, RisePath::UnknownClass},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ChooseRisePath(c.cls, c.u, c.qh, c.dt), c.path) << c.cls << ' ' << c.u << ' ' << c.qh << ' ' << c.dt;
}

TEST(PlumeRiseReport, DefaultsWithClassAEchoInputsAndTakeTheJetFormula) {
    PlumeRiseInput in = defaults("A");
    in.gradient = "-0.019";
    const PlumeRiseOutcome out = report(in);
    ASSERT_EQ(out.lines.size(), 21u);
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
    // Qh = 0.35 × 1013.25 × 10 × 85 / 373.15 = 807.8303; Vs = 10 / (3.1415926 × 0.25) = 12.7324;
    // ΔH = 2 × (1.5 × 12.7324 × 1 + 0.01 × 807.8303) / 3 = 18.1179.
    EXPECT_EQ(results(in), expected("85", "807.8303", "12.7324(m/s)", "0", "0", "0", "18.1179", "78.1179"));
    EXPECT_TRUE(out.riseFailure.empty());
}

TEST(PlumeRiseReport, PowerLawRowsAndInterpolation) {
    // Qh = 0.35 × 1013.25 × 250 × 125 / 413.15 = 26824.2088; ΔH = 1.427 × Qh^(1/3) × 120^(2/3) / 5 = 207.8502.
    PlumeRiseInput large = stack("120", "4", "250", "140", "5", "C");
    EXPECT_EQ(results(large), expected("125", "26824.2088", "本工况不用", "1.427", "0.333333333333333", "0.666666666666667",
                                       "207.8502", "327.8502"));
    large.location = SiteLocation::Urban;  // 1.303 in place of 1.427: 189.7889 (190.0802 with 1.305)
    EXPECT_EQ(results(large)[6], "    烟气抬升高度 ΔH = 189.7889(m)");
    EXPECT_EQ(report(large).lines[0], "项目所在位置:城市或城市近郊");

    // Qh = 0.35 × 1013.25 × 40 × 105 / 393.15 = 3788.5731; ΔH = 0.332 × Qh^0.6 × 80^0.4 / 4 = 67.2047.
    EXPECT_EQ(results(stack("80", "2", "40", "120", "4", "B")),
              expected("105", "3788.5731", "本工况不用", "0.332", "0.6", "0.4", "67.2047", "147.2047"));

    // Qh = 0.35 × 1013.25 × 22 × 105 / 393.15 = 2083.7152, between 1700 and 2100: interpolated to 54.9776.
    const auto interpolated = results(stack("60", "1", "22", "120", "3", "D"));
    ASSERT_EQ(interpolated.size(), 8u);
    EXPECT_EQ(interpolated[1], "    烟气热释放率   Qh = 2083.7152(KJ/s)");
    EXPECT_EQ(interpolated[2], "    烟气出口处排出风速 Vs = 28.0113(m/s)");
    EXPECT_EQ(interpolated[3], "    烟气热状况及地表状况系数 n0 =0");
    EXPECT_EQ(interpolated[6], "    烟气抬升高度 ΔH = 54.9776(m)");
}

TEST(PlumeRiseReport, MendedPathsColdGasExactly35AndTallStacks) {
    // ΔT 20 with Qh = 0.35 × 1013.25 × 600 × 20 / 308.15 = 13810.3196: the jet formula, ΔH 169.8328.
    const auto cold = results(stack("120", "4", "600", "35", "5", "C"));
    ASSERT_EQ(cold.size(), 8u);
    EXPECT_EQ(cold[1], "    烟气热释放率   Qh = 13810.3196(KJ/s)");
    EXPECT_EQ(cold[6], "    烟气抬升高度 ΔH = 169.8328(m)");
    // ΔT exactly 35, Qh = 0.35 × 1013.25 × 600 × 35 / 323.15 = 23046.2247 ≥ 21000: the large-heat row,
    // ΔH = 1.427 × Qh^(1/3) × 120^(2/3) / 5 = 197.5944 (it had no formula at all).
    EXPECT_EQ(results(stack("120", "4", "600", "50", "5", "C")),
              expected("35", "23046.2247", "本工况不用", "1.427", "0.333333333333333", "0.666666666666667", "197.5944",
                       "317.5944"));
    // A 300 m stack rises as a 240 m one: 1.427 × 26824.2088^(1/3) × 240^(2/3) / 5 = 329.9416, He 629.9416.
    const PlumeRiseOutcome tall = report(stack("300", "4", "250", "140", "5", "C"));
    EXPECT_EQ(tall.lines[2], "    烟囱几何高度 H =300(m)（超过240米，抬升按240米计）");
    EXPECT_EQ(tall.lines[19], "    烟气抬升高度 ΔH = 329.9416(m)");
    EXPECT_EQ(tall.lines[20], "    烟囱有效高度 He = 629.9416(m)");
}

TEST(PlumeRiseReport, StableAndCalmFormulasReadTheGradient) {
    // Qh 807.8303: Qh^(1/3) × 0.0098^(−1/3) × 3^(−1/3) = 30.1757; calm: 5.5 × Qh^(1/4) × 0.0198^(−3/8) = 127.6272.
    PlumeRiseInput stable = defaults("E");
    stable.gradient = "0";
    EXPECT_EQ(results(stable)[6], "    烟气抬升高度 ΔH = 30.1757(m)");
    EXPECT_EQ(results(stable)[3], "    烟气热状况及地表状况系数 n0 =0");  // Qh < 2100
    // D-E with its preset −0.005: (Qh / (0.0048 × 3))^(1/3) = 38.2812, He 98.2812.
    const GradientPresetTable presets = LoadGradientPresets(test::guidelineTable("gradient_presets.txt"));
    PlumeRiseInput neutralStable = defaults("D-E");
    neutralStable.gradient = NumberText(*GradientPresetOf(presets, "D-E"));
    EXPECT_EQ(results(neutralStable)[6], "    烟气抬升高度 ΔH = 38.2812(m)");
    EXPECT_EQ(results(neutralStable)[7], "    烟囱有效高度 He = 98.2812(m)");

    PlumeRiseInput calm = defaults("F");
    calm.gradient = "0.01";
    calm.outletWindSpeed = "1";
    EXPECT_EQ(results(calm)[6], "    烟气抬升高度 ΔH = 127.6272(m)");
    calm.stability = "";  // calm wind needs no class
    EXPECT_EQ(results(calm)[6], "    烟气抬升高度 ΔH = 127.6272(m)");
}

TEST(PlumeRiseReport, ARiseThatCannotBeComputedSaysWhyAndLeavesHeOut) {
    struct Case {
        PlumeRiseInput in;
        const char* why;
    };
    auto with = [](PlumeRiseInput in, std::string PlumeRiseInput::*field, const char* text) {
        in.*field = text;
        return in;
    };
    const Case cases[] = {
        {defaults(), "未选择大气稳定度等级"},
        {defaults("a"), "大气稳定度等级“a”不在表中"},
        {with(defaults("E"), &PlumeRiseInput::gradient, "-0.0098"), "大气温度梯度dTdz须大于-0.0098K/m"},
        {with(defaults("E"), &PlumeRiseInput::gradient, "-0.05"), "大气温度梯度dTdz须大于-0.0098K/m"},
        {with(defaults("E"), &PlumeRiseInput::gradient, "abc"), "大气温度梯度 dTdz不是有效的数值"},
        {with(with(defaults("F"), &PlumeRiseInput::gasTemperature, "10"), &PlumeRiseInput::gradient, "0.01"),
         "烟气热释放率Qh为负（烟气温度低于环境温度）"},
        {with(stack("60", "1", "22", "120", "3", "D"), &PlumeRiseInput::diameter, "x"), "烟囱出口内直径 d不是有效的数值"},
        {with(stack("120", "4", "250", "140", "5", "C"), &PlumeRiseInput::height, "H"), "烟囱几何高度 H不是有效的数值"},
        // Qh −26451 outweighs 1.5 × Vs × d = 191: once ΔH −48.9 m and He below H.
        {stack("60", "10", "1000", "-5", "3", "D"), "抬升高度为负（烟气温度低于环境温度）"},
    };
    for (const Case& c : cases) {
        const PlumeRiseOutcome out = report(c.in);
        EXPECT_EQ(out.riseFailure, c.why);
        ASSERT_EQ(out.lines.size(), 21u);
        EXPECT_EQ(out.lines[19], std::string("    烟气抬升高度 ΔH = 无法计算（") + c.why + "）");
        EXPECT_EQ(out.lines[20], "    烟囱有效高度 He = 无法计算（抬升高度ΔH无法计算）");
    }
    // The jet formula needs no height, He does.
    const PlumeRiseOutcome jet = report(with(defaults("A"), &PlumeRiseInput::height, "高"));
    EXPECT_EQ(jet.lines[19], "    烟气抬升高度 ΔH = 18.1179(m)");
    EXPECT_EQ(jet.lines[20], "    烟囱有效高度 He = 无法计算（烟囱几何高度 H不是有效的数值）");
    // Vs says why where the jet formula failed (it once showed "." alone); a zero reads 0.
    const PlumeRiseOutcome noDiameter = report(cases[6].in);
    EXPECT_EQ(noDiameter.lines[15], "    烟气出口处排出风速 Vs = 无法计算（烟囱出口内直径 d不是有效的数值）");
    const std::vector<std::string> noGas = results(with(defaults("A"), &PlumeRiseInput::flow, "0"));
    ASSERT_EQ(noGas.size(), 8u);
    EXPECT_EQ(noGas[1], "    烟气热释放率   Qh = 0(KJ/s)");
    EXPECT_EQ(noGas[6], "    烟气抬升高度 ΔH = 0(m)");
}

}  // namespace
}  // namespace korrimet::air_guideline
