#include "tools/air_emission/drying_evaporation.h"

#include <gtest/gtest.h>

#include "common/number_text.h"

namespace korrimet::air_emission {
namespace {

// Texts in the order w, u1, u2.
std::string drying(Drying& s, DryingTexts texts) {
    ComputeDrying(s, texts);
    return NumberText(s.G);
}

TEST(Drying, WorkedExamples) {
    struct Case {
        DryingTexts in;
        const char* shown;
    };
    const Case cases[] = {
        {{"1000", "60", "10"}, "555.5556"},
        {{"1000", "10", "60"}, "-1250"},  // ends wetter than it started
        {{"100", "50", "50"}, "0"},
    };
    for (const Case& c : cases) {
        Drying s;
        EXPECT_EQ(drying(s, c.in), c.shown) << c.in.weight << " " << c.in.before << " " << c.in.after;
    }
}

TEST(Drying, EmptyMoisturesOnAFreshWindowDriveOffEverything) {
    // R never succeeded and stays 0, so S = 1.
    Drying s;
    EXPECT_EQ(drying(s, {"1000", "", ""}), "1000");
}

TEST(Drying, FailedStepsKeepTheirPreviousValues) {
    Drying s;
    drying(s, {"1000", "60", "10"});
    // A dry end of 100 % divides by zero: R keeps 4/9.
    EXPECT_EQ(drying(s, {"1000", "60", "100"}), "555.5556");
    EXPECT_EQ(drying(s, {"100", "100", "100"}), "55.55556");
    // A weight that is no number keeps G although R changes.
    EXPECT_EQ(drying(s, {"x", "10", "60"}), "55.55556");
    EXPECT_FLOAT_EQ(s.R, 2.25f);
}

// Texts in the order F, x1, x2.
std::string evaporation(Evaporation& s, EvaporationTexts texts) {
    ComputeEvaporation(s, texts);
    return NumberText(s.E);
}

TEST(Evaporation, WorkedExamples) {
    Evaporation s;
    EXPECT_EQ(evaporation(s, {"1000", "10", "40"}), "750");
    EXPECT_EQ(evaporation(s, {"1000", "10", "30"}), "666.6667");
    EXPECT_EQ(evaporation(s, {"1000", "30", "30"}), "0");
}

TEST(Evaporation, FailuresKeepThePreviousResult) {
    Evaporation s;
    EXPECT_EQ(evaporation(s, {"", "", ""}), "0");
    evaporation(s, {"1000", "10", "40"});
    EXPECT_EQ(evaporation(s, {"1000", "10", "0"}), "750");
    EXPECT_EQ(evaporation(s, {"1000", "", "40"}), "750");
    EXPECT_EQ(evaporation(s, {"1E+300", "10", "40"}), "750");  // beyond a Single
}

}  // namespace
}  // namespace korrimet::air_emission
