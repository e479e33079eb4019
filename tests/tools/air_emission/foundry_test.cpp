#include "tools/air_emission/foundry.h"

#include <gtest/gtest.h>

#include "common/number_text.h"
#include "common/steps.h"
#include "stored_tables.h"

namespace korrimet::air_emission {
namespace {

const FactorTable& factors() {
    static const FactorTable table = storedTable("foundry_factors.txt");
    return table;
}

using State = FoundryRow::State;

// Six empty industry rows with one row set.
std::vector<FoundryChoice> only(std::size_t row, const std::string& furnace, const std::string& device) {
    std::vector<FoundryChoice> rows(6);
    rows[row] = {furnace, device};
    return rows;
}

std::string total(const std::vector<FoundryChoice>& choices, double amount, Foundry* out = nullptr) {
    Foundry s;
    Steps steps;
    ComputeFoundry(s, FoundryRows(choices, factors()), amount, steps);
    if (out) *out = s;
    return steps.ok() ? NumberText(s.total) : "failed";
}

TEST(Foundry, TheTableListsTheSixIndustriesInWindowOrder) {
    EXPECT_EQ(factors().column(0), std::vector<std::string>({"铝件铸造业", "黄铜和青铜溶炼业", "铸造生铁业", "化铅炉",
                                                             "铸钢工业", "锌加工业"}));
    EXPECT_EQ(factors().column(2, {"铸造生铁业"}),
              std::vector<std::string>({"无防治措施", "湿盖除尘", "冲击式洗涤机", "高能量洗涤机", "电集除尘器",
                                        "袋室除尘", "反射炉", "感应电炉"}));
}

TEST(Foundry, AmountTimesTheFactorOfTheChosenPair) {
    struct Case {
        std::size_t row;
        const char *furnace, *device, *shown;
    };
    const Case cases[] = {{0, "加融剂的工厂", "无防治措施", "45390"},
                          {1, "电炉", "袋室除尘", "26"},
                          {3, "反射炉或旧铅炉", "无防治措施", "6985"},
                          {2, "通用", "反射炉", "91"},
                          {4, "平炉", "电吸尘器", "23"},
                          {5, "熔旧锌炉", "袋室除尘", "18"}};
    for (const Case& c : cases) EXPECT_EQ(total(only(c.row, c.furnace, c.device), 100), c.shown) << c.furnace;
}

TEST(Foundry, EveryCountedRowShowsItsOwnEmissionAndTheTotalSumsThem) {
    // 100 t: 453.9 kg/t × 100 = 45390 kg in row 1, 0.18 × 100 = 18 kg in row 6; together 45408 kg.
    auto rows = only(0, "加融剂的工厂", "无防治措施");
    rows[5] = {"熔旧锌炉", "袋室除尘"};
    Foundry s;
    EXPECT_EQ(total(rows, 100, &s), "45408");
    EXPECT_EQ(NumberText(s.rows[0]), "45390");
    EXPECT_EQ(NumberText(s.rows[5]), "18");
}

TEST(Foundry, RowStatesByExactTexts) {
    auto choices = only(0, "坩锅炉", "电除尘");  // a pair the table lacks
    choices[1] = {"通用", "袋室除尘"};          // a furnace of another industry: no furnace here
    choices[2] = {"通用 ", "无防治措施"};       // a trailing blank is another text
    choices[3] = {"钵炉", "无防治措施"};
    const std::vector<FoundryRow> rows = FoundryRows(choices, factors());
    EXPECT_EQ(rows[0].state, State::NoFactor);
    EXPECT_EQ(rows[1].state, State::NoFurnace);
    EXPECT_EQ(rows[2].state, State::NoFurnace);
    EXPECT_EQ(rows[3].state, State::Counted);
    EXPECT_EQ(rows[3].factor, 0.05);
    EXPECT_EQ(FoundryRows(only(2, "通用", ""), factors())[2].state, State::NoFactor);
}

}  // namespace
}  // namespace korrimet::air_emission
