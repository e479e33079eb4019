#include "tools/other/hazardous_waste.h"

#include <gtest/gtest.h>

namespace korrimet::other {
namespace {

const std::u16string kHW01 = u"HW01\r\n医院临床废物\r\n从医院产生的临床废物\r\n——手术、包扎残余物";
const std::u16string kHW06 = u"HW06\r\n有机溶剂废物\r\n——不包括HW42类的废有机溶剂\r\n废溶剂的再生残渣";
const std::u16string kHW42 = u"HW42\r\n废有机溶剂\r\n——有机溶剂的生产和配制";
const std::u16string kHW47 = u"HW47\r\n含钡废物\r\n——钡化合物生产";

std::u16string wasteList() { return kHW01 + u"\r\n" + kHW06 + u"\r\n" + kHW42 + u"\r\n" + kHW47 + u"\r\n"; }

TEST(HazardousWaste, CodesHaveTwoDigits) {
    EXPECT_EQ(WasteCode(1), u"HW01");
    EXPECT_EQ(WasteCode(47), u"HW47");
}

TEST(HazardousWaste, ClassNameAndEntryOfACode) {
    EXPECT_EQ(WasteClassName(wasteList(), u"HW01"), u"HW01\r\n医院临床废物\r");
    EXPECT_EQ(WasteEntry(wasteList(), u"HW01"), kHW01 + u"\r");
    EXPECT_EQ(WasteEntry(wasteList(), u"hw06"), kHW06 + u"\r");
}

TEST(HazardousWaste, TheLastEntryRunsToTheEndLessTheFinalLineFeed) {
    EXPECT_EQ(WasteEntry(wasteList(), u"HW47"), kHW47 + u"\r");
    EXPECT_EQ(WasteEntry(wasteList(), u"hw47"), kHW47 + u"\r");
}

// A code is found where its own entry starts, never inside another entry,
// and a piece of a code or a name finds nothing.
TEST(HazardousWaste, CodesMatchOnlyAtTheStartOfTheirOwnEntry) {
    EXPECT_EQ(WasteClassName(wasteList(), u"HW42"), u"HW42\r\n废有机溶剂\r");
    EXPECT_EQ(WasteEntry(wasteList(), u"HW42"), kHW42 + u"\r");
    for (const char16_t* piece : {u"W", u"废", u"HW4", u"钡化合物", u"HW06类"}) {
        EXPECT_EQ(WasteEntry(wasteList(), piece), std::nullopt);
        EXPECT_EQ(WasteClassName(wasteList(), piece), std::nullopt);
    }
}

TEST(HazardousWaste, NoCodeChosenShowsTheFirstEntryAndAnUnknownTextNothing) {
    EXPECT_EQ(WasteEntry(wasteList(), u""), kHW01 + u"\r");
    EXPECT_EQ(WasteEntry(wasteList(), u"HW48"), std::nullopt);
    EXPECT_EQ(WasteClassName(wasteList(), u"HW48"), std::nullopt);
}

}  // namespace
}  // namespace korrimet::other
