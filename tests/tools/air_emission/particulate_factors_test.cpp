#include "tools/air_emission/particulate_factors.h"

#include <gtest/gtest.h>

#include "common/number_text.h"
#include "stored_tables.h"

namespace korrimet::air_emission {
namespace {

const FactorTable& feedFactors() {
    static const FactorTable table = storedTable("feed_milling_factors.txt");
    return table;
}

TEST(FeedMilling, FactorPerEquipment) {
    const std::pair<const char*, const char*> cases[] = {
        {"小麦风选器（除壳）", "9.1"}, {"草饲料的磨粉机", "181"}, {"大麦磨粉机", "141"}, {"秸杆粉干燥器", "513"}};
    ParticulateResult r;
    for (const auto& [equipment, shown] : cases) {
        ComputeFeedMilling(r, equipment, "100", feedFactors());
        EXPECT_EQ(NumberText(r.value), shown) << equipment;
    }
}

TEST(FeedMilling, NoEquipmentGivesZeroAndABadAmountKeepsTheResult) {
    ParticulateResult r;
    ComputeFeedMilling(r, "大麦磨粉机", "100", feedFactors());
    ComputeFeedMilling(r, "大麦磨粉机", "abc", feedFactors());
    EXPECT_EQ(NumberText(r.value), "141");
    ComputeFeedMilling(r, "", "abc", feedFactors());
    EXPECT_EQ(NumberText(r.value), "0");
}

TEST(SingleFactor, CottonGinAndGlass) {
    ParticulateResult r;
    const std::pair<const char*, const char*> cotton[] = {{"100", "2.34"}, {"1000", "23.4"}, {"-100", "-2.34"}};
    for (const auto& [amount, shown] : cotton) {
        ComputeCottonGin(r, amount);
        EXPECT_EQ(NumberText(r.value), shown) << amount;
    }
    ComputeGlassRawMaterial(r, "100");
    EXPECT_EQ(NumberText(r.value), "748");
    ComputeGlassMelting(r, "100");
    EXPECT_EQ(NumberText(r.value), "91");
    ComputeGlassMelting(r, "");
    ComputeCottonGin(r, "x");
    ComputeGlassRawMaterial(r, "1E+39");  // beyond a Single once multiplied
    EXPECT_EQ(NumberText(r.value), "91");
}

TEST(LimeKilnDust, RotaryKilnsUseTheTypedShareShaftKilnsOnePercent) {
    ParticulateResult r;
    ComputeLimeKilnDust(r, kRotaryKiln, "10", "100");
    EXPECT_EQ(NumberText(r.value), "10");
    ComputeLimeKilnDust(r, kShaftKiln, "10", "100");
    EXPECT_EQ(NumberText(r.value), "1");
    ComputeLimeKilnDust(r, kShaftKiln, "", "300");
    EXPECT_EQ(NumberText(r.value), "3");
    ComputeLimeKilnDust(r, kRotaryKiln, "", "100");  // both boxes must hold numbers
    EXPECT_EQ(NumberText(r.value), "3");
    ComputeLimeKilnDust(r, "", "", "");
    EXPECT_EQ(NumberText(r.value), "0");
}

}  // namespace
}  // namespace korrimet::air_emission
