#include "tools/tanks_dust/fixed_roof_tank.h"

#include <gtest/gtest.h>

#include "common/statement_failure.h"

using namespace korrimet;
using namespace korrimet::tanks::fixed_roof;

namespace {

struct TextCase {
    const char* input;
    const char* expected;
};

LossTexts defaults(const char* d, const char* c, const char* kc, const char* kn) {
    return {"150", "10100", d, "0.3", "15", "1.25", c, kc, kn};
}

}  // namespace

TEST(FixedRoofFactors, SmallDiameterFactorByDiameter) {
    const TextCase cases[] = {
        {"9", "1"},     {"10", "1"},      {"30", "1"},  {"5", ".8032"}, {"8.5", ".9969"},
        {"0", ".0037"}, {"-1", "-.23"},   {"", "."},    {"abc", "."},   {"-", "."},
    };
    for (const TextCase& c : cases) EXPECT_EQ(SmallDiameterFactorText(c.input), c.expected) << "D = " << c.input;
}

TEST(FixedRoofFactors, TurnoverFactorJumpsAtBothBandLimits) {
    const TextCase cases[] = {
        {"36", "1"},        {"37", ".90705"}, {"100", ".45108"}, {"220", ".25922"}, {"221", "0.26"},
        {"1000", "0.26"},   {"0", "1"},       {"-5", "1"},       {"", "1"},         {"二十", "1"},
    };
    for (const TextCase& c : cases) EXPECT_EQ(TurnoverFactorText(c.input), c.expected) << "K = " << c.input;
}

TEST(FixedRoofLosses, WorkedExamples) {
    LossResult crude = LossesText(defaults("5", ".8032", "0.65", ".45108"));
    EXPECT_EQ(crude.breathing, "124.442963");
    EXPECT_EQ(crude.working, ".186031");

    LossResult other = LossesText(defaults("10", "1", "1", "1"));
    EXPECT_EQ(other.breathing, "790.706266");
    EXPECT_EQ(other.working, ".634482");
}

TEST(FixedRoofLosses, AZeroHeightEmptiesOnlyTheBreathingLoss) {
    LossTexts in = defaults("10", "1", "1", "1");
    in.h = "0";
    const LossCheck check = CheckLossInputs(in);
    EXPECT_TRUE(check.anyZero);
    EXPECT_TRUE(check.notNumbers.empty());
    const LossResult r = LossesText(in);
    EXPECT_EQ(r.breathing, ".");
    EXPECT_EQ(r.working, ".634482");
}

TEST(FixedRoofLosses, MissingValuesAreNamedAndOnlyTheirLossesFail) {
    LossTexts in = defaults("", "", "0.65", "");  // D, C and KN as a just-opened window has them
    const LossCheck check = CheckLossInputs(in);
    EXPECT_EQ(check.notNumbers, (std::vector<std::string>{"D", "C", "KN"}));
    EXPECT_FALSE(check.anyZero);
    const LossResult r = LossesText(in);
    EXPECT_EQ(r.breathing, ".");
    EXPECT_EQ(r.working, ".");

    in = defaults("", "1", "1", "1");  // LW does not depend on D
    EXPECT_EQ(LossesText(in).working, ".634482");
}

TEST(FixedRoofLosses, VapourPressureAtOrBeyondTheLimitFails) {
    EXPECT_THROW(BreathingLoss(150, 100910, 10, 0.3, 15, 1.25, 1, 1), StatementFailure);  // division by zero
    EXPECT_THROW(BreathingLoss(150, 120000, 10, 0.3, 15, 1.25, 1, 1), StatementFailure);  // negative base
    EXPECT_THROW(BreathingLoss(150, 10100, 10, 0.3, -15, 1.25, 1, 1), StatementFailure);  // negative ΔT
    EXPECT_THROW(WorkingLoss(1e300, 1e300, 1, 1), StatementFailure);                      // overflow
    EXPECT_EQ(LossesText({"150", "100910", "10", "0.3", "15", "1.25", "1", "1", "1"}).breathing, ".");
}
