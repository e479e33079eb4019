#include "tools/solid_waste/sludge.h"

#include <gtest/gtest.h>

#include "common/number_text.h"
#include "common/statement_failure.h"

namespace korrimet::solid_waste {
namespace {

const SettlingInputs kSettling{1500, 30, 20, 10, 300};

SewageSludge sewage(double persons, float grit, double water) {
    SewageSludge s;
    s.grit = grit;
    s.primary = 0.02f;
    s.biological = 0.018f;
    SumCoefficients(s);
    DrySludge(s, persons);
    WetSludge(s, water);
    return s;
}

TEST(SewageSludge, DefaultsRoundTheHalfwayDrySludgeToEven) {
    const SewageSludge s = sewage(20000, 0.009f, 0);
    EXPECT_EQ(s.sum, 0.047f);
    EXPECT_EQ(s.dry, 0.93999994f);
    EXPECT_EQ(NumberText(s.dry), "0.9399999");
    EXPECT_EQ(NumberText(s.wet), "0.9399999");
}

TEST(SewageSludge, WaterContentScalesTheWetSludge) {
    const SewageSludge s = sewage(100000, 0.009f, 80);
    EXPECT_EQ(NumberText(s.dry), "4.7");
    EXPECT_EQ(NumberText(s.wet), "23.5");
    EXPECT_EQ(NumberText(sewage(10000, 0.01f, 50).wet), "0.96");
}

TEST(SettlingSludge, WorkedVolumes) {
    EXPECT_EQ(NumberText(SettlingSludgeVolume(kSettling)), "0.05555556");
    SettlingInputs in = kSettling;
    in.water = 0;
    EXPECT_EQ(NumberText(SettlingSludgeVolume(in)), "0.05");
    in.outflowSolids = 30;
    EXPECT_EQ(NumberText(SettlingSludgeVolume(in)), "0");
    in.density = 0;  // 0 / 0
    EXPECT_THROW(SettlingSludgeVolume(in), StatementFailure);
}

}  // namespace
}  // namespace korrimet::solid_waste
