#include "tools/fuel/flue_gas.h"

#include <gtest/gtest.h>

#include "common/number_text.h"

namespace korrimet::fuel {
namespace {

// Runs the computation as the window stores it: V0 and Vy as Singles.
std::string perKg(FuelClass fuel, float q, float a0, float da) {
    float v0 = static_cast<float>(TheoreticalAir(fuel, q));
    return NumberText(static_cast<float>(FlueGasVolume(fuel, q, a0, da, v0)));
}

TEST(FlueGas, ItemTextsChooseTheRowExactly) {
    EXPECT_EQ(FuelClassOf("固体燃料"), FuelClass::Solid);
    EXPECT_EQ(FuelClassOf("天燃气"), FuelClass::NaturalGas);
    EXPECT_FALSE(FuelClassOf("天然气"));
    EXPECT_FALSE(FuelClassOf("固体燃料 "));
    EXPECT_FALSE(FuelClassOf(""));
}

TEST(FlueGas, WorkedValues) {
    EXPECT_EQ(perKg(FuelClass::Solid, 0, 0, 0), "1.15");
    EXPECT_EQ(perKg(FuelClass::Solid, 20934, 1.4f, 0.1f), "8.874667");
    EXPECT_EQ(perKg(FuelClass::Liquid, 41868, 1.2f, 0.1f), "14.24935");
    EXPECT_EQ(perKg(FuelClass::Gas, 12561, 1.1f, 0.1f), "4.274");
    EXPECT_EQ(perKg(FuelClass::Gas, 12560, 1.1f, 0.1f), "3.699785");
    EXPECT_EQ(perKg(FuelClass::NaturalGas, 35000, 1.1f, 0), "11.18956");
    EXPECT_EQ(perKg(FuelClass::NaturalGas, 34543, 1.1f, 0), "11.0487");
    EXPECT_EQ(perKg(FuelClass::NaturalGas, 34542, 1.1f, 0), "11.04966");
}

TEST(FlueGas, NaturalGasIgnoresTheLeakage) {
    EXPECT_EQ(perKg(FuelClass::NaturalGas, 35000, 1.1f, 0.5f), perKg(FuelClass::NaturalGas, 35000, 1.1f, 0));
}

}  // namespace
}  // namespace korrimet::fuel
