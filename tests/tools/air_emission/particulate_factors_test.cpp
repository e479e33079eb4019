#include "tools/air_emission/particulate_factors.h"

#include <gtest/gtest.h>

#include "common/number_text.h"
#include "common/steps.h"
#include "stored_tables.h"

namespace korrimet::air_emission {
namespace {

template <class Compute, class... Args>
std::string run(Compute compute, Args... args) {
    ParticulateResult r;
    Steps steps;
    compute(r, args..., steps);
    return steps.ok() ? NumberText(r.value) : "failed";
}

TEST(FeedMilling, FactorPerEquipment) {
    const FactorTable table = storedTable("feed_milling_factors.txt");
    const std::pair<const char*, const char*> cases[] = {
        {"小麦风选器（除壳）", "9.1"}, {"草饲料的磨粉机", "181"}, {"大麦磨粉机", "141"}, {"秸杆粉干燥器", "513"}};
    for (const auto& [equipment, shown] : cases)
        EXPECT_EQ(run(ComputeFeedMilling, *table.find({equipment}), 100.0), shown) << equipment;
}

TEST(SingleFactor, CottonGinInKilogramsAndGlass) {
    // 2.34 % of 100 t is 2.34 t = 2340 kg; of 1000 t, 23400 kg.
    EXPECT_EQ(run(ComputeCottonGin, 100.0), "2340");
    EXPECT_EQ(run(ComputeCottonGin, 1000.0), "23400");
    EXPECT_EQ(run(ComputeGlassRawMaterial, 100.0), "748");
    EXPECT_EQ(run(ComputeGlassMelting, 100.0), "91");
    EXPECT_EQ(run(ComputeGlassRawMaterial, 1E+39), "failed");  // beyond a Single once multiplied
}

TEST(LimeKilnDust, RotaryKilnsUseTheTypedShareShaftKilnsOnePercent) {
    EXPECT_EQ(run(ComputeLimeKilnDust, true, 10.0, 100.0), "10");
    EXPECT_EQ(run(ComputeLimeKilnDust, false, 10.0, 100.0), "1");
    EXPECT_EQ(run(ComputeLimeKilnDust, false, 0.0, 300.0), "3");
}

}  // namespace
}  // namespace korrimet::air_emission
