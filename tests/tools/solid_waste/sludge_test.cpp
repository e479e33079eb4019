#include "tools/solid_waste/sludge.h"

#include <gtest/gtest.h>

#include <cmath>

#include "common/number_text.h"

namespace korrimet::solid_waste {
namespace {

const SewageInputs kSewage{"20000", "0.009", "0.02", "0.018", "0"};
const SettlingInputs kSettling{"1500", "30", "20", "10", "300"};

TEST(SewageSludge, DefaultsRoundTheHalfwayDrySludgeToEven) {
    SewageSludge s;
    ComputeSewageSludge(s, kSewage);
    EXPECT_EQ(s.sum, 0.047f);
    EXPECT_EQ(s.dry, 0.93999994f);
    EXPECT_EQ(NumberText(s.dry), "0.9399999");
    EXPECT_EQ(NumberText(s.wet), "0.9399999");
}

TEST(SewageSludge, WaterContentScalesTheWetSludge) {
    SewageSludge s;
    SewageInputs in = kSewage;
    in.persons = "100000";
    in.water = "80";
    ComputeSewageSludge(s, in);
    EXPECT_EQ(NumberText(s.dry), "4.7");
    EXPECT_EQ(NumberText(s.wet), "23.5");
    in.water = "150";
    ComputeSewageSludge(s, in);
    EXPECT_EQ(NumberText(s.wet), "-9.4");
}

TEST(SewageSludge, AFailedStatementKeepsTheValueOfAnEarlierPress) {
    SewageSludge s;
    SewageInputs in = kSewage;
    in.grit = "0.01";
    ComputeSewageSludge(s, in);
    EXPECT_EQ(NumberText(s.dry), "0.96");

    in.grit = "abc";  // the earlier 0.01 stays
    in.persons = "10000";
    ComputeSewageSludge(s, in);
    EXPECT_EQ(s.grit, 0.01f);
    EXPECT_EQ(NumberText(s.dry), "0.48");

    in.persons = "";  // G stays, W follows the new water content
    in.water = "50";
    ComputeSewageSludge(s, in);
    EXPECT_EQ(NumberText(s.dry), "0.48");
    EXPECT_EQ(NumberText(s.wet), "0.96");

    in.water = "x";
    in.persons = "20000";
    ComputeSewageSludge(s, in);
    EXPECT_EQ(NumberText(s.dry), "0.96");
    EXPECT_EQ(NumberText(s.wet), "0.96");  // still the 50 % figure
}

TEST(SewageSludge, CoefficientsStartAtZero) {
    SewageSludge s;
    SewageInputs in = kSewage;
    in.grit = in.primary = "";
    ComputeSewageSludge(s, in);
    EXPECT_EQ(s.grit, 0.0f);
    EXPECT_EQ(NumberText(s.dry), "0.36");
}

TEST(SewageSludge, AllWaterLeavesAnInfiniteWetSludge) {
    SewageSludge s;
    SewageInputs in = kSewage;
    in.water = "100";
    ComputeSewageSludge(s, in);
    EXPECT_TRUE(std::isinf(s.wet));
    EXPECT_EQ(NumberText(s.wet), "Infinity");
    in.persons = "0";
    ComputeSewageSludge(s, in);
    EXPECT_EQ(NumberText(s.wet), "NaN");
    in.water = "0";  // the next sound press mends it
    ComputeSewageSludge(s, in);
    EXPECT_EQ(NumberText(s.wet), "0");
}

std::string volume(const SettlingInputs& in) { return NumberText(SettlingSludgeVolume(in)); }

TEST(SettlingSludge, WorkedVolumes) {
    EXPECT_EQ(volume(kSettling), "0.05555556");
    SettlingInputs in = kSettling;
    in.water = "0";
    EXPECT_EQ(volume(in), "0.05");
    in.water = "120";
    EXPECT_EQ(volume(in), "-0.25");
    in = kSettling;
    in.outflowSolids = "40";
    EXPECT_EQ(volume(in), "-0.05555556");
}

TEST(SettlingSludge, ABoxThatIsNoNumberCountsAsZero) {
    SettlingInputs in = kSettling;
    in.flow = "";
    EXPECT_EQ(volume(in), "0");
    in = kSettling;
    in.outflowSolids = "abc";
    EXPECT_EQ(volume(in), "0.1666667");
    in = kSettling;
    in.water = "";
    EXPECT_EQ(volume(in), "0.05");
}

TEST(SettlingSludge, ZeroDensityOrAllWaterIsInfinite) {
    SettlingInputs in = kSettling;
    in.density = "0";
    EXPECT_EQ(volume(in), "Infinity");
    in.density = "";
    EXPECT_EQ(volume(in), "Infinity");
    in.inflowSolids = "20";  // no solids settle: 0 / 0
    EXPECT_EQ(volume(in), "NaN");
    in = kSettling;
    in.water = "100";
    EXPECT_EQ(volume(in), "Infinity");
    in.outflowSolids = "40";
    EXPECT_EQ(volume(in), "-Infinity");
}

}  // namespace
}  // namespace korrimet::solid_waste
