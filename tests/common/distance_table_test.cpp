#include "common/distance_table.h"

#include <gtest/gtest.h>

#include "common/grid_result_file.h"
#include "common/number_text.h"

namespace korrimet {
namespace {

// Two values per row: x doubled and "bad" past 25, which then counts as failed
// and must not show its values.
bool twoValues(double x, std::vector<std::string>& values) {
    values.push_back(NumberText(2 * x));
    values.push_back(x > 25 ? "bad" : "ok");
    return x <= 25;
}

TEST(DistanceTable, RowsCarryTheDistanceAndATabBeforeEachValue) {
    std::vector<double> seen;
    TableRows rows = BuildTableRows({10, 20.5, 30, 40}, twoValues, [&](double x) { seen.push_back(x); });
    EXPECT_EQ(rows.text, "10\t20\tok\r20.5\t41\tok\r30\t无法计算\r40\t无法计算\r");
    EXPECT_EQ(rows.failedRows, 2u);
    EXPECT_EQ(rows.firstFailedX, 30);
    EXPECT_EQ(seen, (std::vector<double>{10, 20.5, 30, 40}));
    EXPECT_EQ(BuildTableRows({}, twoValues).text, "");
}

TEST(DistanceTable, LoopPlans) {
    // The end is inclusive and a step that misses it stops before it.
    EXPECT_EQ(PlanLoop({100, 1000, 100}, 100).values.size(), 10u);
    EXPECT_EQ(PlanLoop({10, 400, 20}, 100).values.back(), 390);
    EXPECT_EQ(PlanLoop({5, 5, 1}, 100).values, std::vector<double>{5});
    EXPECT_EQ(PlanLoop({300, 100, -100}, 100).values, (std::vector<double>{300, 200, 100}));
    EXPECT_TRUE(PlanLoop({300, 100, 100}, 100).values.empty());
    EXPECT_EQ(PlanLoop({100, 1000, 0}, 100).status, LoopPlan::Status::Endless);
    LoopPlan outside = PlanLoop({100, 50, 0}, 100);
    EXPECT_EQ(outside.status, LoopPlan::Status::Ready);
    EXPECT_TRUE(outside.values.empty());
    EXPECT_EQ(PlanLoop({0, 100, 1}, 100).status, LoopPlan::Status::TooLarge);
    EXPECT_EQ(PlanLoop({1, 100, 1}, 100).status, LoopPlan::Status::Ready);
    // A step too small to move the value never ends either.
    EXPECT_EQ(PlanLoop({1e20, 2e20, 1}, 100).status, LoopPlan::Status::TooLarge);
}

}  // namespace
}  // namespace korrimet
