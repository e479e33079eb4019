#include "tools/fuel/furnace_factors.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "common/number_text.h"
#include "common/statement_failure.h"

namespace korrimet::fuel {
namespace {

std::string storedFactors() {
    std::ifstream in(KORRIMET_TEST_DATA "/../../src/tools/fuel/data/furnace_factors.txt");
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The amount of each pollutant the window shows for a row and a coal mass.
std::vector<std::string> amounts(const FactorTable& table, std::string_view item, double coal) {
    std::vector<std::string> out;
    const FactorRow* row = table.find(item);
    if (!row) return out;
    for (double factor : row->factors) out.push_back(NumberText(PollutantMass(coal, factor)));
    return out;
}

using Texts = std::vector<std::string>;

TEST(FurnaceFactors, StoredTablesGiveTheHandbookAmounts) {
    const auto tables = ParseFactorTables(storedFactors());
    ASSERT_EQ(tables.size(), 3u);
    const FactorTable& boiler = tables.at("锅炉氮氧化物及其它污染物产排量");
    EXPECT_EQ(boiler.pollutants, Texts({"CO", "CO2", "HC", "NOX"}));
    EXPECT_EQ(boiler.rows.size(), 5u);
    EXPECT_EQ(amounts(boiler, "<=5t/h层燃", 100), Texts({"263", "213000", "18", "481"}));
    EXPECT_EQ(amounts(boiler, ">=10t/h层然", 100), Texts({"78", "240000", "13", "853"}));
    EXPECT_EQ(amounts(boiler, "煤粉炉", 100), Texts({"113", "220000", "10", "405"}));

    const FactorTable& tea = tables.at("茶炉污染物产排放量计算");
    EXPECT_EQ(tea.pollutants, Texts({"soot", "CO", "SO2", "HC", "NOX"}));
    EXPECT_EQ(amounts(tea, "原　　煤", 100), Texts({"205", "1011", "1049", "60", "399"}));
    EXPECT_EQ(amounts(tea, "型　　煤", 100), Texts({"65", "453", "742", "26", "182"}));

    const FactorTable& stove = tables.at("大灶污染物产排量计算");
    EXPECT_EQ(amounts(stove, "型　　煤", 2.5), Texts({"1.75", "25.05", "17.725", "0.75", "3.625"}));
}

TEST(FurnaceFactors, ItemsMatchOnlyExactly) {
    const auto tables = ParseFactorTables(storedFactors());
    const FactorTable& tea = tables.at("茶炉污染物产排放量计算");
    EXPECT_EQ(tea.find("原煤"), nullptr);
    EXPECT_EQ(tea.find("原  煤"), nullptr);  // ASCII blanks, not ideographic ones
    EXPECT_EQ(tea.find("原　　煤 "), nullptr);
    const FactorTable& boiler = tables.at("锅炉氮氧化物及其它污染物产排量");
    EXPECT_EQ(boiler.find(">=10t/h层燃"), nullptr);  // the list says 层然
    EXPECT_EQ(boiler.find(""), nullptr);
    EXPECT_EQ(boiler.column("NOX"), 3);
    EXPECT_EQ(boiler.column("SO2"), -1);
}

TEST(FurnaceFactors, MalformedTablesAreRefusedWithTheirLine) {
    const auto refusal = [](const char* text) {
        try {
            ParseFactorTables(text);
        } catch (const std::invalid_argument& e) {
            return std::string(e.what());
        }
        return std::string("accepted");
    };
    EXPECT_EQ(refusal("a | 1\n"), "line 1: a row before the first table name");
    EXPECT_EQ(refusal("[t\n"), "line 1: a table name needs its brackets");
    EXPECT_EQ(refusal("# note\n[t]\nitem | CO\nx | 1 | 2\n"), "line 4: one factor per pollutant");
    EXPECT_EQ(refusal("[t]\nitem | CO\nx | one\n"), "line 3: a factor that is no number");
    EXPECT_EQ(refusal("[t]\nname | CO\n"), "line 2: the header names the item and pollutants");
    EXPECT_EQ(refusal("[t]\nitem | CO\n | 1\n"), "line 3: a row without its item");
    EXPECT_EQ(refusal("[t]\nitem | CO\n[t]\n"), "line 3: a second table of the same name");
    EXPECT_EQ(refusal("\n# only notes\n\n"), "accepted");
    EXPECT_EQ(refusal("[t]\nitem | CO\n | [1\n"), "line 3: a row without its item");
    EXPECT_EQ(refusal("[a | b\n"), "line 1: a table name needs its brackets");
}

TEST(FurnaceFactors, ATableNameIsTheWholeBracketedLine) {
    const auto tables = ParseFactorTables("[a | b] \r\nitem | CO\n　x　 | 1\n");
    ASSERT_EQ(tables.size(), 1u);
    const FactorTable& t = tables.at("a | b");
    ASSERT_NE(t.find("　x　"), nullptr);
    EXPECT_EQ(t.find("　x　")->factors, std::vector<double>({1}));
}

TEST(FurnaceFactors, AnAmountBeyondTheSingleRangeFails) {
    EXPECT_THROW(PollutantMass(1e38, 2400), StatementFailure);
    EXPECT_EQ(NumberText(PollutantMass(-10, 2.63)), "-26.3");
}

}  // namespace
}  // namespace korrimet::fuel
