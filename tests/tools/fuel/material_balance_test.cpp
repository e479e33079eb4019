#include "tools/fuel/material_balance.h"

#include <gtest/gtest.h>

#include "common/number_text.h"
#include "common/statement_failure.h"

namespace korrimet::fuel {
namespace {

std::string soot(double b, double a, double dfh, double cfh, double eta1) {
    return ResultMaskText(CoalSoot(b, a, dfh, cfh, eta1), kSootMask);
}

TEST(CoalFiring, DefaultInputsGiveTheMethodsWorkedValues) {
    EXPECT_EQ(soot(300, 25, 20, 30, 83.3), "3578.57");
    EXPECT_EQ(MaskText(CoalSulphurDioxide(300, 0.24, 90), kSulphurDioxideMask), "115.2");
    EXPECT_EQ(MaskText(CarbonMonoxide(300, 80, 3), kCarbonMonoxideMask), "16776.");
    EXPECT_EQ(MaskText(CoalNitrogenOxides(300, 50), kNitrogenOxidesMask), "4126.18");
}

TEST(CoalFiring, RemovalEfficiencyAndSulphurScaleTheSulphurDioxide) {
    EXPECT_EQ(MaskText(CoalSulphurDioxide(300, 1, 90), kSulphurDioxideMask), "480.");
    EXPECT_EQ(MaskText(CoalSulphurDioxide(300, 1, 0), kSulphurDioxideMask), "4800.");
    EXPECT_EQ(ResultMaskText(CoalSulphurDioxide(300, 1, 100), kSulphurDioxideMask), "0");
}

TEST(CoalFiring, CarbonAndIncompleteCombustionMultiply) {
    // Q and C enter symmetrically in value; only the order of rounding differs.
    EXPECT_EQ(MaskText(CarbonMonoxide(1, 90, 4), kCarbonMonoxideMask), "83.88");
    EXPECT_EQ(MaskText(CarbonMonoxide(10000000, 80, 3), kCarbonMonoxideMask), "559200000.");
}

TEST(CoalFiring, NitrogenOxidesKeepTheConstantTermAtZeroConversion) {
    EXPECT_EQ(MaskText(CoalNitrogenOxides(1000, 0), kNitrogenOxidesMask), "1528.94");
    EXPECT_EQ(MaskText(CoalNitrogenOxides(300, 25), kNitrogenOxidesMask), "2292.43");
}

TEST(CoalFiring, ZeroSootShowsZeroNotALonePoint) {
    EXPECT_EQ(soot(300, 25, 20, 30, 100), "0");
    EXPECT_EQ(soot(0, 25, 20, 30, 83.3), "0");
}

TEST(CoalFiring, AllCombustibleSootIsAZeroDivisor) {
    EXPECT_THROW(CoalSoot(300, 25, 20, 100, 83.3), StatementFailure);
    EXPECT_THROW(CoalSoot(0, 25, 20, 100, 83.3), StatementFailure);
}

TEST(CoalFiring, ResultsBeyondTheDoubleRangeFail) {
    EXPECT_THROW(CoalSoot(1e306, 25, 20, 30, 0), StatementFailure);
    EXPECT_THROW(CoalSulphurDioxide(1e306, 1, 0), StatementFailure);
    EXPECT_THROW(CarbonMonoxide(1e306, 80, 3), StatementFailure);
    EXPECT_THROW(CoalNitrogenOxides(1e308, 50), StatementFailure);
}

TEST(CoalFiring, NegativeAndOverHundredPercentInputsAreTakenAsTyped) {
    EXPECT_EQ(soot(-300, 25, 20, 30, 83.3), "-3578.57");
    EXPECT_EQ(MaskText(CoalSulphurDioxide(300, 0.24, 110), kSulphurDioxideMask), "-115.2");
}

TEST(OilFiring, DefaultInputsGiveTheWorkedValues) {
    EXPECT_EQ(MaskText(OilSulphurDioxide(600, 0.24, 0), kOilMask), "2880.");
    EXPECT_EQ(MaskText(CarbonMonoxide(600, 90, 2), kOilMask), "25164.");
    EXPECT_EQ(MaskText(OilNitrogenOxides(600, 0.14, 40), kOilMask), "1465.04");
}

TEST(OilFiring, NitrogenTimesConversionAddsToTheConstantTerm) {
    EXPECT_EQ(MaskText(OilNitrogenOxides(600, 0.14, 50), kOilMask), "1601.96");
    EXPECT_EQ(MaskText(OilNitrogenOxides(600, 0, 40), kOilMask), "917.36");
    EXPECT_EQ(MaskText(OilNitrogenOxides(600, 0.14, 0), kOilMask), "917.36");
}

TEST(OilFiring, SmallAmountsShowNoZeroBeforeThePoint) {
    EXPECT_EQ(MaskText(OilSulphurDioxide(0.1, 0.24, 0), kOilMask), ".48");
    EXPECT_EQ(MaskText(CarbonMonoxide(0.1, 90, 2), kOilMask), "4.19");
    EXPECT_EQ(MaskText(OilNitrogenOxides(0.1, 0.14, 40), kOilMask), ".24");
    EXPECT_EQ(MaskText(OilSulphurDioxide(600, 0.24, 90), kOilMask), "288.");
}

TEST(GasFiring, DefaultInputsGiveTheWorkedValues) {
    EXPECT_EQ(MaskText(GasSulphurDioxide(300, 0.05), kGasMask), ".43");
    EXPECT_EQ(MaskText(GasCarbonMonoxide(300, 2, 5, 95, 0), kGasMask), "7.5");
    EXPECT_EQ(MaskText(GasSulphurDioxide(1000, 0.05), kGasMask), "1.43");
    EXPECT_EQ(MaskText(GasCarbonMonoxide(1000, 2, 5, 95, 0), kGasMask), "25.");
}

TEST(GasFiring, OtherAlkanesWeighThirteenTimes) {
    EXPECT_EQ(MaskText(GasCarbonMonoxide(300, 2, 5, 95, 10), kGasMask), "17.25");
    EXPECT_EQ(MaskText(GasCarbonMonoxide(300, 2, 0, 0, 1), kGasMask), ".98");
    EXPECT_EQ(ResultMaskText(GasCarbonMonoxide(300, 2, 0, 0, 0), kGasMask), "0");
    EXPECT_EQ(ResultMaskText(GasCarbonMonoxide(300, 0, 5, 95, 0), kGasMask), "0");
}

TEST(OilAndGasFiring, ResultsBeyondTheDoubleRangeFail) {
    EXPECT_THROW(OilSulphurDioxide(1e306, 1, 0), StatementFailure);
    EXPECT_THROW(OilNitrogenOxides(1e306, 1, 40), StatementFailure);
    EXPECT_THROW(GasSulphurDioxide(1e306, 100), StatementFailure);
    EXPECT_THROW(GasCarbonMonoxide(1e307, 100, 5, 95, 0), StatementFailure);
}

}  // namespace
}  // namespace korrimet::fuel
