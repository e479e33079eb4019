#include "tools/air_emission/leak_vehicle.h"

#include <gtest/gtest.h>

#include "common/number_text.h"

namespace korrimet::air_emission {
namespace {

// V, K, C, M, T with the window's defaults.
LeakTexts defaults() { return {"20", "1.5", "0.169", "34", "100"}; }

std::string leak(LeakTexts texts) { return NumberText(LeakRate(texts)); }

TEST(EquipmentLeak, DefaultsAndATemperatureThatIsNoNumber) {
    EXPECT_EQ(leak(defaults()), "1.53071");
    LeakTexts t = defaults();
    t.temperature = "";
    EXPECT_EQ(leak(t), "1.78923");  // counted as 0 °C
    t.temperature = "2.";
    EXPECT_EQ(leak(t), "1.782712");
}

TEST(EquipmentLeak, AFailedFormulaGivesZero) {
    LeakTexts t = defaults();
    t.temperature = "-273";  // division by zero
    EXPECT_EQ(leak(t), "0");
    t = defaults();
    t.molecular = "-34";  // root of a negative
    EXPECT_EQ(leak(t), "0");
    t.temperature = "-300";  // both negative: the root is real again
    EXPECT_EQ(leak(t), "5.689388");
}

TEST(EquipmentLeak, AZeroOrMissingFactorGivesZero) {
    for (int i = 0; i < 4; ++i) {
        LeakTexts t = defaults();
        std::string* boxes[] = {&t.volume, &t.safety, &t.coefficient, &t.molecular};
        *boxes[i] = i % 2 ? "" : "0";
        EXPECT_EQ(leak(t), "0") << "box " << i;
    }
}

TEST(VehicleEmission, ProductOfFactorAndFuel) {
    EXPECT_EQ(NumberText(VehicleEmission("169", "256")), "43264");
    EXPECT_EQ(NumberText(VehicleEmission("0.295", "1000")), "295");
    EXPECT_EQ(NumberText(VehicleEmission("169", "")), "0");
    EXPECT_EQ(NumberText(VehicleEmission("abc", "256")), "0");
    EXPECT_EQ(NumberText(VehicleEmission("1E+30", "1E+30")), "0");  // beyond a Single
}

}  // namespace
}  // namespace korrimet::air_emission
