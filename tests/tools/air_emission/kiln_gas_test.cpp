#include "tools/air_emission/kiln_gas.h"

#include <gtest/gtest.h>

#include "common/number_text.h"
#include "common/steps.h"

namespace korrimet::air_emission {
namespace {

// Entries in the order of the boxes: t, m, c, r, φ.
std::string lime(LimeKiln& s, LimeKilnInput in) {
    Steps steps;
    ComputeLimeKiln(s, in, steps);
    return steps.ok() ? NumberText(s.Q) : "failed";
}

TEST(LimeKiln, WorkedExamples) {
    LimeKiln s;
    EXPECT_EQ(lime(s, {10000, 150, 80, 0, 28}), "2.228286E+07");
    EXPECT_FLOAT_EQ(s.C, 120);
    EXPECT_FLOAT_EQ(s.V, 623.92f);
    EXPECT_FLOAT_EQ(s.W, 2228.2856f);

    // The recovery rate counts only on the CO2 share: k = 1 - 0.5 × 0.28.
    EXPECT_EQ(lime(s, {10000, 150, 80, 50, 28}), "1.916326E+07");
    EXPECT_FLOAT_EQ(s.k, 0.86f);

    LimeKiln fresh;
    EXPECT_EQ(lime(fresh, {1, 100, 80, 0, 25}), "2197.12");
}

TEST(LimeKiln, AZeroShareOrAnOverflowFailsThePress) {
    LimeKiln s;
    EXPECT_EQ(lime(s, {10000, 150, 80, 0, 0}), "failed");
    EXPECT_EQ(lime(s, {1E+300, 150, 80, 0, 25}), "failed");  // beyond a Single
}

std::string dolomite(DolomiteKiln& s, DolomiteKilnInput in) {
    Steps steps;
    ComputeDolomiteKiln(s, in, steps);
    return steps.ok() ? NumberText(s.R) : "failed";
}

// Entries in the order t, m, c, g (MgO), φ, a (CaO).
TEST(DolomiteKiln, WorkedExamples) {
    DolomiteKiln s;
    EXPECT_EQ(dolomite(s, {10000, 100, 80, 20, 30, 30}), "1.270933E+07");
    EXPECT_FLOAT_EQ(s.C, 80);
    EXPECT_FLOAT_EQ(s.A, 120);
    EXPECT_FLOAT_EQ(s.B, 112);
    EXPECT_EQ(dolomite(s, {1, 100, 80, 20, 30, 30}), "1270.933");
    EXPECT_EQ(dolomite(s, {1, 100, 80, 20, 0, 30}), "failed");
}

}  // namespace
}  // namespace korrimet::air_emission
