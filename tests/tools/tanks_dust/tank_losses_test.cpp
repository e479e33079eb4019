#include "tools/tanks_dust/tank_losses.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "common/number_text.h"
#include "common/statement_failure.h"
#include "common/table_text.h"
#include "tools/tanks_dust/tank_losses_layout.h"

using namespace korrimet;
using namespace korrimet::tanks;

TEST(TankType, OnlyTheExactItemTextsNameATankType) {
    EXPECT_EQ(TankTypeOf("拱顶罐"), TankType::DomeRoof);
    EXPECT_EQ(TankTypeOf("浮顶油罐"), TankType::FloatingRoof);
    EXPECT_EQ(TankTypeOf("内浮顶油罐"), TankType::InternalFloatingRoof);
    EXPECT_FALSE(TankTypeOf("浮顶油罐 "));
    EXPECT_FALSE(TankTypeOf("浮顶"));
    EXPECT_FALSE(TankTypeOf(""));
}

TEST(DerivedCoefficients, WorkedValuesThroughTheirMasks) {
    EXPECT_EQ(MaskText(NumberText(TurnoverCount(100000, 3000)), "####.###"), "33.333");
    EXPECT_EQ(MaskText(TurnoverFactor(50), "####.###"), ".767");
    EXPECT_EQ(MaskText(TurnoverFactor(36.5), "####.###"), ".989");
    EXPECT_EQ(MaskText(MeanVapourPressure(20, 30), "###.###"), "25.");
    EXPECT_EQ(MaskText(SmallTankDiameterFactor(5), "####.####"), ".4838");
    EXPECT_EQ(MaskText(RimSealLossFactor(1.2, 3, 1.5), "##.####"), "20.9043");
    EXPECT_EQ(MaskText(VapourPressureFunction(30, 101.3), "##.####"), ".0876");
}

TEST(DerivedCoefficients, ThresholdsBelongToTheirOwnSide) {
    EXPECT_EQ(TurnoverFactor(36), 1);        // up to and including 36
    EXPECT_LT(TurnoverFactor(36.0001), 1);
    EXPECT_EQ(SmallTankDiameterFactor(9.14), 1);  // 9.14 and more
    EXPECT_LT(SmallTankDiameterFactor(9.13), 1);
}

TEST(DerivedCoefficients, FaultyArithmeticFails) {
    EXPECT_THROW(TurnoverCount(100000, 0), StatementFailure);
    EXPECT_THROW(VapourPressureFunction(30, 0), StatementFailure);       // Pa = 0
    EXPECT_THROW(VapourPressureFunction(120, 101.3), StatementFailure);  // Py above Pa: root of a negative
    EXPECT_THROW(RimSealLossFactor(1.2, -3, 1.5), StatementFailure);     // negative wind under a fractional power
    EXPECT_NO_THROW(RimSealLossFactor(1.2, -3, 2));                      // a whole exponent is fine
}

struct LossCase {
    const char* name;
    double value;
    const char* mask;
    const char* expected;
};

class WorkedLosses : public testing::TestWithParam<LossCase> {};

