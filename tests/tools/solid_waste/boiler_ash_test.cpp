#include "tools/solid_waste/boiler_ash.h"

#include <gtest/gtest.h>

#include "common/statement_failure.h"

namespace korrimet::solid_waste {
namespace {

const AshInputs kDefaults{300, 25, 20, 30, 90, 17.5};

TEST(BoilerAsh, DefaultsGiveTheHandbookExample) {
    EXPECT_DOUBLE_EQ(Slag(kDefaults), 600000.0 / 8250.0);
    EXPECT_DOUBLE_EQ(FlyAsh(kDefaults), 13500000.0 / 700000.0);
    // Cut, not rounded: 72727.27, 19285.71 and 92012.99 kg.
    EXPECT_EQ(WholeKilogramText(Slag(kDefaults)), "72727");
    EXPECT_EQ(WholeKilogramText(FlyAsh(kDefaults)), "19285");
    EXPECT_EQ(WholeKilogramText(Slag(kDefaults) + FlyAsh(kDefaults)), "92012");
}

TEST(BoilerAsh, AllCombustibleDividesByZero) {
    AshInputs in = kDefaults;
    in.slagCombustibles = 100;
    EXPECT_THROW(Slag(in), StatementFailure);
    EXPECT_EQ(WholeKilogramText(FlyAsh(in)), "19285");
    in = kDefaults;
    in.dustCombustibles = 100;
    EXPECT_THROW(FlyAsh(in), StatementFailure);
}

// Exact decimal amounts: B 300, A 13, dfh 17, Ciz 0 gives 300 × 13 × 83 /
// 10000 = 32.37 t = 32370 kg, and 0.3 − 0.1 t = 200 kg; as doubles both lie
// just below and were cut a kilogram short.
TEST(BoilerAsh, ExactAmountsAreNotCutBelowThemselves) {
    EXPECT_EQ(WholeKilogramText(Slag({300, 13, 17, 30, 90, 0})), "32370");
    EXPECT_EQ(WholeKilogramText(0.3 - 0.1), "200");  // 199.99999999999997 kg
    EXPECT_EQ(WholeKilogramText(32.3699994), "32369");  // a true fraction below is still cut
    EXPECT_EQ(WholeKilogramText(-342.857142), "-342858");
}

TEST(BoilerAsh, LargeAmountsTurnToENotationAndOverflowFails) {
    AshInputs in = kDefaults;
    in.coal = 3e11;
    EXPECT_EQ(WholeKilogramText(Slag(in)), "72727272727272");
    in.coal = 3e13;
    EXPECT_EQ(WholeKilogramText(Slag(in)), "7.27272727272727E+15");
    in.coal = 1e306;  // B × A × R overflows
    EXPECT_THROW(Slag(in), StatementFailure);
    EXPECT_THROW(WholeKilogramText(1e306), StatementFailure);
    EXPECT_EQ(WholeKilogramText(-0.0), "0");
}

}  // namespace
}  // namespace korrimet::solid_waste
