#include "common/steps.h"

#include <gtest/gtest.h>

#include "common/number_text.h"
#include "common/stores.h"
#include "common/value_range.h"

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

TEST(Steps, ItsMessageNamesEachFailedEntryAndConditionOnce) {
    float q = 0, eta = 0;
    Steps steps;
    EXPECT_TRUE(steps.message().empty());
    steps.as("热值", [&] { q = single(ParseNumber("", Precision::Single)); });
    steps.as("热值", [&] { q = single(ParseNumber("", Precision::Single)); });
    steps.as("除尘效率", [&] {
        eta = single(ParseNumber("300", Precision::Single));
        RequireRange(eta, Range::Percent);
    });
    steps([&] { q = single(divide(1, 0)); });
    EXPECT_EQ(steps.failures(), 4);
    EXPECT_EQ(steps.message(),
              "无法计算，请检查：\n“热值”：未输入数值\n“除尘效率”：须在0～100之间\n出现除数为零");
}

TEST(ValueRange, BoundsAreInclusive) {
    EXPECT_TRUE(InRange(0, Range::Percent) && InRange(100, Range::Percent));
    EXPECT_FALSE(InRange(100.01, Range::Percent) || InRange(-0.01, Range::Percent));
    EXPECT_FALSE(InRange(0, Range::Positive));
    EXPECT_TRUE(InRange(0, Range::NonNegative) && InRange(1, Range::Fraction));
    EXPECT_FALSE(InRange(1.5, Range::Fraction));
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
