#include "tools/risk/pool_evaporation.h"

#include <gtest/gtest.h>

#include "common/number_text.h"

namespace korrimet::risk {
namespace {

FlashInputs flashDefaults() { return {10, 30, 1000, 300, 80, 5000}; }
HeatInputs heatDefaults() { return {300, 275, 10, 12000, 20}; }
MassInputs massDefaults() { return {2000, 350, 2, 10, 80}; }

TEST(PoolEvaporation, FlashFractionMustLieBetweenZeroAndOne) {
    // The stored entries flash 1000 × (300 − 80) / 5000 = 44 times the liquid: 440 kg from 10 kg.
    Steps steps;
    EXPECT_EQ(FlashEvaporation(flashDefaults(), steps).fraction, 44.0f);
    ASSERT_EQ(steps.failureLines().size(), 1u);
    EXPECT_EQ(steps.failureLines()[0].rfind("FV=44＞1，闪蒸比例须在0～1之间", 0), 0u);

    FlashInputs cold = flashDefaults();
    cold.temperature = 70;  // below the boiling point: nothing flashes
    Steps below;
    FlashEvaporation(cold, below);
    EXPECT_EQ(below.failureLines().at(0).rfind("FV=-2＜0", 0), 0u);
}

TEST(PoolEvaporation, FlashOfAFractionWithinRange) {
    // Fv = 1000 × (300 − 290) / 50000 = 0.2; Q1 = 0.2 × 10 kg / 30 s = 0.0666667 kg/s.
    FlashInputs in = flashDefaults();
    in.boilingPoint = 290;
    in.vaporisationHeat = 50000;
    Steps steps;
    FlashEvaporationResult r = FlashEvaporation(in, steps);
    EXPECT_TRUE(steps.ok());
    EXPECT_FLOAT_EQ(r.fraction, 0.2f);
    EXPECT_EQ(NumberText(r.rate), "0.06666667");
}

TEST(PoolEvaporation, HeatByGroundType) {
    const std::pair<const char*, const char*> grounds[] = {
        {"水泥地", "8.051499"}, {"土地", "3.608172"}, {"干土地", "1.644509"}, {"湿地", "2.745827"}, {"砂砾地", "6.266465"}};
    Steps steps;
    for (auto [ground, shown] : grounds)
        EXPECT_EQ(NumberText(HeatEvaporation(heatDefaults(), ground, steps)), shown) << ground;
    EXPECT_TRUE(steps.ok());
}

TEST(PoolEvaporation, HeatNeedsAGroundTypeAndWarmerGround) {
    for (const char* ground : {"", "水泥"}) {
        Steps steps;
        HeatEvaporation(heatDefaults(), ground, steps);
        EXPECT_EQ(steps.message(), "无法计算，请检查：\n请选择地面类型") << ground;
    }
    HeatInputs in = heatDefaults();
    in.boilingPoint = 310;  // the formula would give a negative rate
    Steps steps;
    HeatEvaporation(in, "水泥地", steps);
    EXPECT_NE(steps.message().find("没有热量蒸发"), std::string::npos);
}

// M is typed in g/mol and enters in kg/mol, as R = 8.314 J/(mol·K) needs: taken as
// typed, 578.8893 kg/s came off a 314 m² pool at 2 kPa, 1.84 kg per m² and second.
TEST(PoolEvaporation, MassByStabilityClass) {
    const std::pair<const char*, const char*> classes[] = {
        {"不稳定A,B", "0.5788893"}, {"中性C", "0.6545321"}, {"稳定E,F", "0.6875569"}};
    Steps steps;
    for (auto [stability, shown] : classes)
        EXPECT_EQ(NumberText(MassEvaporation(massDefaults(), stability, steps)), shown) << stability;
    EXPECT_TRUE(steps.ok());
    MassEvaporation(massDefaults(), "不稳定A，B", steps);  // full-width comma is another text
    EXPECT_EQ(steps.message(), "无法计算，请检查：\n请选择稳定度条件");
}

TEST(PoolEvaporation, TotalAddsTheShownRatesTimesTheirTimes) {
    Steps steps;
    EXPECT_EQ(NumberText(TotalEvaporation({14.66667, 8.051499, 0.5788893, 30, 20, 100}, steps)), "658.91901");
    EXPECT_TRUE(steps.ok());
}

}  // namespace
}  // namespace korrimet::risk