TEST_P(WorkedLosses, MatchTheGuidelineExamples) {
    const LossCase& c = GetParam();
    EXPECT_EQ(MaskText(NumberText(c.value), c.mask), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Tanks, WorkedLosses,
    testing::Values(LossCase{"DomeWorking", DomeRoofWorkingLoss(1, 1, 25, 1000, 64, 51.6), "####.###", "1.116"},
                    LossCase{"FloatingWorking", FloatingRoofWorkingLoss(100000, 0.00257, 750, 20), "####.###", "38.55"},
                    LossCase{"InternalWorking", InternalFloatingRoofWorkingLoss(100000, 0.00257, 750, 20, 4, 0.3),
                             "####.###", "40.863"},
                    LossCase{"DomeBreathing", DomeRoofBreathingLoss({30, 101.3, 5, 10, 1, 3.05, 1, 1, 20}),
                             "####.###", "52.013"},
                    LossCase{"FloatingBreathing", FloatingRoofBreathingLoss(10, 20.9043, 20, 0.0876, 64, 1), "##.####",
                             "3562.3523"},
                    // K8 0.45, Kc 22, D 20, Fm 10, Fd 0.5, Kd 3.66, P* .0876, Mv 64, Kp 1
                    LossCase{"InternalBreathing",
                             InternalFloatingRoofBreathingLoss(0.45, 22, 20, 10, 0.5, 3.66, 0.0876, 64, 1), "##.####",
                             "2982.0442"},
                    // The same crude oil, Kp 0.4: 0.45 × (440 + 10 + 732) × 0.0876 × 64 × 0.4
                    // = 531.9 × 0.0876 × 64 × 0.4 = 1192.817664 kg/a
                    LossCase{"InternalBreathingCrudeOil",
                             InternalFloatingRoofBreathingLoss(0.45, 22, 20, 10, 0.5, 3.66, 0.0876, 64, 0.4),
                             "##.####", "1192.8177"}),
    [](const testing::TestParamInfo<LossCase>& info) { return info.param.name; });

// Above u = 172.5 the factor 690 − 4u turns negative (u 200: 25000 / (−110 ×
// 51.6) = −4.405 m³/a); no loss is negative, so it is 0.
TEST(Losses, HeavyVapourHasNoWorkingLoss) {
    EXPECT_EQ(DomeRoofWorkingLoss(1, 1, 25, 1000, 200, 51.6), 0);
    EXPECT_GT(DomeRoofWorkingLoss(1, 1, 25, 1000, 172.4, 51.6), 0);
}

TEST(Losses, DivisionsByZeroFail) {
    EXPECT_THROW(DomeRoofWorkingLoss(1, 1, 25, 1000, 172.5, 51.6), StatementFailure);  // 690 - 4u = 0
    EXPECT_THROW(DomeRoofWorkingLoss(1, 1, 25, 1000, 64, 0), StatementFailure);
    EXPECT_THROW(FloatingRoofWorkingLoss(100000, 0.00257, 750, 0), StatementFailure);
    EXPECT_THROW(InternalFloatingRoofWorkingLoss(0, 0.00257, 750, 0, 4, 0.3), StatementFailure);
    EXPECT_THROW(DomeRoofBreathingLoss({30, 30, 5, 10, 1, 3.05, 1, 1, 20}), StatementFailure);  // P = Pa
    EXPECT_THROW(DomeRoofBreathingLoss({}), StatementFailure);  // every box empty: 0 / 0
}

TEST(Losses, NegativeBasesUnderFractionalPowersFail) {
    EXPECT_THROW(DomeRoofBreathingLoss({120, 101.3, 5, 10, 1, 3.05, 1, 1, 20}), StatementFailure);  // P above Pa
    EXPECT_THROW(DomeRoofBreathingLoss({30, 101.3, 5, -10, 1, 3.05, 1, 1, 20}), StatementFailure);  // ΔT
    EXPECT_THROW(DomeRoofBreathingLoss({30, 101.3, -5, 10, 1, 3.05, 1, 1, 20}), StatementFailure);  // H
    // A zero diameter is no fault: the loss is simply 0.
    EXPECT_EQ(DomeRoofBreathingLoss({30, 101.3, 5, 10, 1, 3.05, 1, 1, 0}), 0);
}

TEST(Losses, OverflowFails) {
    EXPECT_THROW(FloatingRoofBreathingLoss(1e300, 1, 1, 1e300, 64, 1), StatementFailure);
}

// The window shows a stored caption as two cells: its name, and its symbol and unit.
TEST(TankLossLayout, ACaptionSplitsAfterTheLastChineseCharacterOfItsName) {
    const std::vector<std::array<const char*, 3>> cases{
        {"泵送液体入罐量 V1        [m^3]：", "泵送液体入罐量", "V1[m^3]"},
        {"油品密度          ρy [kg/m^3]：", "油品密度", "ρy[kg/m^3]"},
        {"大气温度的平均日温差   ΔT[℃]：", "大气温度的平均日温差", "ΔT[℃]"},  // ℃ lies below the Chinese range
        {"蒸汽压函数，无量纲          P*：", "蒸汽压函数，无量纲", "P*"},
        {"大呼吸量计算结果       [Kg/a]：", "大呼吸量计算结果", "[Kg/a]"},
        {"油罐年周转次数 N              ：", "油罐年周转次数", "N"},
        {"确认以上参数输入无误吗?    ：", "确认以上参数输入无误吗?", ""},  // no letter after the name
    };
    for (const auto& [padded, name, symbol] : cases) {
        const CaptionCells cells = SplitCaption(padded);
        EXPECT_EQ(cells.name, name) << padded;
        EXPECT_EQ(cells.symbol, symbol) << padded;
    }
}

// The window builds its rows from this table: one that does not load leaves
// it without boxes.
TEST(TankLossLayout, TheStoredTableLoadsAndMalformedRecordsAreRefused) {
    std::ifstream in(std::filesystem::path(__FILE__).parent_path() /
                     "../../../src/tools/tanks_dust/data/tank_losses_layout.txt");
    std::stringstream text;
    text << in.rdbuf();
    const TankLossLayout layout = LoadTankLossLayout(text.str());
    ASSERT_EQ(layout.rows.size(), 21u);
    EXPECT_EQ(std::count_if(layout.rows.begin(), layout.rows.end(), [](auto& r) { return r.frame == 'W'; }), 10);
    EXPECT_EQ(layout.meanings.size(), 9u);
    EXPECT_EQ(layout.help.size(), 12u);
    EXPECT_EQ(std::count(layout.note.begin(), layout.note.end(), '\n'), 2);
    // Under 拱顶罐 row B10 is hidden and still takes its caption.
    const LayoutRow& b10 = layout.rows[19];
    EXPECT_EQ(b10.label, 26);
    EXPECT_FALSE(b10.shown[0]);
    EXPECT_EQ(b10.caption[0], "泵送液体入罐量 V1        [m^3]：");
    EXPECT_TRUE(b10.shown[1] && b10.shown[2]);
    EXPECT_EQ(layout.help[3].table[1], "mfxs");
    EXPECT_TRUE(layout.help[3].message[1].empty());

    const std::string results = "result | 16 | a | b | c\nresult | 29 | a | b | c\nresult | 1 | a | b | c\n";
    EXPECT_NO_THROW(LoadTankLossLayout("row | W | 6 | 5 | x | = | - | y\n" + results));
    EXPECT_THROW(LoadTankLossLayout(results), TableFormatError);                                // no rows
    EXPECT_THROW(LoadTankLossLayout("row | W | 6 | 5 | x | = | -\n" + results), TableFormatError);  // short
    EXPECT_THROW(LoadTankLossLayout("row | X | 6 | 5 | x | = | - | y\n" + results), TableFormatError);
    EXPECT_THROW(LoadTankLossLayout("row | W | 6a | 5 | x | = | - | y\n" + results), TableFormatError);
    EXPECT_THROW(LoadTankLossLayout("rows | W | 6 | 5 | x | = | - | y\n" + results), TableFormatError);
}
