#include "tools/fuel/coal_firing.h"

#include <gtest/gtest.h>

#include "common/number_text.h"
#include "common/statement_failure.h"

namespace korrimet::fuel {
namespace {

std::string soot(double b, double a, double dfh, double cfh, double eta1) {
    return MaskText(CoalSoot(b, a, dfh, cfh, eta1), kSootMask);
}

TEST(CoalFiring, DefaultInputsGiveTheMethodsWorkedValues) {
    EXPECT_EQ(soot(300, 25, 20, 30, 83.3), "3578.57");
    EXPECT_EQ(MaskText(CoalSulphurDioxide(300, 0.24, 90), kSulphurDioxideMask), "115.2");
    EXPECT_EQ(MaskText(CoalCarbonMonoxide(300, 80, 3), kCarbonMonoxideMask), "16776.");
    EXPECT_EQ(MaskText(CoalNitrogenOxides(300, 50), kNitrogenOxidesMask), "4126.18");
}

TEST(CoalFiring, RemovalEfficiencyAndSulphurScaleTheSulphurDioxide) {
    EXPECT_EQ(MaskText(CoalSulphurDioxide(300, 1, 90), kSulphurDioxideMask), "480.");
    EXPECT_EQ(MaskText(CoalSulphurDioxide(300, 1, 0), kSulphurDioxideMask), "4800.");
    EXPECT_EQ(MaskText(CoalSulphurDioxide(300, 1, 100), kSulphurDioxideMask), ".");
}

TEST(CoalFiring, CarbonAndIncompleteCombustionMultiply) {
    // Q and C enter symmetrically in value; only the order of rounding differs.
    EXPECT_EQ(MaskText(CoalCarbonMonoxide(1, 90, 4), kCarbonMonoxideMask), "83.88");
    EXPECT_EQ(MaskText(CoalCarbonMonoxide(10000000, 80, 3), kCarbonMonoxideMask), "559200000.");
}

TEST(CoalFiring, NitrogenOxidesKeepTheConstantTermAtZeroConversion) {
    EXPECT_EQ(MaskText(CoalNitrogenOxides(1000, 0), kNitrogenOxidesMask), "1528.94");
    EXPECT_EQ(MaskText(CoalNitrogenOxides(300, 25), kNitrogenOxidesMask), "2292.43");
}

TEST(CoalFiring, ZeroSootShowsThePointAlone) {
    EXPECT_EQ(soot(300, 25, 20, 30, 100), ".");
    EXPECT_EQ(soot(0, 25, 20, 30, 83.3), ".");
}

TEST(CoalFiring, AllCombustibleSootIsAZeroDivisor) {
    EXPECT_THROW(CoalSoot(300, 25, 20, 100, 83.3), StatementFailure);
    EXPECT_THROW(CoalSoot(0, 25, 20, 100, 83.3), StatementFailure);
}

TEST(CoalFiring, ResultsBeyondTheDoubleRangeFail) {
    EXPECT_THROW(CoalSoot(1e306, 25, 20, 30, 0), StatementFailure);
    EXPECT_THROW(CoalSulphurDioxide(1e306, 1, 0), StatementFailure);
    EXPECT_THROW(CoalCarbonMonoxide(1e306, 80, 3), StatementFailure);
    EXPECT_THROW(CoalNitrogenOxides(1e308, 50), StatementFailure);
}

TEST(CoalFiring, NegativeAndOverHundredPercentInputsAreTakenAsTyped) {
    EXPECT_EQ(soot(-300, 25, 20, 30, 83.3), "-3578.57");
    EXPECT_EQ(MaskText(CoalSulphurDioxide(300, 0.24, 110), kSulphurDioxideMask), "-115.2");
}

}  // namespace
}  // namespace korrimet::fuel
