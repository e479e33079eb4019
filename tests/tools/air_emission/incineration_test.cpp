#include "tools/air_emission/incineration.h"

#include <gtest/gtest.h>

#include "common/number_text.h"
#include "stored_tables.h"

namespace korrimet::air_emission {
namespace {

const FactorTable& factors() {
    static const FactorTable table = storedTable("incineration_factors.txt");
    return table;
}

// The window's defaults: e = 90 %, t = 2000.
IncinerationTexts incinerator(const std::string& furnace) { return {kIncinerator, furnace, "", "", "90", "2000"}; }
IncinerationTexts openBurning(const std::string& refuse, const std::string& pollutant) {
    return {kOpenBurning, "", refuse, pollutant, "90", "2000"};
}

std::string run(Incineration& s, const IncinerationTexts& in) {
    ComputeIncineration(s, in, factors());
    return NumberText(s.q);
}

TEST(Incineration, IncineratorsGiveSootAfterTreatment) {
    const std::pair<const char*, const char*> cases[] = {{"城市系统多室炉", "1542"},
                                                         {"商业系统多室炉", "272"},
                                                         {"商业系统单室炉", "908"},
                                                         {"投入式焚烧炉", "2540"},
                                                         {"家用焚烧炉", "1360"}};
    Incineration s;
    for (const auto& [furnace, shown] : cases) EXPECT_EQ(run(s, incinerator(furnace)), shown) << furnace;
    EXPECT_EQ(run(s, incinerator("")), "0");
}

TEST(Incineration, OpenBurningByRefuseAndPollutant) {
    const char* pollutants[] = {"烟尘", "甲醛", "一氧化碳", "碳氢化合物（乙烷）", "氮氧化物（NO）", "有机酸（醋酸）"};
    const char* urban[] = {"14520", "90", "77120", "4540", "9980", "13600"};
    const char* farm[] = {"15420", "10", "54440", "1820", "1820", "11800"};
    Incineration s;
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(run(s, openBurning("城市垃圾", pollutants[i])), urban[i]) << pollutants[i];
        EXPECT_EQ(run(s, openBurning("农业垃圾", pollutants[i])), farm[i]) << pollutants[i];
    }
}

TEST(Incineration, UnknownChoicesGiveZeroOrKeepTheResult) {
    Incineration s;
    EXPECT_EQ(run(s, {"", "城市系统多室炉", "城市垃圾", "烟尘", "90", "2000"}), "0");  // first press, no mode
    run(s, incinerator("城市系统多室炉"));
    EXPECT_EQ(run(s, {"", "城市系统多室炉", "城市垃圾", "烟尘", "90", "2000"}), "1542");
    EXPECT_EQ(run(s, openBurning("", "烟尘")), "1542");           // no refuse type: unchanged
    EXPECT_EQ(run(s, openBurning("城市垃圾 ", "烟尘")), "1542");  // a typed text must match exactly
    EXPECT_EQ(run(s, openBurning("城市垃圾", "二氧化硫")), "0");   // a pollutant not listed
}

TEST(Incineration, BoxesThatAreNoNumberKeepTheResult) {
    Incineration s;
    run(s, incinerator("城市系统多室炉"));
    IncinerationTexts in = incinerator("城市系统多室炉");
    in.amount = "";
    EXPECT_EQ(run(s, in), "1542");
    in = incinerator("家用焚烧炉");
    in.efficiency = "abc";
    EXPECT_EQ(run(s, in), "1542");
    // Open burning does not read the efficiency.
    in = openBurning("城市垃圾", "甲醛");
    in.efficiency = "abc";
    EXPECT_EQ(run(s, in), "90");
}

}  // namespace
}  // namespace korrimet::air_emission
