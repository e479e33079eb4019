#include "tools/other/text_search.h"

#include <gtest/gtest.h>

namespace korrimet::other {
namespace {

TEST(FindText, LatinLettersMatchEitherCaseAndPositionsCountFromOne) {
    const std::u16string_view t = u"太阳能电池B\r\n\r\nABC ｂ";
    EXPECT_EQ(FindText(t, u"b", 1), 6u);
    EXPECT_EQ(FindText(t, u"B", 7), 12u);
    EXPECT_EQ(FindText(t, u"Ｂ", 13), 15u);  // full width, lower case in the text
    EXPECT_EQ(FindText(t, u"b", 16), 0u);
    EXPECT_EQ(FindText(t, u"太阳能", 0), 1u);
    EXPECT_EQ(FindText(t, u"太阳能", 2), 0u);
    EXPECT_EQ(FindExact(t, u"b", 1), 0u);
    EXPECT_EQ(FindExact(t, u"B", 1), 6u);
    EXPECT_EQ(FindExact(t, u"\n", 9), 10u);
}

TEST(FindText, EmptyTextsAndRanges) {
    EXPECT_EQ(FindText(u"HW01", u"", 1), 1u);
    EXPECT_EQ(FindText(u"HW01", u"", 4), 4u);
    EXPECT_EQ(FindText(u"HW01", u"", 5), 0u);
    EXPECT_EQ(FindText(u"", u"", 1), 0u);
    EXPECT_EQ(FindText(u"HW", u"HW01", 1), 0u);
    EXPECT_EQ(FindText(u"HW01", u"01", 4), 0u);
}

TEST(FindText, BackwardsAndMid) {
    const std::u16string_view t = u"aBcbd";
    EXPECT_EQ(FindBackText(t, u'B', 5), 4u);
    EXPECT_EQ(FindBackText(t, u'B', 4), 2u);
    EXPECT_EQ(FindBackText(t, u'B', 2), 0u);
    EXPECT_EQ(FindBackText(t, u'd', 99), 5u);
    EXPECT_EQ(Mid(t, 2, 2), u"Bc");
    EXPECT_EQ(Mid(t, 4, 10), u"bd");
    EXPECT_EQ(Mid(t, 0, 2), u"");
    EXPECT_EQ(Mid(t, 6, 1), u"");
}

TEST(Keywords, OnlyThoseBeginningWithAnAsciiCharacterAreRefused) {
    EXPECT_TRUE(RefusedKeyword(u""));
    EXPECT_TRUE(RefusedKeyword(u"a太阳能"));
    EXPECT_TRUE(RefusedKeyword(u"1"));
    EXPECT_TRUE(RefusedKeyword(u" 化工"));
    EXPECT_TRUE(RefusedKeyword(u"~"));
    EXPECT_FALSE(RefusedKeyword(u"太阳能abc"));
    EXPECT_FALSE(RefusedKeyword(u"ＰＶＣ"));
    EXPECT_FALSE(RefusedKeyword(u"（一）"));
    EXPECT_FALSE(RefusedKeyword(u"\u007F"));
}

TEST(StoredTexts, HeaderNotesAndTheNoticeOfWhatIsMissing) {
    const StoredText t = ReadStoredText(u"# source\n# incomplete:   只有标题\nHW01\n医院临床废物\n# 不是注释\n");
    EXPECT_EQ(t.text, u"HW01\r\n医院临床废物\r\n# 不是注释\r\n");
    EXPECT_EQ(t.missing, u"只有标题");
    EXPECT_FALSE(t.complete());

    const StoredText crlf = ReadStoredText(u"A 农业\r\n\r\n01 农业");
    EXPECT_EQ(crlf.text, u"A 农业\r\n\r\n01 农业\r\n");
    EXPECT_TRUE(crlf.complete());
}

}  // namespace
}  // namespace korrimet::other
