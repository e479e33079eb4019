#include "common/steps.h"

#include <gtest/gtest.h>

#include "common/number_text.h"
#include "common/stores.h"

namespace korrimet {
namespace {

TEST(Steps, AFailedStatementLeavesItsTargetAsItWas) {
    float q = 7, a = 1;
    Steps steps;
    EXPECT_FALSE(steps([&] { q = single(ParseNumber("", Precision::Single)); }));
    EXPECT_TRUE(steps([&] { a = single(ParseNumber("2", Precision::Single)); }));
    EXPECT_EQ(q, 7);
    EXPECT_EQ(a, 2);
    EXPECT_EQ(steps.failures(), 1);
}

TEST(Steps, ArithmeticFaultsFailTheStore) {
    float x = 5;
    double d = 5;
    Steps steps;
    steps([&] { x = single(1.0 / 0.0); });
    steps([&] { x = single(std::sqrt(-1.0)); });
    steps([&] { x = single(std::log(0.0)); });
    steps([&] { x = single(1e39); });
    steps([&] { d = dbl(1e308 * 10); });
    steps([&] { d = 1 / divide(1, 0); });  // the checked division fails even where 1/inf would be 0
    EXPECT_EQ(x, 5);
    EXPECT_EQ(d, 5);
    EXPECT_EQ(steps.failures(), 6);
}

TEST(Steps, TinyResultsBecomeZeroWithoutFailing) {
    float x = 5;
    Steps steps;
    EXPECT_TRUE(steps([&] { x = single(1e-50); }));
    EXPECT_EQ(x, 0);
}

TEST(Steps, AFailingConditionRunsItsBranch) {
    Steps steps;
    EXPECT_TRUE(steps.test([] { return ParseNumber("abc", Precision::Double) > 5; }));
    EXPECT_FALSE(steps.test([] { return ParseNumber("3", Precision::Double) > 5; }));
}

TEST(Stores, WholeNumbersRoundHalfToEven) {
    EXPECT_EQ(toLong(2.5), 2);
    EXPECT_EQ(toLong(3.5), 4);
    EXPECT_EQ(toLong(-2.5), -2);
    EXPECT_THROW(toLong(3e9), StatementFailure);
    EXPECT_THROW(toInteger(40000), StatementFailure);
    EXPECT_EQ(toInteger(-32768), -32768);
}

}  // namespace
}  // namespace korrimet
