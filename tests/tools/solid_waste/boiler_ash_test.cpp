#include "tools/solid_waste/boiler_ash.h"

#include <gtest/gtest.h>

#include "common/statement_failure.h"

namespace korrimet::solid_waste {
namespace {

const AshInputs kDefaults{"300", "25", "20", "30", "90", "17.5"};

struct Kilograms {
    std::string slag, flyAsh, total;
};

// The three result texts as the window writes them.
Kilograms kilograms(const AshInputs& in) {
    const AshAmounts a = BoilerAsh(in);
    return {WholeKilogramText(a.slag), WholeKilogramText(a.flyAsh), WholeKilogramText(a.slag + a.flyAsh)};
}

void expectKilograms(const AshInputs& in, const Kilograms& want) {
    const Kilograms got = kilograms(in);
    EXPECT_EQ(got.slag, want.slag);
    EXPECT_EQ(got.flyAsh, want.flyAsh);
    EXPECT_EQ(got.total, want.total);
}

TEST(BoilerAsh, DefaultsGiveTheHandbookExample) {
    const AshAmounts a = BoilerAsh(kDefaults);
    EXPECT_DOUBLE_EQ(a.slag.toNumber(), 600000.0 / 8250.0);
    EXPECT_DOUBLE_EQ(a.flyAsh.toNumber(), 13500000.0 / 700000.0);
    // Cut, not rounded: 72727.27, 19285.71 and 92012.99 kg.
    expectKilograms(kDefaults, {"72727", "19285", "92012"});
}

TEST(BoilerAsh, AFailedAmountCountsAsNothing) {
    AshInputs in = kDefaults;
    in.coal = "abc";
    expectKilograms(in, {"0", "0", "0"});
    in = kDefaults;
    in.ash = "";
    expectKilograms(in, {"0", "0", "0"});

    // An empty flue share leaves the slag's share of the ash empty, which
    // multiplies as 0: no slag, and no fly ash since its own statement fails.
    in = kDefaults;
    in.flueShare = "";
    const AshAmounts a = BoilerAsh(in);
    EXPECT_FALSE(a.slag.isEmpty());
    EXPECT_TRUE(a.flyAsh.isEmpty());
    expectKilograms(in, {"0", "0", "0"});

    in = kDefaults;
    in.slagCombustibles = "100";  // zero divisor
    expectKilograms(in, {"0", "19285", "19285"});
    in.slagCombustibles = "x";
    expectKilograms(in, {"0", "19285", "19285"});

    in = kDefaults;
    in.dustCombustibles = "100";
    expectKilograms(in, {"72727", "0", "72727"});
    in = kDefaults;
    in.efficiency = "";
    expectKilograms(in, {"72727", "0", "72727"});
}

TEST(BoilerAsh, PercentagesAreTakenAsTyped) {
    AshInputs in = kDefaults;
    in.slagCombustibles = "117.5";  // -342.857… t
    expectKilograms(in, {"-342858", "19285", "-323572"});
    in = kDefaults;
    in.coal = "1,000";
    expectKilograms(in, {"242424", "64285", "306709"});
    in.coal = " 3e2 ";
    expectKilograms(in, {"72727", "19285", "92012"});
}

TEST(BoilerAsh, LargeAmountsTurnToENotationAndOverflowFails) {
    AshInputs in = kDefaults;
    in.coal = "300000000000";  // 3e11 t
    expectKilograms(in, {"72727272727272", "19285714285714", "92012987012987"});
    in.coal = "3000000000000";
    expectKilograms(in, {"727272727272727", "192857142857142", "920129870129870"});
    in.coal = "30000000000000";
    EXPECT_EQ(kilograms(in).slag, "7.27272727272727E+15");

    in.coal = "1e306";  // B × A × R overflows: both statements fail
    const AshAmounts a = BoilerAsh(in);
    EXPECT_TRUE(a.slag.isEmpty());
    EXPECT_TRUE(a.flyAsh.isEmpty());
    EXPECT_THROW(WholeKilogramText(Variant::dbl(1e306)), StatementFailure);
}

TEST(BoilerAsh, NoNegativeZero) {
    AshInputs in = kDefaults;
    in.coal = "0";
    in.slagCombustibles = "150";  // 0 over a negative divisor
    expectKilograms(in, {"0", "0", "0"});
}

}  // namespace
}  // namespace korrimet::solid_waste
