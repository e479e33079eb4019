#include "tools/noise/sound_level.h"

#include <gtest/gtest.h>

#include "common/number_text.h"

namespace korrimet::noise {
namespace {

std::string sum(SumState& s, std::string a, std::string b, std::string c = "0", std::string d = "0",
                std::string e = "0") {
    return EnergySumText(s, {a, b, c, d, e});
}

TEST(EnergySum, WorkedValues) {
    SumState s;
    EXPECT_EQ(sum(s, "85", "82"), "86.76");
    EXPECT_EQ(sum(s, "60", "60"), "63.01");
    EXPECT_EQ(sum(s, "70", "0"), "70");
    EXPECT_EQ(sum(s, "60", "60", "60", "60", "60"), "66.99");
    EXPECT_EQ(sum(s, "-10", "-10"), "-6.99");  // negative levels are ordinary sources
}

TEST(EnergySum, OnlyAnExactZeroStandsForNoSource) {
    SumState s;
    EXPECT_EQ(sum(s, "0.01", "0"), "0.01");
    EXPECT_EQ(sum(s, "50", "0.01"), "50");
}

TEST(EnergySum, NoSourceShowsTheEarlierResult) {
    SumState fresh;
    EXPECT_EQ(sum(fresh, "0", "0"), "0");
    SumState s;
    sum(s, "85", "82");
    EXPECT_EQ(sum(s, "0", "0"), "86.76");
}

TEST(EnergySum, ABadEntryKeepsThatLevelOfThePreviousRun) {
    SumState s;
    sum(s, "85", "82");
    EXPECT_EQ(sum(s, "abc", "82"), "86.76");
    EXPECT_EQ(sum(s, "", ""), "86.76");
}

TEST(EnergySum, AResultThatMasksToALonePointIsShownUnrounded) {
    SumState s;
    std::string text = sum(s, "0.001", "0");
    EXPECT_NE(text, ".");
    EXPECT_NEAR(ParseNumber(text, Precision::Single), 0.001, 0.0002);
}

TEST(Attenuation, LevelAtADistance) {
    AttenuationState s;
    EXPECT_EQ(AttenuationText(s, "75", "50"), "41.0206");
    EXPECT_EQ(AttenuationText(s, "75", "1"), "75");
    EXPECT_EQ(AttenuationText(s, "75", "10"), "55");
    EXPECT_EQ(AttenuationText(s, "75", "0.1"), "95");
}

TEST(Attenuation, ADistanceOfZeroOrLessGivesNoLevel) {
    AttenuationState s;
    AttenuationText(s, "75", "10");
    // The attenuation of 10 m must not be added to the new source level.
    EXPECT_EQ(AttenuationText(s, "80", "0"), kDistanceNotPositive);
    EXPECT_EQ(AttenuationText(s, "80", "-5"), kDistanceNotPositive);
    EXPECT_EQ(AttenuationText(s, "80", "100"), "40");
}

TEST(Attenuation, ABadEntryKeepsItsPreviousValue) {
    AttenuationState s;
    AttenuationText(s, "75", "10");
    EXPECT_EQ(AttenuationText(s, "75", "abc"), "55");
    EXPECT_EQ(AttenuationText(s, "", "100"), "35");
    AttenuationState fresh;
    EXPECT_EQ(AttenuationText(fresh, "75", ""), kDistanceNotPositive);
}

TEST(Difference, WorkedValuesThroughTheMask) {
    EXPECT_EQ(DifferenceText("68", "65"), "64.98");
    EXPECT_EQ(DifferenceText("70", "60"), "69.54");
    EXPECT_EQ(DifferenceText("70", "-200"), "70.");
    EXPECT_EQ(DifferenceText("3", "0"), "-.02");
}

TEST(Difference, NoDifferenceGivesAnEmptyText) {
    EXPECT_EQ(DifferenceText("65", "65"), "");
    EXPECT_EQ(DifferenceText("60", "65"), "");
    EXPECT_EQ(DifferenceText("abc", "65"), "");
    EXPECT_EQ(DifferenceText("68", ""), "");
}

}  // namespace
}  // namespace korrimet::noise
