#include "tools/tanks_dust/fixed_roof_tank.h"

#include <gtest/gtest.h>

#include "common/number_text.h"
#include "common/statement_failure.h"

using namespace korrimet;
using namespace korrimet::tanks::fixed_roof;

namespace {

struct FactorCase {
    double input;
    const char* expected;
};

std::string breathing(double d, double c, double kc) {
    return MaskText(BreathingLoss(150, 10100, d, 0.3, 15, 1.25, c, kc), "#########.######");
}
std::string working(double kn, double kc) { return MaskText(WorkingLoss(150, 10100, kn, kc), "#########.######"); }

}  // namespace

TEST(FixedRoofFactors, SmallDiameterFactorByDiameter) {
    const FactorCase cases[] = {{9, "1"}, {10, "1"}, {30, "1"}, {5, ".8032"}, {8.5, ".9969"}, {0, ".0037"}};
    for (const FactorCase& c : cases) EXPECT_EQ(SmallDiameterFactorText(c.input), c.expected) << "D = " << c.input;
}

TEST(FixedRoofFactors, TurnoverFactorJumpsAtBothBandLimits) {
    const FactorCase cases[] = {{36, "1"},      {37, ".90705"}, {100, ".45108"}, {220, ".25922"},
                                {221, "0.26"},  {1000, "0.26"}, {0, "1"}};
    for (const FactorCase& c : cases) EXPECT_EQ(TurnoverFactorText(c.input), c.expected) << "K = " << c.input;
}

TEST(FixedRoofLosses, WorkedExamples) {
    EXPECT_EQ(breathing(5, 0.8032, 0.65), "124.442963");
    EXPECT_EQ(working(0.45108, 0.65), ".186031");
    EXPECT_EQ(breathing(10, 1, 1), "790.706266");
    EXPECT_EQ(working(1, 1), ".634482");
}

TEST(FixedRoofLosses, VapourPressureAtOrBeyondTheLimitFails) {
    EXPECT_THROW(BreathingLoss(150, kVapourPressureLimit, 10, 0.3, 15, 1.25, 1, 1), StatementFailure);
    EXPECT_THROW(BreathingLoss(150, 120000, 10, 0.3, 15, 1.25, 1, 1), StatementFailure);  // negative base
    EXPECT_THROW(WorkingLoss(1e300, 1e300, 1, 1), StatementFailure);                      // overflow
}
