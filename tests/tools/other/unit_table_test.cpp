#include "tools/other/unit_table.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace korrimet::other {
namespace {

std::string storedTable() {
    std::ifstream in(KORRIMET_TEST_DATA "/../../src/tools/other/data/unit_lines.txt", std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

const std::vector<UnitCategory>& table() {
    static const std::vector<UnitCategory> t = ReadUnitTable(storedTable());
    return t;
}

std::optional<std::string> convert(const char* line, const char* amount) {
    const UnitLine* row = FindConversion(table(), line);
    if (!row) return "no such line";
    return ConvertedText(*row, amount);
}

TEST(UnitTable, TwentyCategoriesOf149LinesAndTheFirst54Convert) {
    const std::vector<std::size_t> sizes = {18, 14, 18, 10, 7, 5, 4, 5, 16, 3, 2, 2, 14, 4, 2, 2, 3, 11, 6, 3};
    ASSERT_EQ(table().size(), sizes.size());
    std::size_t total = 0, converting = 0;
    bool readingOnlySeen = false;
    for (std::size_t c = 0; c < sizes.size(); ++c) {
        EXPECT_EQ(table()[c].lines.size(), sizes[c]) << table()[c].caption;
        for (const UnitLine& l : table()[c].lines) {
            ++total;
            if (l.factor) {
                ++converting;
                EXPECT_FALSE(readingOnlySeen) << "a converting line after a reading-only one: " << l.text;
            } else {
                readingOnlySeen = true;
            }
        }
    }
    EXPECT_EQ(total, 149u);
    EXPECT_EQ(converting, 54u);
    EXPECT_EQ(table().front().caption, "长度单位查询");
    EXPECT_EQ(table()[3].caption, "质量单位查询");
    EXPECT_EQ(table().back().caption, "热当量查询");
    EXPECT_EQ(table()[3].lines[4].text, "1千克（kg）=2.205磅（lb）");
    EXPECT_EQ(table()[12].lines.back().text, "1大卡=4186.75焦耳（J）");
}

TEST(UnitTable, PickedLinesSetTheirUnitTexts) {
    const UnitLine* longTon = FindConversion(table(), "1吨（t）=0.984长吨（long ton）");
    ASSERT_TRUE(longTon);
    EXPECT_EQ(longTon->fromUnit, "吨（t）");
    EXPECT_EQ(longTon->toUnit, "长吨（long ton）");
    EXPECT_EQ(FindConversion(table(), "1英尺（ft）=0.3048米（m）")->toUnit, "（m）");
    EXPECT_EQ(FindConversion(table(), "1万亿立方英尺（tcf）=283.17亿立方米（m^3）")->fromUnit, "1万亿立方英尺（tcf）");
    EXPECT_EQ(FindConversion(table(), "1码（yd）=3英尺（ft）")->fromUnit, "码（yd)");
    // Reading-only lines and near misses convert nothing.
    EXPECT_FALSE(FindConversion(table(), "1千克（kg）=2.205磅（lb）"));
    EXPECT_FALSE(FindConversion(table(), "1千米（km）=0.621英里（mile） "));
    EXPECT_FALSE(FindConversion(table(), ""));
}

TEST(UnitTable, ConversionsInFifteenDigits) {
    EXPECT_EQ(convert("1千米（km）=0.621英里（mile）", "1"), "0.621");
    EXPECT_EQ(convert("1千米（km）=0.621英里（mile）", "10"), "6.21");
    EXPECT_EQ(convert("1千米（km）=0.621英里（mile）", "-3"), "-1.863");
    EXPECT_EQ(convert("1埃=10^-10米（m）", "1"), "1E-10");
    EXPECT_EQ(convert("1埃=10^-10米（m）", "123"), "1.23E-08");
    EXPECT_EQ(convert("1英尺（ft）=12英寸（in）", "2"), "24");
    EXPECT_EQ(convert("1公顷（ha）=10000平方米（m^2）", "100"), "1000000");
    EXPECT_EQ(convert("1英亩（acre）=4.047×10^-3平方公里（km^2）", "1000"), "4.047");
    EXPECT_EQ(convert("1吨（t）=1.102短吨（sh.ton）", "2.5"), "2.755");
    EXPECT_EQ(convert("1吨（t）=0.984长吨（long ton）", "3"), "2.952");
    EXPECT_EQ(convert("1平方英里（mile2）=2.590平方公里（km^2）", "1"), "2.59");
}

TEST(UnitTable, AnAmountThatIsNoNumberOrOverflowsConvertsNothing) {
    EXPECT_EQ(convert("1英里（mile）=5280英尺（ft）", ""), std::nullopt);
    EXPECT_EQ(convert("1英里（mile）=5280英尺（ft）", "abc"), std::nullopt);
    EXPECT_EQ(convert("1英里（mile）=5280英尺（ft）", "-"), std::nullopt);
    EXPECT_EQ(convert("1英里（mile）=5280英尺（ft）", "1E+306"), std::nullopt);
    EXPECT_EQ(convert("1英里（mile）=5280英尺（ft）", "1E+300"), "5.28E+303");
}

TEST(UnitTable, FaultyTablesAreRefusedWithTheirLine) {
    EXPECT_THROW(ReadUnitTable("1米=1米\n"), UnitTableError);
    EXPECT_THROW(ReadUnitTable("[长度]\n1米=2尺 | x | 米 | 尺\n"), UnitTableError);
    EXPECT_THROW(ReadUnitTable("[长度]\n1米=2尺 | 2 | 米\n"), UnitTableError);
    EXPECT_THROW(ReadUnitTable("[长度]\n1米=2尺\n[面积]\n1米=2尺\n"), UnitTableError);
    try {
        ReadUnitTable("# note\n[长度]\n\n1米=2尺 | 2 | 米 |\n");
        FAIL() << "an empty unit passed";
    } catch (const UnitTableError& e) {
        EXPECT_STREQ(e.what(), "line 4: a factor and two units");
    }
    const auto t = ReadUnitTable("[长度]\r\n1米=2尺 | 2 | 米 | 尺\r\n1尺=3寸\r\n");
    ASSERT_EQ(t.size(), 1u);
    EXPECT_EQ(t[0].lines[0].toUnit, "尺");
    EXPECT_EQ(t[0].lines[1].text, "1尺=3寸");
}

}  // namespace
}  // namespace korrimet::other
