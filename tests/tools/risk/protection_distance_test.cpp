#include "tools/risk/protection_distance.h"

#include <gtest/gtest.h>

#include <string>

#include "common/number_text.h"

namespace korrimet::risk {
namespace {

struct Case {
    const char* name;
    const char* qc;
    const char* wind;
    const char* stacks;
    const char* share;
    const char* basis;
    double expected;  // metres, to the hundredth the worked examples give
};

struct Outcome {
    ProtectionRun run;
    float distance;
    int messages;
};

Outcome compute(ProtectionState& s, const char* cm, const char* qc, const char* area, ProtectionChoices choices) {
    int messages = 0;
    ProtectionRun run = ComputeProtectionDistance(s, {cm, qc, area, choices}, [&] { ++messages; });
    return {run, s.lc, messages};
}

class WorkedDistances : public testing::TestWithParam<Case> {};

TEST_P(WorkedDistances, SolveToTheHundredth) {
    const Case& c = GetParam();
    ProtectionState s;
    Outcome o = compute(s, "0.03", c.qc, "200", {c.wind, c.stacks, c.share, c.basis});
    EXPECT_EQ(o.run.end, SearchEnd::Met);
    EXPECT_EQ(o.messages, 0);
    EXPECT_NEAR(o.distance, c.expected, 0.006);
}

INSTANTIATE_TEST_SUITE_P(
    Protection, WorkedDistances,
    testing::Values(Case{"LowWindNeedsNoClass", "0.05", "小于2", "", "", "", 169.07},
                    Case{"StrongWindClassI", "0.05", "大于4", "有", "大于允许1/3", "", 136.19},
                    Case{"StrongWindClassII", "0.05", "大于4", "有", "小于允许1/3", "", 106.30},
                    Case{"StrongWindClassIIAcute", "0.05", "大于4", "无", "大于允许1/3", "急性指标", 106.30},
                    Case{"StrongWindClassIII", "0.05", "大于4", "无", "", "慢性指标", 88.66},
                    Case{"MiddleWindClassI", "0.05", "大于2小于4", "有", "大于允许1/3", "慢性指标", 160.39},
                    Case{"MiddleWindClassII", "0.05", "大于2小于4", "无", "", "急性指标", 126.84},
                    Case{"MiddleWindClassIII", "0.05", "大于2小于4", "无", "", "慢性指标", 106.30},
                    Case{"SecondSearchInTheMiddleBand", "3", "大于4", "有", "大于允许1/3", "", 1434.76},
                    Case{"SecondSearchInTheFarBand", "10", "大于4", "有", "大于允许1/3", "", 2944.91}),
    [](const testing::TestParamInfo<Case>& info) { return info.param.name; });

TEST(Protection, LowWindStopsAfterItsCountedSteps) {
    ProtectionState s;
    compute(s, "0.03", "0.05", "200", {"小于2", "", "", ""});
    float l = 0;
    for (int i = 0; i < 16908; ++i) l = static_cast<float>(l + 0.01);
    EXPECT_EQ(s.lc, l);
}

TEST(Protection, SecondSearchStartsAtTheBandBoundWithItsOwnCoefficients) {
    ProtectionState s;
    Outcome o = compute(s, "0.03", "3", "200", {"大于4", "有", "大于允许1/3", ""});
    EXPECT_NEAR(s.l1, 1417.60, 0.006);
    EXPECT_EQ(o.run.start, 1000.0f);
    EXPECT_EQ(s.a, 530.0f);
    EXPECT_EQ(s.b, 0.036f);
    EXPECT_EQ(s.c, 1.77f);
    EXPECT_EQ(s.d, 0.84f);

    o = compute(s, "0.03", "10", "200", {"大于4", "有", "大于允许1/3", ""});
    EXPECT_NEAR(s.l1, 2804.79, 0.006);
    EXPECT_EQ(o.run.start, 2000.0f);
    EXPECT_EQ(s.a, 290.0f);
    EXPECT_EQ(s.d, 0.76f);
}

TEST(Protection, ChoicesThatMatchNoRowTakeTheLowWindRowAfterAMessage) {
    const ProtectionChoices unmatched[] = {
        {"", "", "", ""},
        {"大于4", "有", "", "急性指标"},  // the basis belongs to "无"
        {"大于2小于4", "无", "大于允许1/3", ""},
        {"大于4 ", "有", "大于允许1/3", ""},  // not the exact item text
    };
    for (const ProtectionChoices& choices : unmatched) {
        ProtectionState s;
        Outcome o = compute(s, "0.03", "0.05", "200", choices);
        EXPECT_EQ(o.messages, 1);
        EXPECT_NEAR(o.distance, 169.07, 0.006);
    }
    // Beyond 1000 m the second choice asks again.
    ProtectionState s;
    EXPECT_EQ(compute(s, "0.03", "3", "200", {"", "", "", ""}).messages, 2);
}

TEST(Protection, ClearedBoxesStillGiveADistance) {
    ProtectionState s;
    Outcome o = compute(s, "1E-05", "1E-05", "1E-05", {"小于2", "", "", ""});
    EXPECT_EQ(s.q, 1.0f);
    EXPECT_NEAR(s.r, 0.0018, 0.0001);
    EXPECT_NEAR(o.distance, 129.54, 0.006);
}

// Qc 8.6, Cm 0.03, S 1,000,000 m², wind below 2: q = 286.667, r² = S / 3.14 =
// 318471.3, and at L = 2000 m B·L^C = 0.015 · 2000^1.79 = 12160.0, so
// √(B·L^C + r²/4) = 302.949. Beyond 2000 m (A 80, D 0.57): f = 302.949 ·
// 2000^0.57 / 80 = 302.949 · 76.135 / 80 = 288.31, 0.57 % above q, so the
// root of that band lies below 2000 m; up to 2000 m (A 400, D 0.78): f =
// 302.949 · 375.667 / 400 = 284.52, 0.75 % below q, so the root of that band
// lies beyond 2000 m. Neither band holds its own root: the distance is 2000 m.
// From Qc 8.55 (q = 285.0, between 284.52 and 288.31) the first band already
// ends between 1000 and 2000 m, and the middle band's root beyond 2000 m is
// handed on to the outer band, which again puts it below: 2000 m as well.
TEST(Protection, BetweenTwoBandsThatBothMissTheDistanceIsTheBound) {
    for (const char* qc : {"8.55", "8.57", "8.58", "8.6", "8.64"}) {
        ProtectionState s;
        Outcome o = compute(s, "0.03", qc, "1000000", {"小于2", "", "", ""});
        EXPECT_EQ(o.run.end, SearchEnd::Met) << qc;
        EXPECT_EQ(o.run.start, 2000.0f) << qc;
        EXPECT_EQ(o.distance, 2000.0f) << qc;
    }
}

TEST(Protection, SearchesThatCannotMeetTheToleranceEndWithTheirReason) {
    ProtectionState s;
    // No emission, or a limit of 0 before any quotient exists.
    EXPECT_EQ(compute(s, "0.03", "0", "200", {"小于2", "", "", ""}).run.end, SearchEnd::NoQuotient);
    ProtectionState fresh;
    EXPECT_EQ(compute(fresh, "0", "0.05", "200", {"小于2", "", "", ""}).run.end, SearchEnd::NoQuotient);
    EXPECT_EQ(compute(s, "0.03", "-1", "200", {"小于2", "", "", ""}).run.end, SearchEnd::NoQuotient);

    // A root below the first hundredth.
    Outcome o = compute(s, "1", "1E-07", "200", {"小于2", "", "", ""});
    EXPECT_EQ(o.run.end, SearchEnd::BelowStart);
    EXPECT_EQ(o.distance, 0.01f);
    // A quotient so small that |d / q| is beyond a Single.
    EXPECT_EQ(compute(s, "10000000", "1E-37", "200", {"小于2", "", "", ""}).run.end, SearchEnd::BelowStart);

    // Near 2 m one hundredth moves f by more than the band.
    int steppedOver = 0;
    for (int i = 0; i < 20; ++i) {
        const std::string qc = NumberText(0.00040 + i * 0.000005);
        Outcome near = compute(s, "0.03", qc.c_str(), "200", {"小于2", "", "", ""});
        if (near.run.end == SearchEnd::SteppedOver) {
            ++steppedOver;
            EXPECT_LT(near.distance, 5.0f);
        } else {
            EXPECT_EQ(near.run.end, SearchEnd::Met);
        }
    }
    EXPECT_GT(steppedOver, 0);
}

TEST(Protection, ADistanceBeyondWhatASingleCanStepEnds) {
    ProtectionState s;
    Outcome o = compute(s, "0.0001", "100000", "200", {"小于2", "", "", ""});
    EXPECT_EQ(o.run.end, SearchEnd::OutOfRange);
    EXPECT_EQ(o.distance, 262144.0f);
}

}  // namespace
}  // namespace korrimet::risk
