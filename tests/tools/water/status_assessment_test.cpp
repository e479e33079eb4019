#include "tools/water/status_assessment.h"

#include <gtest/gtest.h>

#include "common/statement_failure.h"

namespace korrimet::water {
namespace {

TEST(BarSeries, EachBarEndsAValueAndTextAfterTheLastIsDropped) {
    EXPECT_EQ(ReadBarSeries("1.2|1.5"), std::vector<std::string>{"1.2"});
    EXPECT_EQ(ReadBarSeries("1||abc|3x|"), (std::vector<std::string>{"1", "", "abc", "3x"}));
    EXPECT_TRUE(ReadBarSeries("12").empty());
    EXPECT_TRUE(ReadBarSeries("").empty());
}

TEST(Nemerow, DefaultSeries) {
    EXPECT_EQ(NemerowReport("1.2|1.5|2.5|1.8|2.0|1.6|1.7|"),
              "你输入的数据个数为:7\n"
              "    输入的数据为：|1.2|1.5|2.5|1.8|2.0|1.6|1.7|\n"
              "    最大值为：2.50\n"
              "    算术平均值为：1.76\n"
              "    内梅罗平均值：2.16");
}

TEST(Nemerow, ShortSeries) {
    EXPECT_EQ(NemerowReport("9|10|"),
              "你输入的数据个数为:2\n    输入的数据为：|9|10|\n    最大值为：10.00\n    算术平均值为：9.50\n"
              "    内梅罗平均值：9.75");
    EXPECT_EQ(NemerowReport("5|"),
              "你输入的数据个数为:1\n    输入的数据为：|5|\n    最大值为：5.00\n    算术平均值为：5.00\n"
              "    内梅罗平均值：5.00");
    // The empty value counts as 0 but still counts.
    const std::string gap = NemerowReport("1||3|");
    EXPECT_NE(gap.find("个数为:3\n"), std::string::npos);
    EXPECT_NE(gap.find("|1||3|\n"), std::string::npos);
    EXPECT_NE(gap.find("算术平均值为：1.33\n"), std::string::npos);
    // Negative values: the largest is the one nearest zero.
    EXPECT_NE(NemerowReport("-3|-1|").find("最大值为：-1.00\n"), std::string::npos);
}

TEST(Nemerow, ASeriesWithoutAValueOrWithAnOverflowIsNoReport) {
    EXPECT_THROW(NemerowReport("1.2"), StatementFailure);
    // Was "最大值为：Infinity".
    EXPECT_THROW(NemerowReport("1|1e999|"), StatementFailure);
    EXPECT_THROW(NemerowReport("1|1e300|"), StatementFailure);  // max² overflows
    // A typed value that begins with no number was counted as 0 unseen.
    EXPECT_THROW(NemerowReport("1|abc|"), StatementFailure);
    EXPECT_THROW(NemerowReport("1|-|"), StatementFailure);
}

// Each counted as the digits before the mark alone: "1，000" as 1, "1.2 mg/L" as 1.2.
TEST(Nemerow, AValueThatIsNoNumberAloneIsNoReport) {
    const std::pair<const char*, const char*> cases[] = {
        {"1，000|", "1，000"}, {"2|1．5|", "1．5"}, {"27度30|", "27度30"}, {"1 5|", "1 5"}, {"1/2|3|", "1/2"},
        {"3|1.2 mg/L|", "1.2 mg/L"}};
    for (const auto& [series, bad] : cases) {
        try {
            NemerowReport(series);
            ADD_FAILURE() << series;
        } catch (const StatementFailure& f) {
            EXPECT_EQ(f.what(), "数据“" + std::string(bad) + "”不是有效的数值") << series;
        }
    }
    EXPECT_THROW(SingleFactorReport("1，000|", 0.5), StatementFailure);
}

// A value is a number alone, blanks aside; the echo keeps its text.
TEST(Nemerow, AValueIsANumberAloneBlanksAside) {
    EXPECT_EQ(NemerowReport(" 3 |1|"),
              "你输入的数据个数为:2\n    输入的数据为：| 3 |1|\n    最大值为：3.00\n    算术平均值为：2.00\n"
              "    内梅罗平均值：2.55");
}

TEST(SingleFactor, DefaultSeriesAgainstItsStandard) {
    EXPECT_EQ(SingleFactorReport("0.5|0.8|0.6|0.7|0.2|0.9|0.5|", 0.5),
              "你输入的数据为：|0.5|0.8|0.6|0.7|0.2|0.9|0.5|\n计算结果如下：\n"
              "单项评价指数为：| 1| 1.6| 1.2| 1.4| .4| 1.8| 1|");
}

TEST(SingleFactor, IndicesAreRoundedToTwoDecimalsFirst) {
    EXPECT_EQ(SingleFactorReport("0.25|1|", 0.5), "你输入的数据为：|0.25|1|\n计算结果如下：\n单项评价指数为：| .5| 2|");
    EXPECT_EQ(SingleFactorReport("1|-0.2|0.001|", 3),
              "你输入的数据为：|1|-0.2|0.001|\n计算结果如下：\n单项评价指数为：| .33|-.07| 0|");
}

// Were an empty report, and an index of 0 for a value that is no number.
TEST(SingleFactor, ASeriesWithoutAValueOrWithAWordIsNoReport) {
    EXPECT_THROW(SingleFactorReport("0.5", 0.5), StatementFailure);
    EXPECT_THROW(SingleFactorReport("1|abc|", 0.5), StatementFailure);
    EXPECT_EQ(SingleFactorReport("1||", 0.5), "你输入的数据为：|1||\n计算结果如下：\n单项评价指数为：| 2| 0|");
}

TEST(SelfPurification, DefaultsAndSigns) {
    EXPECT_EQ(SelfPurificationText(0.5, 0.6, 0.8, 1.0), "此物质的自净利用指数:0.25");
    EXPECT_EQ(SelfPurificationText(0.5, 0.4, 0.8, 1.0), "此物质的自净利用指数:-0.25");
    EXPECT_EQ(SelfPurificationText(0.5, 1.0, 0.8, 1.0), "此物质的自净利用指数:1.25");
    EXPECT_EQ(SelfPurificationText(0.5, 0.5, 0.8, 1.0), "此物质的自净利用指数:0.00");
}

TEST(StatusIndices, ZeroDenominatorsFailWithTheirCondition) {
    EXPECT_THROW(SelfPurificationText(1.0, 0.6, 0.8, 1.0), StatementFailure);  // Cs equal to Ch
    EXPECT_THROW(SelfPurificationText(0.5, 0.6, 0, 1.0), StatementFailure);
    EXPECT_EQ(PollutionRankText(1, 15, 10, 0.1, 1), "该物质污染排序指数ISE=0.74");
    EXPECT_THROW(PollutionRankText(1, 15, 10, 1, 1), StatementFailure);
    EXPECT_THROW(PollutionRankText(1, 0, 10, 0.1, 1), StatementFailure);
    EXPECT_THROW(SingleFactorReport("0.5|0|", 0), StatementFailure);
}

}  // namespace
}  // namespace korrimet::water
