#include "tools/water/tannery.h"

#include <gtest/gtest.h>

#include "common/statement_failure.h"

namespace korrimet::water {
namespace {

const char* const kTable =
    "# box | 甲 | 乙\n"
    "hides | 猪盐湿皮 | 牛干皮\n"
    "Text2 | 123 | 140\n"
    "Text5 | 247.4 | 301\n"
    "Text14 | 1.8 | 2.5\n";

TEST(Tannery, APointMakesAFactorAndItsResultDouble) {
    const auto table = ParseTanneryTable(kTable);
    ASSERT_TRUE(table);
    ASSERT_EQ(table->rows.size(), 3u);
    EXPECT_EQ(table->rows[0].box, "Text2");
    EXPECT_TRUE(table->rows[0].factors[1].single);
    EXPECT_FALSE(table->rows[1].factors[0].single);
    // 0.1 as a Single tonnage: the Single result rounds it away, the Double one shows it.
    EXPECT_EQ(TanneryResultText(table->rows[0].factors[0], 0.1f), "12.3");
    EXPECT_EQ(TanneryResultText(table->rows[1].factors[0], 0.1f), "24.7400003686547");
    EXPECT_EQ(TanneryResultText(table->rows[1].factors[1], 1000), "301000");
    EXPECT_EQ(TanneryResultText(table->rows[2].factors[1], 1000), "2500");
}

TEST(Tannery, HidesAreMatchedExactly) {
    const auto table = ParseTanneryTable(kTable);
    ASSERT_TRUE(table);
    EXPECT_EQ(HideColumn(*table, "牛干皮"), 1u);
    EXPECT_FALSE(HideColumn(*table, "牛干皮 "));
    EXPECT_FALSE(HideColumn(*table, ""));
}

TEST(Tannery, ASingleResultBeyondItsRangeFailsItsStatement) {
    EXPECT_THROW(TanneryResultText({312, true}, 3e38f), StatementFailure);
    EXPECT_NO_THROW(TanneryResultText({0.5, false}, 3e38f));  // a Double has room
}

TEST(Tannery, MalformedTablesAreRefusedWithTheirLine) {
    std::string error;
    EXPECT_FALSE(ParseTanneryTable("Text2 | 1 | 2\n", &error));
    EXPECT_EQ(error, "line 1: factors before the hides line");
    EXPECT_FALSE(ParseTanneryTable("hides | a | b\nText2 | 1\n", &error));
    EXPECT_EQ(error, "line 2: one factor per hide is needed");
    EXPECT_FALSE(ParseTanneryTable("hides | a\n\nText2 | x\n", &error));
    EXPECT_EQ(error, "line 3: factor x is no number");
    EXPECT_FALSE(ParseTanneryTable("hides | a\n", &error));
}

}  // namespace
}  // namespace korrimet::water
