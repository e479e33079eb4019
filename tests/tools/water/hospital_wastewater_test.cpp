#include "tools/water/hospital_wastewater.h"

#include <gtest/gtest.h>

#include "common/number_text.h"
#include "common/stores.h"

namespace korrimet::water {
namespace {

std::string asSingle(double v) { return NumberText(single(v)); }

TEST(HospitalWastewater, SizeClassesAreMatchedExactly) {
    EXPECT_EQ(HospitalSizeOf("400床以上"), HospitalSize::Over400Beds);
    EXPECT_EQ(HospitalSizeOf("200-400床"), HospitalSize::From200To400Beds);
    EXPECT_EQ(HospitalSizeOf("200床以下"), HospitalSize::Under200Beds);
    EXPECT_FALSE(HospitalSizeOf("200－400床"));  // full-width dash
    EXPECT_FALSE(HospitalSizeOf("400床以上 "));
    EXPECT_FALSE(HospitalSizeOf(""));
}

TEST(HospitalWastewater, WaterAndWastewaterFollowTheSizeClass) {
    EXPECT_EQ(asSingle(HospitalWaterUse(HospitalSize::From200To400Beds, 300)), "76650");
    EXPECT_EQ(asSingle(HospitalWastewater(HospitalSize::From200To400Beds, 300)), "61320");
    EXPECT_EQ(asSingle(HospitalWaterUse(HospitalSize::Over400Beds, 500)), "182500");
    EXPECT_EQ(asSingle(HospitalWastewater(HospitalSize::Over400Beds, 500)), "146000");
    EXPECT_EQ(asSingle(HospitalWaterUse(HospitalSize::Under200Beds, 100)), "9125");
    EXPECT_EQ(asSingle(HospitalWastewater(HospitalSize::Under200Beds, 100)), "7300");
}

TEST(HospitalWastewater, LoadsAreGramsPerBedAndDayInTonnesPerYear) {
    EXPECT_EQ(asSingle(HospitalBod5(300)), "6.57");
    EXPECT_EQ(asSingle(HospitalSuspendedSolids(300)), "6.0225");
    EXPECT_EQ(asSingle(HospitalAmmonia(300)), "1.6425");
}

TEST(ServiceArea, DefaultsGiveTheWorkedResults) {
    // Singles of the boxes enter the Double arithmetic.
    EXPECT_EQ(NumberText(ServiceAreaSewage(100, 0.75f, 100)), "7.5");
    EXPECT_EQ(NumberText(ServiceAreaSewageLoad(100, 0.75f, 100, 500)), "3.75");
    EXPECT_EQ(NumberText(ServiceAreaWashing(20000, 450)), "180");
    EXPECT_EQ(NumberText(ServiceAreaWashingLoad(20000, 450, 100)), "18");
    // Half the coefficient halves both sewage results.
    EXPECT_EQ(NumberText(ServiceAreaSewage(100, 0.375f, 100)), "3.75");
    EXPECT_EQ(NumberText(ServiceAreaSewageLoad(100, 0.375f, 100, 500)), "1.875");
    EXPECT_EQ(NumberText(ServiceAreaSewage(100, 0.5f, 100)), "5");
    // A Single coefficient carries its binary error into the Double result.
    EXPECT_EQ(NumberText(ServiceAreaSewage(100, 0.1f, 100)), "1.00000001490116");
}

}  // namespace
}  // namespace korrimet::water
