#include "tools/other/catalogue_search.h"

#include <gtest/gtest.h>

namespace korrimet::other {
namespace {

const std::u16string kTitle = u"第一类  鼓励类 A\r\n一、农林业\r\n";
const std::u16string kEntry1 = u"1.农作物优良品种选育及种子生产技术开发应用";
const std::u16string kEntry2 = u"2.太阳能热水器及太阳能集热系统的开发与生产";
const std::u16string kEntry3 = u"3.城市污水处理及再生利用工程建设与运营管理，城镇污泥无害化处置";
const std::u16string kEntry4 = u"4.高效太阳能电池组件生产及其配套的逆变器与储能装置研制";
const std::u16string kGap = u"\r\n\r\n";

// Entries close with the marker, an empty paragraph after each.
std::u16string document() {
    return kTitle + kEntry1 + u"B" + kGap + kEntry2 + u"B" + kGap + kEntry3 + u"B" + kGap + kEntry4 + u"B" + kGap;
}

TEST(CatalogueSearch, HitsNearTheirEntryStartListTheirEntriesOnce) {
    // 太阳能 stands twice in entry 2 and once in entry 4.
    EXPECT_EQ(SearchCatalogue(document(), u"太阳能"), u"\n" + kGap + kEntry2 + u"\n" + kGap + kEntry4 + u"\n");
}

TEST(CatalogueSearch, AHitAmongTheFirstTwentyCharactersTakesTheTextFromItsStart) {
    EXPECT_EQ(SearchCatalogue(document(), u"鼓励类"), u"\n" + kTitle + kEntry1 + u"\n");
}

TEST(CatalogueSearch, AHitFarIntoAnEntryListsThatEntry) {
    ASSERT_GT(kEntry3.find(u"污泥"), 20u);
    EXPECT_EQ(SearchCatalogue(document(), u"污泥"), u"\n" + kGap + kEntry3 + u"\n");
}

TEST(CatalogueSearch, AHitFarIntoTheLastEntryListsThatEntryAndEnds) {
    ASSERT_GT(kEntry4.find(u"储能"), 20u);
    EXPECT_EQ(SearchCatalogue(document(), u"储能"), u"\n" + kGap + kEntry4 + u"\n");
}

TEST(CatalogueSearch, AKeywordNotInTheCategoryFindsNothing) {
    EXPECT_EQ(SearchCatalogue(document(), u"钢铁"), std::nullopt);
}

// Only the capital B before an entry's line break closes it.
TEST(CatalogueSearch, LettersBInsideAnEntryCloseNothing) {
    const std::u16string t = u"第一类  鼓励类 A\r\n1.太阳能电池片b级组件生产B" + kGap +
                             u"2.Ebb型燃煤锅炉B" + kGap + u"3.B型燃煤锅炉改造B" + kGap;
    EXPECT_EQ(SearchCatalogue(t, u"电池"), u"\n第一类  鼓励类 A\r\n1.太阳能电池片b级组件生产\n");
    EXPECT_EQ(SearchCatalogue(t, u"燃煤锅炉"), u"\n" + kGap + u"2.Ebb型燃煤锅炉\n" + kGap + u"3.B型燃煤锅炉改造\n");
}

TEST(CatalogueSearch, ShortEntriesAreListedOnceEachAndTheWalkEnds) {
    const std::u16string t = u"第一类  鼓励类 A\r\n1.风能B\r\n\r\n2.风能塔B\r\n\r\n3.风能机B\r\n\r\n";
    EXPECT_EQ(SearchCatalogue(t, u"风能"),
              u"\n第一类  鼓励类 A\r\n1.风能\n\r\n\r\n2.风能塔\n\r\n\r\n3.风能机\n");
}

TEST(CatalogueSearch, AStoredTextWithoutMarkersIsListedWholeOnce) {
    const std::u16string t = u"第一类  鼓励类 A\r\n一、农林业\r\n二、水利\r\n";
    EXPECT_EQ(SearchCatalogue(t, u"水利"), u"\n" + t + u"\n");
    EXPECT_EQ(SearchCatalogue(t, u"农林"), u"\n" + t + u"\n");
}

}  // namespace
}  // namespace korrimet::other
