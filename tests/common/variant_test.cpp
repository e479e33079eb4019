#include "common/variant.h"

#include <gtest/gtest.h>

#include "common/statement_failure.h"

namespace korrimet {
namespace {

TEST(Variant, ArithmeticOnTextsParsesThem) {
    Variant v = Variant::text("2") * Variant::integer(3);
    EXPECT_EQ(v.kind(), Variant::Kind::Double);
    EXPECT_DOUBLE_EQ(v.toNumber(), 6);
    EXPECT_DOUBLE_EQ((Variant::text("1") + Variant::integer(2)).toNumber(), 3);
    EXPECT_DOUBLE_EQ((Variant::text("0.1") - Variant::single(0.1f)).toNumber(), 0.1 - static_cast<double>(0.1f));
}

TEST(Variant, AddingTwoTextsJoinsThem) {
    Variant v = Variant::text("1") + Variant::text("2");
    EXPECT_EQ(v.kind(), Variant::Kind::Text);
    EXPECT_EQ(v.toText(), "12");
}

TEST(Variant, EmptyIsNothingInAJoinAndZeroInArithmetic) {
    EXPECT_EQ((Variant() + Variant::text("ab")).toText(), "ab");
    EXPECT_EQ((Variant() + Variant::text("ab")).kind(), Variant::Kind::Text);
    EXPECT_DOUBLE_EQ((Variant() * Variant::integer(5)).toNumber(), 0);
    EXPECT_EQ(join(Variant(), Variant::single(1.0f / 3)).toText(), "0.3333333");
    EXPECT_EQ(join(Variant::text("x="), Variant::dbl(1.0 / 3)).toText(), "x=0.333333333333333");
    EXPECT_EQ(Variant().toText(), "");
}

TEST(Variant, FailsOnTextThatIsNoNumber) {
    EXPECT_THROW(Variant::text("abc") * Variant::integer(2), StatementFailure);
    EXPECT_THROW(Variant::text("") - Variant::integer(2), StatementFailure);
    EXPECT_THROW(Variant::integer(1) / Variant::integer(0), StatementFailure);
    EXPECT_THROW(Variant::single(3e38f) * Variant::single(10), StatementFailure);
}

TEST(Variant, KeepsTheWiderKind) {
    EXPECT_EQ((Variant::single(1) + Variant::single(2)).kind(), Variant::Kind::Single);
    EXPECT_EQ((Variant::single(1) + Variant::dbl(2)).kind(), Variant::Kind::Double);
    EXPECT_EQ((Variant::integer(30000) + Variant::integer(30000)).kind(), Variant::Kind::Long);
    EXPECT_EQ(power(Variant::integer(2), Variant::integer(3)).kind(), Variant::Kind::Double);
    EXPECT_EQ((Variant::integer(1) / Variant::integer(2)).kind(), Variant::Kind::Double);
}

TEST(Variant, TextsCompareAsTexts) {
    EXPECT_LT(compare(Variant::text("10"), Variant::text("9")), 0);
    EXPECT_GT(compare(Variant::text("2.5"), Variant::text("10")), 0);
    EXPECT_GT(compare(Variant::dbl(10), Variant::dbl(9)), 0);
}

TEST(Variant, MaskOfAVariant) {
    EXPECT_EQ(MaskText(Variant(), "####.##"), ".");
    EXPECT_EQ(MaskText(Variant::text("abc"), "####.##"), "abc");
    EXPECT_EQ(MaskText(Variant::text("2.456"), "####.##"), "2.46");
    EXPECT_EQ(MaskText(Variant::single(0.5f), "0.00"), "0.50");
}

}  // namespace
}  // namespace korrimet
