#include "tools/water/river2.h"

#include <gtest/gtest.h>

#include "common/number_text.h"

namespace korrimet::water {
namespace {

River2Inputs defaults() { return {0.1f, 100, 0.5f, 5, 0.2f, 1, 100, 0}; }

std::string point(const River2Inputs& in, float x, float y) {
    return MaskText(River2Concentration(in, x, y).c, kRiver2PointMask);
}

TEST(River2, WorkedValues) {
    River2Inputs in = defaults();
    EXPECT_NEAR(River2Concentration(in, 10, 10).c, 32.38684, 1e-5);
    EXPECT_EQ(point(in, 10, 10), "32.3868");
    in.a = 10;
    EXPECT_NEAR(River2Concentration(in, 10, 10).c, 23.49713, 1e-5);
    EXPECT_EQ(point(in, 10, 10), "23.4971");
}

TEST(River2, OnlyAnOutletDistanceOfExactlyZeroIsTheBankOutlet) {
    River2Inputs in = defaults();
    in.a = static_cast<float>(ParseNumber("0.0", Precision::Single));
    EXPECT_EQ(point(in, 10, 10), "32.3868");
    // Just off the bank: half the outlet term over three terms, nearly but not quite the bank value.
    in.a = 0.001f;
    EXPECT_EQ(point(in, 10, 10), "32.3862");
}

TEST(River2, NegativeLateralDistances) {
    River2Inputs in = defaults();
    in.b = 1e6f;  // image terms vanish: only the symmetric E(y) remains
    EXPECT_EQ(point(in, 10, -10), point(in, 10, 10));
    in = defaults();
    in.b = 10;  // a narrow river: the image term tells the sides apart
    EXPECT_EQ(point(in, 10, 5), "63.3945");
    EXPECT_EQ(point(in, 10, -5), "54.0009");
}

TEST(River2, FailedTermsCountAsZeroAndAreReported) {
    River2Inputs in = defaults();
    EXPECT_FALSE(River2Concentration(in, 10, 10).failed);
    RiverPoint atOutlet = River2Concentration(in, 0, 10);
    EXPECT_TRUE(atOutlet.failed);
    EXPECT_EQ(MaskText(atOutlet.c, kRiver2PointMask), ".1");
    for (float River2Inputs::*input : {&River2Inputs::h, &River2Inputs::my, &River2Inputs::u}) {
        River2Inputs zero = defaults();
        zero.*input = 0;
        EXPECT_TRUE(River2Concentration(zero, 10, 10).failed);
        EXPECT_EQ(point(zero, 10, 10), ".1");
    }
    // Upstream of the outlet the root of a negative fails as well.
    EXPECT_TRUE(River2Concentration(in, -10, 0).failed);
}

TEST(River2, GridCells) {
    GridCell cell = River2Cell(defaults());
    std::string row;
    EXPECT_TRUE(cell(10, 0, row));
    EXPECT_EQ(row, "35.7825");
    // The cell at x = 0 does not take over the terms of the cell before it.
    row.clear();
    EXPECT_FALSE(cell(0, 0, row));
    EXPECT_EQ(row, "0.1000");
}

}  // namespace
}  // namespace korrimet::water
