#include "tools/risk/leak_rate.h"

#include <gtest/gtest.h>

#include <cmath>

#include "common/number_text.h"

namespace korrimet::risk {
namespace {

TEST(LiquidLeak, OrificeOutflow) {
    LiquidLeak in{0.02f, 0.62f, 120000, 101325, 5, 800};
    EXPECT_NEAR(LiquidLeakRate(in), 0.62 * 0.02 * 800 * 12.0369, 1e-3);
    EXPECT_EQ(NumberText(LiquidLeakRate(in)).substr(0, 6), "119.40");  // about 119.41
    in.pressure = in.ambient;
    in.height = 0;
    EXPECT_EQ(LiquidLeakRate(in), 0);
}

TEST(LiquidLeak, NoOutflowWhereTheRootFails) {
    LiquidLeak in{0.02f, 0.62f, 10000, 101325, 5, 800};  // far below ambient: negative under the root
    EXPECT_EQ(LiquidLeakRate(in), 0);
    in = {0.02f, 0.62f, 120000, 101325, 5, 0};  // no density: division by zero
    EXPECT_EQ(LiquidLeakRate(in), 0);
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

TEST(GasLeak, SubcriticalOutflowOfTheDefaults) {
    GasLeakState s = gasDefaults();
    GasLeakRate(s, "");
    EXPECT_NEAR(s.criticalRatio, 0.512, 1e-3);
    EXPECT_NEAR(s.ratio, 0.8417, 1e-4);
    EXPECT_NEAR(s.outflow, 0.7360, 1e-4);
    EXPECT_NEAR(s.root, 0.09726, 1e-5);
    EXPECT_NEAR(s.rate, 15.46, 0.005);
    GasLeakRate(s, "圆形");
    EXPECT_NEAR(s.rate, 17.18, 0.005);
}

TEST(GasLeak, CriticalOutflowIncludesEquality) {
    GasLeakState s = gasDefaults();
    s.pressure = 30000;
    GasLeakRate(s, "");
    EXPECT_NEAR(s.ratio, 0.3367, 1e-4);
    EXPECT_EQ(s.outflow, 1);
    EXPECT_NEAR(s.rate, 52.52, 0.005);

    s = gasDefaults();
    s.kappa = 3;  // critical ratio (1/2)^(3/2)
    s.pressure = 1;
    s.ambient = static_cast<float>(std::pow(0.5, 1.5));
    GasLeakRate(s, "");
    ASSERT_EQ(s.ratio, s.criticalRatio);
    EXPECT_EQ(s.outflow, 1);
}

TEST(GasLeak, AFailedStepReusesThePreviousRunsValue) {
    GasLeakState s = gasDefaults();
    GasLeakRate(s, "");
    const float rate = s.rate;
    s.kappa = 1;  // every division by κ − 1 fails
    GasLeakRate(s, "");
    EXPECT_NEAR(s.criticalRatio, 0.512, 1e-3);
    EXPECT_NEAR(s.exponent, 5, 1e-6);
    EXPECT_NE(rate, 0);
    EXPECT_EQ(s.rate, 0);  // subcritical with r^0 = 1: no outflow term left
    s.pressure = 30000;    // below the kept critical ratio: critical outflow, (2/2)^5 = 1
    GasLeakRate(s, "");
    EXPECT_NEAR(s.rate, 0.9 * 0.02 * 30000 * std::sqrt(80 / (8.314 * 500)), 1e-3);

    GasLeakState fresh = gasDefaults();
    fresh.pressure = 0;  // no pressure ratio: it stays 0, below the critical ratio
    GasLeakRate(fresh, "");
    EXPECT_EQ(fresh.outflow, 1);
    EXPECT_EQ(fresh.rate, 0);
}

TEST(TwoPhaseLeak, DefaultsFlashFarAboveOne) {
    TwoPhaseLeak leak = TwoPhaseLeakRate({});
    EXPECT_EQ(leak.vapourFraction, 808);
    EXPECT_NEAR(leak.meanDensity, 7.380, 1e-3);
    EXPECT_NEAR(leak.rate, 4.517, 1e-3);
    EXPECT_EQ(CheckFlashFraction(leak), FlashFraction::AboveOne);
}

TEST(TwoPhaseLeak, NoFlashLeavesTheLiquidDensity) {
    TwoPhaseTexts in;
    in.temperature = in.boilingPoint;
    TwoPhaseLeak leak = TwoPhaseLeakRate(in);
    EXPECT_EQ(leak.vapourFraction, 0);
    EXPECT_EQ(leak.meanDensity, 1200);
    EXPECT_NEAR(leak.rate, 0.8 * 0.02 * std::sqrt(2 * 1200 * 0.45 * 12000), 1e-3);
    EXPECT_EQ(CheckFlashFraction(leak), FlashFraction::Valid);

    in.temperature = "250";
    EXPECT_EQ(CheckFlashFraction(TwoPhaseLeakRate(in)), FlashFraction::BelowZero);
    in.temperature = "260.5";  // a realistic share of flash vapour
    in.vaporisationHeat = "400000";
    in.heatCapacity = "2000";
    in.vapourDensity = "5";
    TwoPhaseLeak partial = TwoPhaseLeakRate(in);
    EXPECT_NEAR(partial.vapourFraction, 0.0025, 1e-7);
    EXPECT_EQ(CheckFlashFraction(partial), FlashFraction::Valid);
    EXPECT_LT(partial.rate, leak.rate);
}

TEST(TwoPhaseLeak, BadEntriesLeaveTheirValueAtZero) {
    TwoPhaseTexts noHeat;
    noHeat.heatCapacity = "";
    TwoPhaseTexts level;
    level.temperature = level.boilingPoint;
    EXPECT_EQ(TwoPhaseLeakRate(noHeat).rate, TwoPhaseLeakRate(level).rate);
    noHeat.heatCapacity = "10100";
    noHeat.vaporisationHeat = "0";
    EXPECT_EQ(TwoPhaseLeakRate(noHeat).rate, TwoPhaseLeakRate(level).rate);

    TwoPhaseTexts noLiquid;
    noLiquid.liquidDensity = "";
    EXPECT_EQ(TwoPhaseLeakRate(noLiquid).rate, 0);
    TwoPhaseTexts noVapour;
    noVapour.vapourDensity = "0";  // Fv/0 must fail, not vanish into 1/inf
    EXPECT_EQ(TwoPhaseLeakRate(noVapour).meanDensity, 0);
    TwoPhaseTexts noArea;
    noArea.area = "x";
    EXPECT_EQ(TwoPhaseLeakRate(noArea).rate, 0);
}

}  // namespace
}  // namespace korrimet::risk
