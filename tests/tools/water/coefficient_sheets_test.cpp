#include "tools/water/coefficient_sheets.h"

#include <gtest/gtest.h>

#include <map>

#include "water_data.h"

namespace korrimet::water {
namespace {

const std::vector<CoefficientSheet>& stored() {
    static const std::vector<CoefficientSheet> sheets = [] {
        std::string error;
        auto parsed = ParseCoefficientSheets(test::waterData("coefficient_sheets.txt"), &error);
        EXPECT_TRUE(parsed) << error;
        return parsed.value_or(std::vector<CoefficientSheet>{});
    }();
    return sheets;
}

const CoefficientSheet& sheet(const std::string& name) {
    for (const CoefficientSheet& s : stored())
        if (s.className == name) return s;
    static const CoefficientSheet none;
    ADD_FAILURE() << "no sheet " << name;
    return none;
}

// A sheet's cells as texts by "A1" reference, formulas evaluated, with
// typed changes on top.
class Grid {
public:
    explicit Grid(const CoefficientSheet& s, std::map<std::string, std::string> typed = {}) : sheet_(s) {
        for (const SheetCell& c : s.cells)
            if (c.kind == SheetCell::Kind::Value) values_[ref(c.row, c.column)] = c.text;
        for (auto& [at, text] : typed) values_[at] = text;
    }
    std::string operator[](const std::string& at) const {
        for (const SheetCell& c : sheet_.cells)
            if (ref(c.row, c.column) == at && c.kind != SheetCell::Kind::Value)
                return FormulaText(c, [this](int r, int col) { return value(ref(r, col)); });
        return value(at);
    }

private:
    static std::string ref(int row, int column) { return std::string(1, char('A' + column)) + std::to_string(row + 1); }
    std::string value(const std::string& at) const {
        auto it = values_.find(at);
        return it == values_.end() ? std::string() : it->second;
    }
    const CoefficientSheet& sheet_;
    std::map<std::string, std::string> values_;
};

TEST(CoefficientSheets, TwentyTwoSheetsWithTheirTitles) {
    ASSERT_EQ(stored().size(), 22u);
    EXPECT_EQ(stored().front().className, "麻纺类");
    EXPECT_EQ(stored().back().className, "铜精矿污染物");
    int titled = 0;
    for (const CoefficientSheet& s : stored()) titled += s.title.empty() ? 0 : 1;
    EXPECT_EQ(titled, 15);
    EXPECT_EQ(sheet("镍行业").title, "镍行业行业污染物排放的计算");
    EXPECT_EQ(sheet("镍行业").titleName, "镍行业");
    EXPECT_EQ(sheet("电解铝").titleName, "Label1");
    EXPECT_EQ(sheet("纸袋纸新闻纸书写纸").caption, "纸袋纸、新闻纸、书写纸");
    EXPECT_EQ(sheet("麻纺类").worksheets, std::vector<std::string>({"Sheet1", "Sheet2", "Sheet3"}));
}

TEST(CoefficientSheets, DefaultAmountsGiveTheStoredResults) {
    const Grid copper(sheet("铜精矿污染物"));
    EXPECT_EQ(copper["A1"], "请输入产量:");
    EXPECT_EQ(copper["C1"], "1500");
    EXPECT_EQ(copper["A2"], "污染物名称");
    EXPECT_EQ(copper["F2"], "排污量");
    EXPECT_EQ(copper["E3"], "1441500");
    EXPECT_EQ(copper["F3"], "626400");
    EXPECT_EQ(copper["E4"], "17670");
    EXPECT_EQ(copper["F4"], "1620");
    EXPECT_EQ(Grid(sheet("粗铜行业"))["F9"], "251.85");  // 0.1679 × 1500, the Pb discharged
}

TEST(CoefficientSheets, EachTableComputesFromItsOwnAmount) {
    const CoefficientSheet& s = sheet("铝锭铝厚板");
    EXPECT_EQ(s.rows, 12);
    EXPECT_EQ(Grid(s)["E10"], "88635");
    EXPECT_EQ(Grid(s)["F10"], "34689");
    const Grid changed(s, {{"C8", "100"}});
    EXPECT_EQ(changed["E10"], "29545");
    EXPECT_EQ(changed["E4"], Grid(s)["E4"]);

    const CoefficientSheet& bands = sheet("铜锭铜板铅管带");
    EXPECT_EQ(bands.rows, 16);
    const Grid g(bands);
    EXPECT_EQ(g["A7"], "铜板带行业");
    EXPECT_EQ(g["A9"], "油");  // no header row of its own
    EXPECT_EQ(g["E4"], "11.4");      // 0.76 × 15
    EXPECT_EQ(g["E9"], "233");       // 11.65 × 20
    EXPECT_EQ(g["F16"], "27300");    // 91 × 300
}

TEST(CoefficientSheets, MergedCellsHeadTheirRanges) {
    const CoefficientSheet& s = sheet("铝薄板铝箔");
    std::vector<std::pair<int, int>> spans;
    for (const SheetCell& c : s.cells)
        if (c.row == 7) spans.push_back({c.column, c.columnSpan});
    EXPECT_EQ(spans, (std::vector<std::pair<int, int>>{{0, 2}, {2, 2}, {4, 2}}));
    for (const SheetCell& c : sheet("麻纺类").cells) {
        if (c.row == 0) {
            EXPECT_EQ(c.columnSpan, 6);
        }
    }
}

TEST(CoefficientSheets, TextileRowsRepeatTheirCoefficients) {
    const Grid silk(sheet("丝织类"));
    EXPECT_EQ(silk["A3"], "污染料物名称");
    EXPECT_EQ(silk["E7"], "7.7");
    EXPECT_EQ(silk["F7"], "7—8");
    EXPECT_EQ(silk["E8"], "240");
    // Formulas follow a changed coefficient; stored copies do not.
    EXPECT_EQ(Grid(sheet("绒线类"), {{"C7", "7"}})["E7"], "7");
    EXPECT_EQ(Grid(sheet("棉机织"), {{"C7", "7"}})["E7"], "10.25");
    EXPECT_EQ(Grid(sheet("麻纺类"))["E7"], "9");
    EXPECT_EQ(Grid(sheet("麻纺类"))["E4"], "1861600");  // 716 × 2600
}

TEST(CoefficientSheets, AnAmountThatIsNoNumberGivesTheErrorValue) {
    const CoefficientSheet& s = sheet("粗铜行业");
    EXPECT_EQ(Grid(s, {{"C1", "很多"}})["E3"], "#VALUE!");
    EXPECT_EQ(Grid(s, {{"C1", ""}})["E3"], "0");
    EXPECT_EQ(Grid(s, {{"C1", "2"}, {"C3", "x"}})["E3"], "#VALUE!");
    EXPECT_EQ(Grid(s, {{"C1", "1e308"}})["E4"], "#NUM!");
}

TEST(CoefficientSheets, CellReferences) {
    const auto r = ParseCellRange("C2:D3");
    ASSERT_TRUE(r);
    EXPECT_EQ(r->row, 1);
    EXPECT_EQ(r->column, 2);
    EXPECT_EQ(r->rowSpan, 2);
    EXPECT_EQ(r->columnSpan, 2);
    for (const char* bad : {"G1", "A0", "A", "B2:A2", "a1", "A1:", "A1x"}) EXPECT_FALSE(ParseCellRange(bad)) << bad;
}

TEST(CoefficientSheets, MalformedSheetsAreRefused) {
    std::string error;
    EXPECT_FALSE(ParseCoefficientSheets("row | 油 | Kg | 1 | 2\n", &error));
    EXPECT_EQ(error, "line 1: a sheet line comes first");
    EXPECT_FALSE(ParseCoefficientSheets("sheet | a | a |  |  | m | S\nrow | 油 | Kg | 1 | 2\n", &error));
    EXPECT_EQ(error, "line 2: row | pollutant | unit | generation | discharge [| formula or stored], after an input");
    // Rows only run downwards.
    EXPECT_FALSE(ParseCoefficientSheets(
        "sheet | a | a |  |  | m | S\ninput | A2:B2 | p | C2 | 1 | D2 | t\ntitle | A1:F1 | x\n", &error));
    EXPECT_EQ(error, "line 3: title | cells below the last row | text");
    EXPECT_FALSE(ParseCoefficientSheets("sheet | a | a |  |  | m | S\ninput | A2:B2 | p | C3 | 1 | D2 | t\n"));
    EXPECT_FALSE(ParseCoefficientSheets("# nothing\n"));
}

}  // namespace
}  // namespace korrimet::water
