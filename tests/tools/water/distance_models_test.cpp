#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "common/number_text.h"
#include "tools/water/bay.h"
#include "tools/water/frolov.h"
#include "tools/water/oxygen_sag.h"
#include "tools/water/thomas.h"

namespace korrimet::water {
namespace {

struct Row {
    std::vector<std::string> values;
    bool ok;
};

Row rowAt(const TableRow& row, double x) {
    Row r;
    r.ok = row(x, r.values);
    return r;
}

double number(const std::string& text) { return ParseNumber(text, Precision::Double); }

BayInputs bay() { return {100, 0, 0.005f, 3.1415926f, 1.0f, 2}; }

TEST(BayModel, WorkedRows) {
    TableRow row = BayRow(bay());
    EXPECT_EQ(rowAt(row, 100).values, std::vector<std::string>{"27.2623"});
    // 3.1330 after rounding to four decimals, its trailing zero dropped.
    EXPECT_EQ(rowAt(row, 1000).values, std::vector<std::string>{"3.133"});
    BayInputs whole = bay();
    whole.ch = 100;  // nothing to dilute: exactly Cp
    EXPECT_EQ(rowAt(BayRow(whole), 500).values, std::vector<std::string>{"100"});
}

TEST(BayModel, ConcentrationRunsFromCpTowardsCh) {
    BayInputs in = bay();
    in.ch = 20;
    const double nearby = number(rowAt(BayRow(in), 1).values[0]);
    const double far = number(rowAt(BayRow(in), 1e9).values[0]);
    EXPECT_NEAR(nearby, 100, 1e-3);
    EXPECT_NEAR(far, 20, 1e-3);
    in.ch = 150;  // background above the wastewater: values rise with distance
    EXPECT_LT(number(rowAt(BayRow(in), 100).values[0]), number(rowAt(BayRow(in), 1000).values[0]));
    // Far beyond the outfall the value rounds to nothing.
    in = bay();
    EXPECT_EQ(rowAt(BayRow(in), 1e9).values, std::vector<std::string>{"0"});
}

TEST(BayModel, AtTheOutfallTheRowFails) {
    Row r = rowAt(BayRow(bay()), 0);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.values, std::vector<std::string>{"0"});
    EXPECT_TRUE(rowAt(BayRow(bay()), 100).ok);
}

FrolovInputs frolov() {
    FrolovInputs in;
    in.qp = 1;
    in.cp = 100;
    in.ch = 0.1f;
    in.v = 0.2f;
    in.h = 0.5f;
    in.k1 = 1;
    in.eps = 1;
    in.r = 100;
    in.n = 0.05f;
    in.qh = 10;
    return in;
}

TEST(FrolovModel, WorkedRowsOfBothModels) {
    EXPECT_TRUE(FrolovDecays(frolov()));
    EXPECT_EQ(FrolovReportHead(true), "河-7 弗-罗衰减模式计算结果(mg/L)：\rx(i)\tc(i)\r");
    EXPECT_EQ(rowAt(FrolovRow(frolov()), 10).values, std::vector<std::string>{"85.5775"});
    FrolovInputs persistent = frolov();
    persistent.k1 = 0;
    EXPECT_FALSE(FrolovDecays(persistent));
    EXPECT_EQ(FrolovReportHead(false), "河-3 弗-罗模式计算结果(mg/L)：\rx(i)\tc(i)\r");
    EXPECT_EQ(rowAt(FrolovRow(persistent), 10).values, std::vector<std::string>{"85.6270"});
}

TEST(FrolovModel, LimitsAlongTheRiver) {
    // At the outfall: no mixing yet, the wastewater itself, in both models.
    EXPECT_EQ(rowAt(FrolovRow(frolov()), 0).values, std::vector<std::string>{"100.0000"});
    // Far downstream the persistent model reaches complete mixing (Cp·Qp + Ch·Qh)/(Qp + Qh).
    FrolovInputs persistent = frolov();
    persistent.k1 = 0;
    EXPECT_EQ(rowAt(FrolovRow(persistent), 1e9).values, std::vector<std::string>{"9.1818"});
    // A vanishing value keeps its four decimals.
    FrolovInputs decaying = frolov();
    decaying.k1 = 1000;
    EXPECT_EQ(rowAt(FrolovRow(decaying), 1e5).values, std::vector<std::string>{"0.0000"});
}

TEST(FrolovModel, RowsThatCannotBeComputedFail) {
    // Upstream of the outfall the cube root of a negative distance fails.
    EXPECT_FALSE(rowAt(FrolovRow(frolov()), -10).ok);
    FrolovInputs noWaste = frolov();
    noWaste.qp = 0;
    EXPECT_FALSE(rowAt(FrolovRow(noWaste), 10).ok);
    FrolovInputs still = frolov();
    still.v = 0;
    EXPECT_FALSE(rowAt(FrolovRow(still), 10).ok);
    EXPECT_TRUE(rowAt(FrolovRow(frolov()), 10).ok);
}

TEST(OutfallMixing, SinglePrecisionMixAndItsLimits) {
    std::optional<OutfallMix> mix = MixAtOutfall(100, 4.5f, 1, 0.1f, 1.5f, 10);
    ASSERT_TRUE(mix);
    EXPECT_EQ(NumberText(mix->c0), "9.181818");
    EXPECT_EQ(NumberText(mix->d0), "1.772727");
    EXPECT_FALSE(CompleteMixing(100, 1, 0.1f, -1));
    EXPECT_FALSE(MixAtOutfall(100, 4.5f, 0, 0.1f, 1.5f, 0));
    EXPECT_FALSE(CompleteMixing(3e38f, 3e38f, 1, 1));
}

ThomasInputs thomas() { return {1, 100, 10, 0.1f, 1, 4.5f, 1.5f, 1, 1.5f, 0.3f}; }
OutfallMix thomasMix(const ThomasInputs& in) { return *MixAtOutfall(in.cp, in.dp, in.qp, in.ch, in.dh, in.qh); }

TEST(ThomasModel, WorkedRows) {
    TableRow row = ThomasRow(thomas(), thomasMix(thomas()));
    EXPECT_EQ(rowAt(row, 100).values, (std::vector<std::string>{"1.7803", "9.168"}));
    EXPECT_EQ(rowAt(row, 2000).values, (std::vector<std::string>{"1.918", "8.9096"}));
    EXPECT_EQ(rowAt(row, 0).values, (std::vector<std::string>{"1.7727", "9.1818"}));
}

TEST(ThomasModel, WithoutConsumptionOrWithoutItsDifference) {
    ThomasInputs none = thomas();
    none.k1 = none.k3 = 0;
    Row r = rowAt(ThomasRow(none, thomasMix(none)), 86400);  // one day: D0·exp(-1.5)
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.values, (std::vector<std::string>{MaskText(1.772727f * std::exp(-1.5), "####.####"), "9.1818"}));

