#include "tools/risk/pool_evaporation.h"

#include <gtest/gtest.h>

#include "common/number_text.h"

namespace korrimet::risk {
namespace {

FlashTexts flashDefaults() { return {"10", "30", "1000", "300", "80", "5000"}; }
HeatTexts heatDefaults() { return {"300", "275", "10", "12000", "20"}; }
MassTexts massDefaults() { return {"2000", "350", "2", "10", "80"}; }

TEST(PoolEvaporation, FlashAtTheDefaultsFlashesFortyFourTimesTheLiquid) {
    FlashEvaporationResult r = FlashEvaporation(flashDefaults());
    EXPECT_EQ(r.fraction, 44.0f);
    EXPECT_EQ(NumberText(r.rate), "14.66667");
    EXPECT_FALSE(r.failed);
}

TEST(PoolEvaporation, FlashStepsThatFailCountAsZero) {
    FlashTexts noHeat = flashDefaults();
    noHeat.vaporisationHeat = "0";  // the fraction fails, the rate is 0 × m / t1
    FlashEvaporationResult r = FlashEvaporation(noHeat);
    EXPECT_EQ(r.rate, 0.0f);
    EXPECT_TRUE(r.failed);

    FlashTexts noTime = flashDefaults();
    noTime.time = "";
    r = FlashEvaporation(noTime);
    EXPECT_EQ(r.fraction, 44.0f);
    EXPECT_EQ(r.rate, 0.0f);
    EXPECT_TRUE(r.failed);

    FlashTexts huge = flashDefaults();
    huge.mass = "1E+39";  // beyond a Single
    EXPECT_TRUE(FlashEvaporation(huge).failed);
}

TEST(PoolEvaporation, HeatByGroundType) {
    const std::pair<const char*, const char*> grounds[] = {
        {"水泥地", "8.051499"}, {"土地", "3.608172"}, {"干土地", "1.644509"}, {"湿地", "2.745827"}, {"砂砾地", "6.266465"}};
    for (auto [ground, shown] : grounds) EXPECT_EQ(NumberText(HeatEvaporation(heatDefaults(), ground)), shown) << ground;
}

TEST(PoolEvaporation, HeatWithoutAGroundTypeOrWithAFailedStepIsZero) {
    EXPECT_EQ(HeatEvaporation(heatDefaults(), ""), 0.0f);
    EXPECT_EQ(HeatEvaporation(heatDefaults(), "水泥"), 0.0f);
    HeatTexts in = heatDefaults();
    in.time = "0";
    EXPECT_EQ(HeatEvaporation(in, "水泥地"), 0.0f);
    in.time = "-5";  // root of a negative
    EXPECT_EQ(HeatEvaporation(in, "水泥地"), 0.0f);
}

TEST(PoolEvaporation, MassByStabilityClass) {
    const std::pair<const char*, const char*> classes[] = {
        {"不稳定A,B", "578.8893"}, {"中性C", "654.5321"}, {"稳定E,F", "687.5569"}};
    for (auto [stability, shown] : classes) {
        std::optional<float> q = MassEvaporation(massDefaults(), stability);
        ASSERT_TRUE(q) << stability;
        EXPECT_EQ(NumberText(*q), shown) << stability;
    }
}

TEST(PoolEvaporation, MassWithoutAClassGivesNothingAndAFailedStepZero) {
    EXPECT_FALSE(MassEvaporation(massDefaults(), ""));
    EXPECT_FALSE(MassEvaporation(massDefaults(), "不稳定A，B"));  // full-width comma is another text
    MassTexts in = massDefaults();
    in.ambient = "0";
    EXPECT_EQ(MassEvaporation(in, "中性C"), 0.0f);
    in = massDefaults();
    in.windSpeed = "-2";  // fractional power of a negative
    EXPECT_EQ(MassEvaporation(in, "中性C"), 0.0f);
}

TEST(PoolEvaporation, TotalAddsTheShownRatesTimesTheirTimes) {
    std::optional<double> wp = TotalEvaporation({"14.66667", "8.051499", "578.8893", "30", "20", "100"});
    ASSERT_TRUE(wp);
    EXPECT_EQ(NumberText(*wp), "58489.96008");
    // Texts are numbers, never joined.
    EXPECT_EQ(TotalEvaporation({"1", "2", "3", "1", "1", "1"}), 6.0);
    for (int empty = 0; empty < 6; ++empty) {
        TotalTexts in{"1", "2", "3", "1", "1", "1"};
        std::string* texts[] = {&in.flashRate, &in.heatRate, &in.massRate, &in.flashTime, &in.heatTime, &in.massTime};
        *texts[empty] = "";
        EXPECT_FALSE(TotalEvaporation(in)) << empty;
    }
}

}  // namespace
}  // namespace korrimet::risk
