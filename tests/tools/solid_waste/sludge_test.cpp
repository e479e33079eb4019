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

// Coefficients in kg per person and day: 20000 × 0.047 = 940 kg/d, as the labels (Kg/日) say.
// The method's M/1000 gave tonnes (0.9399999) beside them.
TEST(SewageSludge, DefaultsGiveKilogramsADay) {
    const SewageSludge s = sewage(20000, 0.009f, 0);
    EXPECT_EQ(s.sum, 0.047f);
    EXPECT_NEAR(s.dry, 940, 1e-4);
    EXPECT_EQ(NumberText(s.dry), "939.9999");  // 0.047 as a Single is a little short of it
    EXPECT_EQ(NumberText(s.wet), "939.9999");
}

TEST(SewageSludge, WaterContentScalesTheWetSludge) {
    const SewageSludge s = sewage(100000, 0.009f, 80);
    EXPECT_EQ(NumberText(s.dry), "4700");
    EXPECT_EQ(NumberText(s.wet), "23500");
    EXPECT_EQ(NumberText(sewage(10000, 0.01f, 50).wet), "960");
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
