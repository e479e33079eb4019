#include "tools/water/cumulative_flow.h"

#include <gtest/gtest.h>

#include "common/number_text.h"

namespace korrimet::water {
namespace {

CumulativeFlowInputs river4() {
    CumulativeFlowInputs in;
    in.qh = 10;
    in.h = 0.5f;
    in.ch = 0.1f;
    in.my = 5;
    in.qp = 1;
    in.a = 0;
    in.cp = 100;
    in.u = 0.2f;
    return in;
}

CumulativeFlowInputs river8() {
    CumulativeFlowInputs in = river4();
    in.decays = true;
    in.k1 = 1;
    return in;
}

std::string point(const CumulativeFlowInputs& in, std::optional<double> x, double y) {
    std::optional<RiverPoint> p = CumulativeFlowPoint(in, x, y);
    return p ? MaskText(p->c, kCumulativeFlowMask) : "refused";
}

TEST(CumulativeFlow, WorkedValues) {
    EXPECT_NEAR(CumulativeFlowPoint(river4(), 10, 10)->c, 32.38684, 1e-5);
    EXPECT_EQ(point(river4(), 10, 10), "32.3868");
    EXPECT_EQ(point(river8(), 10, 10), "32.3681");
    CumulativeFlowInputs off = river4();
    off.a = 10;
    EXPECT_EQ(point(off, 10, 10), "23.4971");
}

TEST(CumulativeFlow, ARectangularRiverGivesTheStraightRiverValues) {
    // Qh = u·H·B for B = 50.
    CumulativeFlowInputs in = river4();
    in.h = 1;
    in.u = 0.5f;
    in.qh = 25;
    in.my = 2;
    in.ch = 0.3f;
    River2Inputs straight{0.3f, 100, 1, 2, 0.5f, 1, 50, 0};
    for (float a : {0.0f, 5.0f}) {
        in.a = straight.a = a;
        for (auto [x, y] : {std::pair{10.0f, 0.0f}, {40.0f, 12.0f}, {500.0f, 45.0f}, {120.0f, -3.0f}})
            EXPECT_NEAR(CumulativeFlowPoint(in, x, y)->c, River2Concentration(straight, x, y).c, 1e-4)
                << "a=" << a << " x=" << x << " y=" << y;
    }
}

TEST(CumulativeFlow, BankOutletSkipsFailedTerms) {
    // X = 0: the outlet and image terms fail and count as 0; D(0) = 1.
    EXPECT_EQ(point(river4(), 0, 10), ".1");
    EXPECT_EQ(point(river8(), 0, 10), ".1");
    EXPECT_TRUE(CumulativeFlowPoint(river4(), 0, 10)->failed);
    // X that is no number also fails the decay, which leaves 0.
    EXPECT_EQ(point(river4(), std::nullopt, 10), ".1");
    EXPECT_EQ(point(river8(), std::nullopt, 10), ".");
    CumulativeFlowInputs still = river8();
    still.u = 0;
    EXPECT_EQ(point(still, 10, 10), ".");
}

TEST(CumulativeFlow, OutletOffTheBankRefusesWhatItCannotCompute) {
    CumulativeFlowInputs off = river4();
    off.a = 10;
    EXPECT_EQ(point(off, 0, 10), "refused");
    EXPECT_EQ(point(off, -10, 10), "refused");
    EXPECT_EQ(point(off, std::nullopt, 10), "refused");
    for (float CumulativeFlowInputs::*input : {&CumulativeFlowInputs::h, &CumulativeFlowInputs::u,
                                               &CumulativeFlowInputs::my}) {
        CumulativeFlowInputs zero = off;
        zero.*input = 0;
        EXPECT_EQ(point(zero, 10, 10), "refused");
    }
    // The cumulative flow itself must be computable, whatever a is.
    CumulativeFlowInputs fast = river4();
    fast.h = 4;
    fast.u = 1;
    EXPECT_EQ(point(fast, 10, 1e308), "refused");
}

TEST(CumulativeFlow, GridCellsUseTheShortMaskAndStartAfresh) {
    CumulativeFlowInputs in = river4();
    GridCell cell = CumulativeFlowCell(in);
    std::string row;
    EXPECT_TRUE(cell(10, 0, row));
    EXPECT_EQ(row, "35.7825");
    row.clear();
    EXPECT_FALSE(cell(0, 0, row));
    EXPECT_EQ(row, ".1");
    // A whole value keeps its point.
    in.cp = 0;
    in.ch = 12;
    row.clear();
    EXPECT_TRUE(CumulativeFlowCell(in)(10, 0, row));
    EXPECT_EQ(row, "12.");
    // Off the bank the cells skip failures too, rather than refusing.
    in = river4();
    in.a = 10;
    row.clear();
    EXPECT_FALSE(CumulativeFlowCell(in)(0, 0, row));
    EXPECT_EQ(row, ".1");
}

}  // namespace
}  // namespace korrimet::water
