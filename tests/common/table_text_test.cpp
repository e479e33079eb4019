#include "common/table_text.h"

#include <gtest/gtest.h>

namespace korrimet {
namespace {

TEST(TableRows, SplitsOnBlanksAndTabsAndSkipsNotes) {
    const auto rows = TableRows("\xEF\xBB\xBF# 注释 1 2\r\n\nA\t0.07  0.10\r\n  \t \nE、F 0.25\t\t0.30");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].line, 3);
    EXPECT_EQ(rows[0].fields, (std::vector<std::string>{"A", "0.07", "0.10"}));
    EXPECT_EQ(rows[1].line, 5);
    EXPECT_EQ(rows[1].fields, (std::vector<std::string>{"E、F", "0.25", "0.30"}));
    EXPECT_TRUE(TableRows("").empty());
    EXPECT_TRUE(TableRows("# only a note\n").empty());
}

TEST(TableNumber, ReadsDecimalsAndExactQuotients) {
    const TableRow row{7, {"key", "-0.0098", "1/3", "2/3", "1E-05"}};
    EXPECT_EQ(TableNumber(row, 1), -0.0098);
    EXPECT_EQ(TableNumber(row, 2), 1.0 / 3);
    EXPECT_EQ(TableNumber(row, 3), 2.0 / 3);
    EXPECT_EQ(TableNumber(row, 4), 0.00001);
}

TEST(TableNumber, NamesTheLineOfABadField) {
    const TableRow row{12, {"key", "0.1a", "1/0", "/3"}};
    for (std::size_t i : {1u, 2u, 3u, 4u}) {
        try {
            TableNumber(row, i);
            ADD_FAILURE() << "field " << i << " read";
        } catch (const TableFormatError& e) {
            EXPECT_EQ(e.line(), 12);
            EXPECT_NE(std::string(e.what()).find("line 12"), std::string::npos);
        }
    }
    EXPECT_THROW(RequireFields(row, 3), TableFormatError);
    EXPECT_NO_THROW(RequireFields(row, 4));
}

}  // namespace
}  // namespace korrimet
