#include "tools/air_emission/incineration.h"

#include <gtest/gtest.h>

#include "common/number_text.h"
#include "common/steps.h"
#include "stored_tables.h"

namespace korrimet::air_emission {
namespace {

const FactorTable& factors() {
    static const FactorTable table = storedTable("incineration_factors.txt");
    return table;
}

// The window's defaults: e = 90 %, t = 2000.
std::string incinerator(const std::string& furnace) {
    const auto f = IncinerationFactor({kIncinerator, furnace, "", ""}, factors());
    if (!f) return "no factor";
    Incineration s;
    Steps steps;
    ComputeIncinerator(s, *f, 90, 2000, steps);
    return NumberText(s.q);
}
std::string openBurning(const std::string& refuse, const std::string& pollutant) {
    const auto f = IncinerationFactor({kOpenBurning, "", refuse, pollutant}, factors());
    if (!f) return "no factor";
    Incineration s;
    Steps steps;
    ComputeOpenBurning(s, *f, 2000, steps);
    return NumberText(s.q);
}

TEST(Incineration, IncineratorsGiveSootAfterTreatment) {
    const std::pair<const char*, const char*> cases[] = {{"城市系统多室炉", "1542"},
                                                         {"商业系统多室炉", "272"},
                                                         {"商业系统单室炉", "908"},
                                                         {"投入式焚烧炉", "2540"},
                                                         {"家用焚烧炉", "1360"}};
    for (const auto& [furnace, shown] : cases) EXPECT_EQ(incinerator(furnace), shown) << furnace;
}

TEST(Incineration, OpenBurningByRefuseAndPollutant) {
    const char* pollutants[] = {"烟尘", "甲醛", "一氧化碳", "碳氢化合物（乙烷）", "氮氧化物（NO）", "有机酸（醋酸）"};
    const char* urban[] = {"14520", "90", "77120", "4540", "9980", "13600"};
    const char* farm[] = {"15420", "10", "54440", "1820", "1820", "11800"};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(openBurning("城市垃圾", pollutants[i]), urban[i]) << pollutants[i];
        EXPECT_EQ(openBurning("农业垃圾", pollutants[i]), farm[i]) << pollutants[i];
    }
}

TEST(Incineration, TheFirstMissingChoiceIsNamed) {
    auto gap = [](IncinerationChoice c) { return IncinerationGapOf(c, factors()); };
    EXPECT_EQ(gap({"", "城市系统多室炉", "城市垃圾", "烟尘"}), IncinerationGap::Mode);
    EXPECT_EQ(gap({kIncinerator, "", "城市垃圾", "烟尘"}), IncinerationGap::Furnace);
    EXPECT_EQ(gap({kOpenBurning, "", "", "烟尘"}), IncinerationGap::Refuse);
    EXPECT_EQ(gap({kOpenBurning, "", "城市垃圾 ", "烟尘"}), IncinerationGap::Refuse);  // texts match exactly
    EXPECT_EQ(gap({kOpenBurning, "", "城市垃圾", "二氧化硫"}), IncinerationGap::Pollutant);
    EXPECT_EQ(gap({kOpenBurning, "家用焚烧炉", "农业垃圾", "甲醛"}), IncinerationGap::None);
}

}  // namespace
}  // namespace korrimet::air_emission
