#include "tools/noise/sound_level.h"

#include <gtest/gtest.h>

#include "common/number_text.h"
#include "common/statement_failure.h"

namespace korrimet::noise {
namespace {

std::string sum(float a, float b, float c = 0, float d = 0, float e = 0) { return EnergySumText({a, b, c, d, e}); }

TEST(EnergySum, WorkedValues) {
    EXPECT_EQ(sum(85, 82), "86.76");
    EXPECT_EQ(sum(60, 60), "63.01");
    EXPECT_EQ(sum(70, 0), "70");
    EXPECT_EQ(sum(60, 60, 60, 60, 60), "66.99");
    EXPECT_EQ(sum(-10, -10), "-6.99");  // negative levels are ordinary sources
}

TEST(EnergySum, OnlyAnExactZeroStandsForNoSource) {
    EXPECT_EQ(sum(0.01f, 0), "0.01");
    EXPECT_EQ(sum(50, 0.01f), "50");
    // No source at all has no sum (was the previous run's result, or "0").
    EXPECT_THROW(sum(0, 0), StatementFailure);
}

TEST(EnergySum, AResultThatMasksToALonePointIsShownUnrounded) {
    std::string text = sum(0.001f, 0);
    EXPECT_NE(text, ".");
    EXPECT_NEAR(ParseNumber(text, Precision::Single), 0.001, 0.0002);
}

TEST(Attenuation, LevelAtADistance) {
    EXPECT_EQ(AttenuationText(75, 50), "41.0206");
    EXPECT_EQ(AttenuationText(75, 1), "75");
    EXPECT_EQ(AttenuationText(75, 10), "55");
    EXPECT_EQ(AttenuationText(75, 0.1f), "95");
    EXPECT_THROW(AttenuationText(80, 0), StatementFailure);
}

TEST(Difference, WorkedValuesThroughTheMask) {
    EXPECT_EQ(DifferenceText(68, 65), "64.98");
    EXPECT_EQ(DifferenceText(70, 60), "69.54");
    EXPECT_EQ(DifferenceText(70, -200), "70.");
    EXPECT_EQ(DifferenceText(3, 0), "-.02");
    EXPECT_THROW(DifferenceText(65, 65), StatementFailure);
    EXPECT_THROW(DifferenceText(60, 65), StatementFailure);
}

}  // namespace
}  // namespace korrimet::noise
