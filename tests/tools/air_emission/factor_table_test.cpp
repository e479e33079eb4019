#include "tools/air_emission/factor_table.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace korrimet::air_emission {
namespace {

using Items = std::vector<std::string>;

TEST(FactorTable, ReadsRowsAroundCommentsBlanksAndLineEnds) {
    const FactorTable t = FactorTable::Parse(
        "# a comment | 1\n"
        "\n"
        "  甲 |  一 | 1.5  \r\n"
        "\t# indented comment\n"
        "甲|二|2E-3\n"
        "乙 | 一 | -4\n");
    ASSERT_EQ(t.rows().size(), 3u);
    EXPECT_EQ(t.rows()[0].keys, Items({"甲", "一"}));
    EXPECT_EQ(t.find({"甲", "一"}), 1.5);
    EXPECT_EQ(t.find({"甲", "二"}), 0.002);
    EXPECT_EQ(t.find({"乙", "一"}), -4);
}

TEST(FactorTable, FindsOnlyExactKeys) {
    const FactorTable t = FactorTable::Parse("通用 | 反射炉 | 0.91\n通用 | 反射炉 | 7\n");
    EXPECT_EQ(t.find({"通用", "反射炉"}), 0.91);  // the first of equal rows
    EXPECT_FALSE(t.find({"通用 ", "反射炉"}));
    EXPECT_FALSE(t.find({"通用"}));
    EXPECT_FALSE(t.find({"通用", "反射炉", "x"}));
    EXPECT_FALSE(t.find({"", "反射炉"}));
}

TEST(FactorTable, ColumnsListItemsInOrderOfFirstAppearance) {
    const FactorTable t = FactorTable::Parse(
        "A | x | 1 | 1\n"
        "A | y | 2 | 1\n"
        "A | x | 3 | 1\n"
        "B | z | 1 | 1\n"
        "C | 9\n");
    EXPECT_EQ(t.column(0), Items({"A", "B", "C"}));
    EXPECT_EQ(t.column(1, {"A"}), Items({"x", "y"}));
    EXPECT_EQ(t.column(2, {"A"}), Items({"1", "2", "3"}));
    EXPECT_EQ(t.column(2, {"A", "x"}), Items({"1", "3"}));
    EXPECT_EQ(t.column(1), Items({"x", "y", "z"}));  // C has no second key
    EXPECT_TRUE(t.column(1, {"D"}).empty());
}

TEST(FactorTable, RefusesMalformedLinesNamingThem) {
    const char* bad[] = {"甲\n", "甲 | | 1\n", "甲 | 一 | abc\n", "甲 | 一 |\n", "| 1\n"};
    for (const char* text : bad) EXPECT_THROW(FactorTable::Parse(text), std::invalid_argument) << text;
    try {
        FactorTable::Parse("# head\n甲 | 1\n乙 | x\n");
        FAIL() << "no error";
    } catch (const std::invalid_argument& e) {
        EXPECT_NE(std::string(e.what()).find("line 3"), std::string::npos) << e.what();
    }
    try {
        FactorTable::Parse("甲 | 1\n 乙 | x\r\n");
        FAIL() << "no error";
    } catch (const std::invalid_argument& e) {
        EXPECT_STREQ(e.what(), "line 2: factor is no number:  乙 | x\r");
    }
}

}  // namespace
}  // namespace korrimet::air_emission
