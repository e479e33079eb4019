#include "tools/air_emission/foundry.h"

#include <gtest/gtest.h>

#include "common/number_text.h"
#include "stored_tables.h"

namespace korrimet::air_emission {
namespace {

const FactorTable& factors() {
    static const FactorTable table = storedTable("foundry_factors.txt");
    return table;
}

using Rows = std::vector<std::size_t>;

// Six empty industry rows with one row set.
std::vector<FoundryChoice> only(std::size_t row, const std::string& furnace, const std::string& device) {
    std::vector<FoundryChoice> rows(6);
    rows[row] = {furnace, device};
    return rows;
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
    for (const Case& c : cases) {
        Foundry s;
        EXPECT_TRUE(ComputeFoundry(s, only(c.row, c.furnace, c.device), "100", factors()).empty());
        EXPECT_EQ(NumberText(s.result), c.shown) << c.furnace << " " << c.device;
    }
    Foundry s;
    ComputeFoundry(s, only(0, "坩锅炉", "无防治措施"), "-100", factors());
    EXPECT_EQ(NumberText(s.result), "-86");
}

TEST(Foundry, TheLowestMatchingRowWins) {
    Foundry s;
    auto rows = only(0, "加融剂的工厂", "无防治措施");
    rows[5] = {"熔旧锌炉", "袋室除尘"};
    EXPECT_TRUE(ComputeFoundry(s, rows, "100", factors()).empty());
    EXPECT_EQ(NumberText(s.result), "18");
}

TEST(Foundry, PairsWithoutAFactorAreReportedInRowOrder) {
    Foundry s;
    ComputeFoundry(s, only(1, "电炉", "袋室除尘"), "100", factors());
    EXPECT_EQ(ComputeFoundry(s, only(4, "平炉", "袋室除尘"), "100", factors()), Rows({4}));
    EXPECT_EQ(ComputeFoundry(s, only(0, "坩锅炉", ""), "100", factors()), Rows({0}));
    auto rows = only(0, "坩锅炉", "电除尘");
    rows[2] = {"通用", "袋室除尘"};
    rows[5] = {"镀锌炉", "袋室除尘"};
    EXPECT_EQ(ComputeFoundry(s, rows, "100", factors()), Rows({0, 5}));
    EXPECT_EQ(NumberText(s.result), "100");  // the row in between still stores
    // A furnace of another industry's list counts as no furnace.
    EXPECT_TRUE(ComputeFoundry(s, only(1, "通用", "袋室除尘"), "100", factors()).empty());
    EXPECT_EQ(NumberText(s.result), "100");
}

TEST(Foundry, TextsMustEqualAnItemExactly) {
    Foundry s;
    EXPECT_TRUE(ComputeFoundry(s, only(2, "通用 ", "无防治措施"), "100", factors()).empty());
    EXPECT_EQ(NumberText(s.result), "0");
    EXPECT_EQ(ComputeFoundry(s, only(2, "通用", "无防治措施 "), "100", factors()), Rows({2}));
}

TEST(Foundry, AnAmountThatIsNoNumberKeepsTheResult) {
    Foundry s;
    ComputeFoundry(s, only(2, "通用", "无防治措施"), "100", factors());
    for (const char* amount : {"", "abc", "1E+300"})
        EXPECT_TRUE(ComputeFoundry(s, only(0, "坩锅炉", "无防治措施"), amount, factors()).empty()) << amount;
    EXPECT_EQ(NumberText(s.result), "789");
}

}  // namespace
}  // namespace korrimet::air_emission
