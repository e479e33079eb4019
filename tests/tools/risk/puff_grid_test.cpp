#include "tools/risk/puff_grid.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace korrimet::risk {
namespace {

PuffTexts defaults() { return {"12000000", "200", "200", "100", "0", "0", "1"}; }

std::vector<std::string> row(const PuffTexts& p, double x, const std::vector<double>& ys, bool* allOk = nullptr) {
    GridCell cell = PuffGridCell(p);
    std::vector<std::string> cells;
    bool ok = true;
    for (double y : ys) {
        std::string text;
        ok = cell(x, y, text) && ok;
        cells.push_back(text);
    }
    if (allOk) *allOk = ok;
    return cells;
}

TEST(PuffGrid, DefaultRangesGiveElevenByElevenFromZero) {
    std::optional<GridPlan> plan = PlanPuffGrid({"5000", "500", "1000", "100"});
    ASSERT_TRUE(plan);
    ASSERT_EQ(plan->status, GridPlan::Status::Ready);
    EXPECT_EQ(plan->xs, (std::vector<double>{0, 500, 1000, 1500, 2000, 2500, 3000, 3500, 4000, 4500, 5000}));
    EXPECT_EQ(plan->ys.size(), 11u);
    EXPECT_EQ(plan->ys.back(), 1000);
}

TEST(PuffGrid, RangesAndStepsCountByTheirWholeParts) {
    std::optional<GridPlan> plan = PlanPuffGrid({"1000.9", "499.5", "-0.5", "100"});
    ASSERT_TRUE(plan);
    EXPECT_EQ(plan->xs, (std::vector<double>{0, 499, 998}));
    EXPECT_TRUE(plan->ys.empty());  // the whole part of -0.5 is -1
    // A negative step from 0 towards a positive end yields no row.
    plan = PlanPuffGrid({"5000", "-500", "1000", "100"});
    ASSERT_TRUE(plan);
    EXPECT_TRUE(plan->xs.empty());
    EXPECT_EQ(plan->ys.size(), 11u);
    // A step whose whole part is 0 would never end.
    EXPECT_EQ(PlanPuffGrid({"5000", "0.5", "1000", "100"})->status, GridPlan::Status::EndlessX);
    EXPECT_EQ(PlanPuffGrid({"5000", "500", "1000", "0.9"})->status, GridPlan::Status::EndlessY);
    for (PuffGridTexts bad : {PuffGridTexts{"", "500", "1000", "100"}, PuffGridTexts{"5000", "x", "1000", "100"},
                              PuffGridTexts{"5000", "500", ".", "100"}, PuffGridTexts{"5000", "500", "1000", "1e"}})
        EXPECT_FALSE(PlanPuffGrid(bad));
    EXPECT_EQ(PuffGridXRange("2500.9"), 2500);
}

TEST(PuffGrid, CellsAreRoundedToSixDecimalsAndFlooredAt1E08) {
    const std::vector<double> ys{0, 100, 200, 300, 400, 500, 600, 700, 800, 900, 1000};
    EXPECT_EQ(row(defaults(), 0, ys), (std::vector<std::string>{"0.380943", "0.336181", "0.231053", "0.123674",
                                                                "0.051555", "0.016737", "0.004232", "0.000833",
                                                                "0.000128", "1.5E-05", "1E-06"}));
    const std::vector<std::string> far = row(defaults(), 1000, ys);
    for (int i = 0; i <= 2; ++i) EXPECT_EQ(far[i], "1E-06") << i;
    EXPECT_EQ(far[3], "4.608902E-07");  // rounds to nothing, so kept as computed
    for (int i = 7; i <= 10; ++i) EXPECT_EQ(far[i], "1E-08") << i;
    for (const std::string& cell : row(defaults(), 5000, ys)) EXPECT_EQ(cell, "1E-08");
}

TEST(PuffGrid, AParameterThatIsNoNumberGivesTheFloorAndIsReported) {
    PuffTexts p = defaults();
    p.sz = "0";
    bool ok = true;
    for (const std::string& cell : row(p, 0, {0, 100}, &ok)) EXPECT_EQ(cell, "1E-08");
    EXPECT_FALSE(ok);
    row(defaults(), 5000, {0, 100}, &ok);
    EXPECT_TRUE(ok);  // an underflow to 0 is no failure
}

}  // namespace
}  // namespace korrimet::risk
