#include "tools/air_emission/kiln_gas.h"

#include <gtest/gtest.h>

#include "common/number_text.h"

namespace korrimet::air_emission {
namespace {

// Texts in the order of the boxes: t, m, c, r, φ.
std::string lime(LimeKiln& s, LimeKilnTexts texts) {
    ComputeLimeKiln(s, texts);
    return NumberText(s.Q);
}

TEST(LimeKiln, WorkedExamples) {
    LimeKiln s;
    EXPECT_EQ(lime(s, {"10000", "150", "80", "0", "28"}), "2.228286E+07");
    EXPECT_FLOAT_EQ(s.C, 120);
    EXPECT_FLOAT_EQ(s.V, 623.92f);
    EXPECT_FLOAT_EQ(s.W, 2228.2856f);

    // The recovery rate counts only on the CO2 share: k = 1 - 0.5 × 0.28.
    EXPECT_EQ(lime(s, {"10000", "150", "80", "50", "28"}), "1.916326E+07");
    EXPECT_FLOAT_EQ(s.k, 0.86f);

    LimeKiln fresh;
    EXPECT_EQ(lime(fresh, {"1", "100", "80", "0", "25"}), "2197.12");
}

TEST(LimeKiln, EmptyBoxesOnAFreshWindowGiveZero) {
    LimeKiln s;
    EXPECT_EQ(lime(s, {"", "", "", "", ""}), "0");
    // k never succeeded, so V is 0 even once C and t are known.
    EXPECT_EQ(lime(s, {"10000", "150", "80", "", ""}), "0");
    EXPECT_FLOAT_EQ(s.C, 120);
}

TEST(LimeKiln, AZeroShareKeepsThePreviousGasVolume) {
    LimeKiln s;
    lime(s, {"10000", "150", "80", "0", "28"});
    EXPECT_EQ(lime(s, {"10000", "150", "80", "0", "0"}), "2.228286E+07");
    EXPECT_FLOAT_EQ(s.k, 1);
    EXPECT_FLOAT_EQ(s.V, 623.92f);
    EXPECT_FLOAT_EQ(s.W, 2228.2856f);
}

TEST(LimeKiln, EachBadBoxKeepsOnlyItsOwnStep) {
    LimeKiln s;
    lime(s, {"10000", "150", "80", "0", "28"});
    // A new output that is no number: Q keeps its value although W changes.
    EXPECT_EQ(lime(s, {"x", "150", "80", "0", "25"}), "2.228286E+07");
    EXPECT_FLOAT_EQ(s.W, 2495.68f);
    // A bad fuel figure keeps C = 120.
    EXPECT_EQ(lime(s, {"1", ".", "80", "0", "25"}), "2495.68");
    // An output beyond the Single range fails the store, not the program.
    EXPECT_EQ(lime(s, {"1E+300", "150", "80", "0", "25"}), "2495.68");
}

std::string dolomite(DolomiteKiln& s, DolomiteKilnTexts texts) {
    ComputeDolomiteKiln(s, texts);
    return NumberText(s.R);
}

// Texts in the order t, m, c, g (MgO), φ, a (CaO).
TEST(DolomiteKiln, WorkedExamples) {
    DolomiteKiln s;
    EXPECT_EQ(dolomite(s, {"10000", "100", "80", "20", "30", "30"}), "1.270933E+07");
    EXPECT_FLOAT_EQ(s.C, 80);
    EXPECT_FLOAT_EQ(s.A, 120);
    EXPECT_FLOAT_EQ(s.B, 112);
    EXPECT_EQ(dolomite(s, {"1", "100", "80", "20", "30", "30"}), "1270.933");
}

TEST(DolomiteKiln, FailuresKeepThePreviousValues) {
    DolomiteKiln s;
    EXPECT_EQ(dolomite(s, {"", "", "", "", "", ""}), "0");
    dolomite(s, {"1", "100", "80", "20", "30", "30"});
    EXPECT_EQ(dolomite(s, {"1", "100", "80", "20", "0", "30"}), "1270.933");
    EXPECT_EQ(dolomite(s, {"1", "100", "80", "20", "", "30"}), "1270.933");
    // Empty CaO and MgO boxes keep A and B; a new output still counts.
    EXPECT_EQ(dolomite(s, {"10000", "100", "80", "", "30", ""}), "1.270933E+07");
    // The output is read as a Single: beyond its range T keeps 10000.
    EXPECT_EQ(dolomite(s, {"1E+39", "100", "80", "20", "30", "30"}), "1.270933E+07");
    EXPECT_FLOAT_EQ(s.T, 10000);
}

}  // namespace
}  // namespace korrimet::air_emission
