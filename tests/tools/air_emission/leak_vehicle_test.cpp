#include "tools/air_emission/leak_vehicle.h"

#include <gtest/gtest.h>

#include "common/number_text.h"
#include "common/steps.h"

namespace korrimet::air_emission {
namespace {

// V, K, C, M, T with the window's defaults.
LeakInput defaults() { return {20, 1.5f, 0.169f, 34, 100}; }

std::string leak(LeakInput in) {
    float gc = 0;
    Steps steps;
    LeakRate(gc, in, steps);
    return steps.ok() ? NumberText(gc) : "failed";
}

TEST(EquipmentLeak, DefaultsAndOtherTemperatures) {
    EXPECT_EQ(leak(defaults()), "1.53071");
    LeakInput t = defaults();
    t.temperature = 0;
    EXPECT_EQ(leak(t), "1.78923");
    t.temperature = 2;
    EXPECT_EQ(leak(t), "1.782712");
    t.temperature = -273;  // division by zero
    EXPECT_EQ(leak(t), "failed");
}

TEST(VehicleEmission, ProductOfFactorAndFuel) {
    auto run = [](double factor, double fuel) {
        float amount = 0;
        Steps steps;
        VehicleEmission(amount, factor, fuel, steps);
        return steps.ok() ? NumberText(amount) : "failed";
    };
    EXPECT_EQ(run(169, 256), "43264");
    EXPECT_EQ(run(0.295, 1000), "295");
    EXPECT_EQ(run(1E+30, 1E+30), "failed");  // beyond a Single
}

}  // namespace
}  // namespace korrimet::air_emission
