#include "tools/risk/leak_rate.h"

#include <gtest/gtest.h>

#include <cmath>

#include "common/number_text.h"

namespace korrimet::risk {
namespace {

TEST(LiquidLeak, OrificeOutflow) {
    Steps steps;
    LiquidLeak in{0.02f, 0.62f, 120000, 101325, 5, 800};
    EXPECT_NEAR(LiquidLeakRate(in, steps), 0.62 * 0.02 * 800 * 12.0369, 1e-3);
    EXPECT_EQ(NumberText(LiquidLeakRate(in, steps)).substr(0, 6), "119.40");  // about 119.41
    in.pressure = in.ambient;
    in.height = 0;
    EXPECT_EQ(LiquidLeakRate(in, steps), 0);  // level with the surroundings: truly nothing flows
    EXPECT_TRUE(steps.ok());
}

TEST(LiquidLeak, NoOutflowWhereTheRootFailsIsSaid) {
    Steps steps;
    LiquidLeak in{0.02f, 0.62f, 10000, 101325, 5, 800};  // far below ambient: negative under the root
    LiquidLeakRate(in, steps);
    ASSERT_EQ(steps.failures(), 1);
    EXPECT_NE(steps.message().find("液体不会从裂口流出"), std::string::npos);
}

TEST(HoleShape, ItemTextsExactlyElseRectangle) {
    EXPECT_FLOAT_EQ(HoleShapeCoefficient("圆形"), 1.00f);
    EXPECT_FLOAT_EQ(HoleShapeCoefficient("三角形"), 0.95f);
    EXPECT_FLOAT_EQ(HoleShapeCoefficient("长方形"), 0.90f);
    EXPECT_FLOAT_EQ(HoleShapeCoefficient(""), 0.90f);
    EXPECT_FLOAT_EQ(HoleShapeCoefficient("圆形 "), 0.90f);
}

GasLeakState gasDefaults() {
    GasLeakState s;
    s.area = 0.02f;
    s.pressure = 12000;
    s.ambient = 10100;
    s.molarMass = 80;
    s.temperature = 500;
    s.kappa = 1.5f;
    return s;
}

// The molecular weight is typed in g/mol; with R in J/(mol·K) the formula of
// HJ 169-2018 appendix F needs kg/mol. Taken as typed, 80 gave 15.46 kg/s, more
// than the ρ·c·A ≈ 1.29 kg/s that any hole of 0.02 m² can pass of this gas.
TEST(GasLeak, SubcriticalOutflowOfTheDefaults) {
    GasLeakState s = gasDefaults();
    Steps steps;
    GasLeakRate(s, "", steps);
    EXPECT_NEAR(s.criticalRatio, 0.512, 1e-3);
    EXPECT_NEAR(s.ratio, 0.8417, 1e-4);
    EXPECT_NEAR(s.outflow, 0.7360, 1e-4);
    EXPECT_NEAR(s.root, 0.0030756, 1e-7);
    EXPECT_NEAR(s.rate, 0.4889, 5e-5);  // 15.46112 / √1000
    EXPECT_EQ(s.molarMass, 80);         // the typed value stays as typed
    GasLeakRate(s, "圆形", steps);
    EXPECT_NEAR(s.rate, 0.5432, 5e-5);
    EXPECT_TRUE(steps.ok());
}

TEST(GasLeak, CriticalOutflowIncludesEquality) {
    GasLeakState s = gasDefaults();
    Steps steps;
    s.pressure = 30000;
    GasLeakRate(s, "", steps);
    EXPECT_NEAR(s.ratio, 0.3367, 1e-4);
    EXPECT_EQ(s.outflow, 1);
    EXPECT_NEAR(s.rate, 1.6608, 5e-5);  // 52.52 / √1000

    s = gasDefaults();
    s.kappa = 3;  // critical ratio (1/2)^(3/2)
    s.pressure = 1;
    s.ambient = static_cast<float>(std::pow(0.5, 1.5));
    GasLeakRate(s, "", steps);
    ASSERT_EQ(s.ratio, s.criticalRatio);
    EXPECT_EQ(s.outflow, 1);
    EXPECT_TRUE(steps.ok());
}

TEST(GasLeak, NoOutflowAgainstAHigherAmbientPressureIsSaid) {
    GasLeakState s = gasDefaults();
    Steps first;
    GasLeakRate(s, "", first);
    s.ambient = 13000;  // the root of a negative used to keep the previous run's term (103 kg/s)
    Steps steps;
    GasLeakRate(s, "", steps);
    EXPECT_FALSE(steps.ok());
    EXPECT_NE(steps.message().find("气体不会从裂口流出"), std::string::npos);

    s = gasDefaults();
    s.ambient = s.pressure;  // balanced: Y = 0, a true zero
    Steps level;
    GasLeakRate(s, "", level);
    EXPECT_TRUE(level.ok());
    EXPECT_EQ(s.rate, 0);
}

TwoPhaseInputs twoPhaseDefaults() { return {0.02, 12000, 10100, 300, 260, 500, 1000, 1200}; }

TEST(TwoPhaseLeak, AFlashFractionOutsideZeroToOneFails) {
    Steps above;
    EXPECT_EQ(TwoPhaseLeakRate(twoPhaseDefaults(), above).vapourFraction, 808);
    ASSERT_EQ(above.failureLines().size(), 1u) << above.message();
    EXPECT_EQ(above.failureLines()[0].rfind("FV=808＞1，闪蒸比例须在0～1之间", 0), 0u);

    TwoPhaseInputs in = twoPhaseDefaults();
    in.temperature = 250;
    Steps below;
    TwoPhaseLeakRate(in, below);
    ASSERT_EQ(below.failureLines().size(), 1u);
    EXPECT_EQ(below.failureLines()[0].rfind("FV=-202＜0", 0), 0u);
}

TEST(TwoPhaseLeak, NoFlashLeavesTheLiquidDensity) {
    TwoPhaseInputs in = twoPhaseDefaults();
    in.temperature = in.boilingPoint;
    Steps steps;
    TwoPhaseLeak leak = TwoPhaseLeakRate(in, steps);
    EXPECT_EQ(leak.vapourFraction, 0);
    EXPECT_EQ(leak.meanDensity, 1200);
    EXPECT_NEAR(leak.rate, 0.8 * 0.02 * std::sqrt(2 * 1200 * 0.45 * 12000), 1e-3);

    in.temperature = 260.5;  // a realistic share of flash vapour
    in.vaporisationHeat = 400000;
    in.heatCapacity = 2000;
    in.vapourDensity = 5;
    TwoPhaseLeak partial = TwoPhaseLeakRate(in, steps);
    EXPECT_NEAR(partial.vapourFraction, 0.0025, 1e-7);
    EXPECT_LT(partial.rate, leak.rate);
    EXPECT_TRUE(steps.ok());
}

}  // namespace
}  // namespace korrimet::risk
