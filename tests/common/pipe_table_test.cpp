#include "common/pipe_table.h"

#include <gtest/gtest.h>

namespace korrimet {
namespace {

using Fields = std::vector<std::string>;

TEST(PipeTable, FieldsAreTrimmedAndCommentsAndBlankLinesSkipped) {
    const auto records = SplitPipeTable("# 注释 | 不是数据\n\n 甲 |  1.5 |\t全角　 \r\n   \n乙\n#\n丙||丁");
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0].line, 3);
    // Only ASCII blanks are dropped; a full-width blank stays part of the text.
    EXPECT_EQ(records[0].fields, Fields({"甲", "1.5", "全角　"}));
    EXPECT_EQ(records[1].line, 5);
    EXPECT_EQ(records[1].fields, Fields({"乙"}));
    EXPECT_EQ(records[2].line, 7);
    EXPECT_EQ(records[2].fields, Fields({"丙", "", "丁"}));
}

TEST(PipeTable, EmptyTextAndTrailingBarsKeepTheirEmptyFields) {
    EXPECT_TRUE(SplitPipeTable("").empty());
    EXPECT_TRUE(SplitPipeTable("\n\n").empty());
    const auto records = SplitPipeTable("a | ");
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].fields, Fields({"a", ""}));
}

TEST(PipeTable, RecordsKeepTheirLineAsWrittenForMessages) {
    const auto records = SplitPipeTable("#\n  甲 | 1 \r\n");
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].text, "  甲 | 1 \r");
    EXPECT_EQ(TrimPipeBlanks(" \t　甲　\r "), "　甲　");
    EXPECT_EQ(TrimPipeBlanks(" \t\r"), "");
}

}  // namespace
}  // namespace korrimet
