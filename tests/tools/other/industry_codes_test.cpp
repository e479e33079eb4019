#include "tools/other/industry_codes.h"

#include <gtest/gtest.h>

namespace korrimet::other {
namespace {

const std::u16string kHeader =
    u"国民经济行业分类与代码\r\n\r\n（科技统计用）\r\n\r\n国民经济行业代码 （GB/T 4754—2002 ）\r\n\r\n\r\n";
const std::u16string kSectionA =
    u"A 农、林、牧、渔业\r\n01 农业\r\n011 谷物及其他作物的种植\r\n0111 谷物的种植\r\n"
    u"0113 油料的种植及其他经济作物的采摘加工\r\n0119 其他农作物的种植\r\n";
const std::u16string kSectionB = u"B 采矿业\r\n06 煤炭开采和洗选业\r\n0610 烟煤和无烟煤的开采洗选\r\n";
const std::u16string kSectionP = u"P 教育\r\n84 教育\r\n841 学前教育\r\n";
const std::u16string kSectionT = u"T 国际组织\r\n98 国际组织\r\n";

std::u16string codeList() { return kHeader + kSectionA + kSectionB + kSectionP + kSectionT; }
std::u16string heading() { return u"国民经济行业分类与代码\n(科技统计用)\n国民经济行业代码 （GB/T 4754—2002 ）\n\n"; }

TEST(IndustryCodes, TheHeaderIsFiftyEightCharacters) { EXPECT_EQ(kHeader.size(), kCodeListStart); }

TEST(IndustrySections, ASectionRunsToTheLineBreakBeforeTheNextOne) {
    EXPECT_EQ(SectionText(codeList(), u"A 农、林、牧、渔业"), kSectionA);
    EXPECT_EQ(SectionReport(codeList(), u"A 农、林、牧、渔业"),
              heading() + u"你所查询的大类别下有以下记录，你也可以试试关键字检索！\n\n" + kSectionA);
}

TEST(IndustrySections, TheLastSectionLosesTheListsFinalCharacter) {
    EXPECT_EQ(SectionText(codeList(), u"T 国际组织"), u"T 国际组织\r\n98 国际组织\r");
    // So does a section whose next letter the list lacks.
    const std::u16string rest = kSectionP + kSectionT;
    EXPECT_EQ(SectionText(codeList(), u"P 教育"), rest.substr(0, rest.size() - 1));
}

TEST(IndustrySections, LettersCompareExactly) {
    EXPECT_EQ(SectionText(codeList(), u"a 农、林、牧、渔业"), u"");
    EXPECT_EQ(SectionText(codeList(), u""), u"");
}

TEST(IndustryKeywords, HitsListTheirLinesWithTheirCarriageReturns) {
    EXPECT_EQ(CodeLinesHolding(codeList(), u"谷物"), u"\n011 谷物及其他作物的种植\r\n0111 谷物的种植\r\n");
    EXPECT_EQ(KeywordReport(codeList(), u"谷物"),
              heading() + u"包含你输入关键字的行业类别及其代码如下：\n\n011 谷物及其他作物的种植\r\n0111 谷物的种植\r\n");
}

TEST(IndustryKeywords, AHitFarIntoALineListsItsOwnLine) {
    EXPECT_EQ(CodeLinesHolding(codeList(), u"采摘"), u"\n0113 油料的种植及其他经济作物的采摘加工\r\n");
}

TEST(IndustryKeywords, HitsInShortLinesAndInTheFirstSectionLineEachListOnce) {
    EXPECT_EQ(CodeLinesHolding(codeList(), u"教育"), u"\nP 教育\r\n84 教育\r\n841 学前教育\r\n");
    EXPECT_EQ(CodeLinesHolding(codeList(), u"林、牧"), u"\nA 农、林、牧、渔业\r\n");
}

TEST(IndustryKeywords, ALastLineWithoutALineBreakEndsTheWalk) {
    std::u16string list = codeList();
    list.resize(list.size() - 2);
    EXPECT_EQ(CodeLinesHolding(list, u"国际组织"), u"\nT 国际组织\r\n98 国际组织\n");
}

TEST(IndustryKeywords, HeaderOnlyAndMissingKeywords) {
    const std::u16string found = heading() + u"包含你输入关键字的行业类别及其代码如下：\n";
    EXPECT_EQ(KeywordReport(codeList(), u"科技统计"), found + u"\n");
    EXPECT_EQ(KeywordReport(codeList(), u"航天"), heading() + u"检索无记录，请重新输入");
}

}  // namespace
}  // namespace korrimet::other