    // K2 − K1 − K3 = 0 (was: the first term of D dropped). At t = 1 d the
    // limit K1·C0·t·e^(−K2·t) + D0·e^(−K2·t) = (9.181818 + 1.772727)·e^(−1.5)
    // = 2.444289, and C = 9.181818·e^(−1.5) = 2.048741.
    ThomasInputs balanced = thomas();
    balanced.k3 = 0.5f;
    r = rowAt(ThomasRow(balanced, thomasMix(balanced)), 86400);
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.values, (std::vector<std::string>{"2.4443", "2.0487"}));
}

OxygenSagInputs sag() { return {10, 0.1f, 1, 100, 1, 4.5f, 1.5f, 1, 1.5f}; }
OutfallMix sagMix(const OxygenSagInputs& in) { return *MixAtOutfall(in.cp, in.dp, in.qp, in.ch, in.dh, in.qh); }

TEST(OxygenSagModel, WorkedRows) {
    TableRow row = OxygenSagRow(sag(), sagMix(sag()));
    EXPECT_EQ(rowAt(row, 100).values, (std::vector<std::string>{"1.7803", "9.1712"}));
    EXPECT_EQ(rowAt(row, 2000).values, (std::vector<std::string>{"1.9187", "8.9717"}));
}

TEST(OxygenSagModel, EqualRatesTakeTheLimitAndNearlyEqualOnesDoNotJump) {
    // K1 = K2 = 1, x = 100 km, u = 1 m/s: t = 1.157407 d, e^(−t) = 0.3143000;
    // D = 9.181818·t·e^(−t) + 1.772727·e^(−t) = 3.342099 + 0.557168 = 3.8973
    // (was .5572, D0·e^(−t) alone).
    OxygenSagInputs equal = sag();
    equal.k2 = 1;
    Row r = rowAt(OxygenSagRow(equal, sagMix(equal)), 100000);
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.values[0], "3.8973");
    // K2 = 1.0001 by the ordinary formula: 3.8970, next to the limit.
    OxygenSagInputs near = sag();
    near.k2 = 1.0001f;
    EXPECT_EQ(rowAt(OxygenSagRow(near, sagMix(near)), 100000).values[0], "3.897");
}

TEST(OxygenSagModel, CompleteMixingReportQuotesTheBoxesAsTyped) {
    EXPECT_EQ(CompleteMixingReport("10", "0.1", "1.0", "100", *CompleteMixing(100, 1, 0.1f, 10)),
              "完全混合模式_河1计算结果:\r\r河流流量 Qh ：10 m^3/s\r河流本底浓度 Ch：0.1 mg/L\r"
              "污水流量 Qp ：1.0 m^3/s\r污水浓度 Cp：100 mg/L\r\rC=9.1818mg/L");
}

}  // namespace
}  // namespace korrimet::water
