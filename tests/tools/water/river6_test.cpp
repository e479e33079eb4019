#include "tools/water/river6.h"

#include <gtest/gtest.h>

#include <cmath>

#include "common/number_text.h"

namespace korrimet::water {
namespace {

River6Inputs defaults() { return {{0.1f, 100, 0.5f, 5, 0.2f, 1, 100, 0}, 1.0}; }

std::string point(const River6Inputs& in, float x, float y) {
    return MaskText(River6Concentration(in, x, y).c, kRiver2PointMask);
}

TEST(River6, DecayOverTheTravelTimeMultipliesTheMixingValue) {
    River6Inputs in = defaults();
    EXPECT_NEAR(River6Concentration(in, 10, 10).c, 32.36811, 1e-5);
    EXPECT_EQ(point(in, 10, 10), "32.3681");

    in.k1 = 0;
    EXPECT_EQ(River6Concentration(in, 10, 10).c, River2Concentration(in.mixing, 10, 10).c);
    in.mixing.a = 10;
    EXPECT_EQ(River6Concentration(in, 250, -5).c, River2Concentration(in.mixing, 250, -5).c);

    in = defaults();
    in.k1 = -1;  // taken as typed: the factor exceeds 1
    EXPECT_GT(River6Concentration(in, 10, 10).c, River2Concentration(in.mixing, 10, 10).c);
}

TEST(River6, TheBackgroundDecaysToo) {
    River6Inputs in = defaults();
    in.mixing.cp = 0;
    in.k1 = 864;  // D(1000) = exp(-864·1000 / 17280), about exp(-50)
    const double c = River6Concentration(in, 1000, 0).c;
    EXPECT_DOUBLE_EQ(c, 0.1f * std::exp(-864.0 * 1000 / (static_cast<double>(0.2f) * 86400)));
    EXPECT_LT(c, 0.1f);
}

TEST(River6, AFailedDecayCountsAsZero) {
    River6Inputs in = defaults();
    in.k1.reset();  // K1 typed as no number
    EXPECT_TRUE(River6Concentration(in, 10, 10).failed);
    EXPECT_EQ(point(in, 10, 10), ".");
    in = defaults();
    in.mixing.u = 0;
    EXPECT_TRUE(River6Concentration(in, 10, 10).failed);
    EXPECT_EQ(River6Concentration(in, 10, 10).c, 0);
    EXPECT_FALSE(River6Concentration(defaults(), 10, 10).failed);
}

TEST(River6, GridCells) {
    GridCell cell = River6Cell(defaults());
    std::string row;
    EXPECT_TRUE(cell(10, 0, row));
    // 35.78248… of the mixing model times exp(-10/17280)
    EXPECT_EQ(row, "35.7618");
    row.clear();
    // At the outlet the mixing terms fail; only the decayed background remains.
    EXPECT_FALSE(cell(0, 0, row));
    EXPECT_EQ(row, "0.1000");
}

}  // namespace
}  // namespace korrimet::water
