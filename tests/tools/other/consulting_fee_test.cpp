#include "tools/other/consulting_fee.h"

#include <gtest/gtest.h>

#include "common/number_text.h"

namespace korrimet::other {
namespace {

struct FeeCase {
    const char* name;
    float investment;
    FeeChoice choice;
    double topics;
    int band;
    const char* fee0;
    const char* compile;
    const char* assess;
};

constexpr FeeChoice kBook{};
constexpr FeeChoice kForm{FeeDocument::Form, FeeIndustry::Heavy, FeeSensitivity::Sensitive};
constexpr FeeChoice kCheapest{FeeDocument::Book, FeeIndustry::Services, FeeSensitivity::Ordinary};

class FeeScale : public testing::TestWithParam<FeeCase> {};

TEST_P(FeeScale, BandFeesAndAdjustments) {
    const FeeCase& c = GetParam();
    const auto fees = ComputeFees(c.investment, c.choice, c.topics);
    ASSERT_TRUE(fees);
    EXPECT_EQ(fees->band, c.band);
    EXPECT_EQ(NumberText(fees->fee0), c.fee0);
    EXPECT_EQ(NumberText(fees->compile), c.compile);
    EXPECT_EQ(NumberText(fees->assess), c.assess);
}

INSTANTIATE_TEST_SUITE_P(
    Fees, FeeScale,
    testing::Values(
        FeeCase{"Defaults", 3500, kBook, 0, 2, "6.264706", "9.0212", "1.54412"},
        FeeCase{"TopOfBandOne", 3000, kBook, 0, 1, "6", "8.64", "1.5"},
        FeeCase{"TopOfBandTwo", 20000, kBook, 0, 2, "15", "21.6", "3"},
        FeeCase{"TopOfBandThree", 100000, kBook, 0, 3, "35", "50.4", "7"},
        FeeCase{"InsideBandFour", 300000, kBook, 0, 4, "55", "79.2", "8"},
        FeeCase{"InsideBandFive", 750000, kBook, 0, 5, "92.5", "133.2", "11"},
        FeeCase{"AboveTheScale", 2000000, kBook, 0, 6, "110", "158.4", "13"},
        FeeCase{"AboveTheScaleCheapest", 1000010, kCheapest, 0, 6, "110", "52.8", "13"},
        FeeCase{"PetrochemicalOrdinary", 3500, {FeeDocument::Book, FeeIndustry::Petrochemical, FeeSensitivity::Ordinary}, 0,
                2, "6.264706", "5.5129", "1.54412"},
        FeeCase{"NothingInvested", 0, kBook, 0, 1, "5", "7.2", "0.8"},
        FeeCase{"NegativeInvestmentStaysInBandOne", -3000, kBook, 0, 1, "4", "5.76", "0.1"},
        FeeCase{"FormWithTwoTopics", 3500, kForm, 2, 2, "2.058824", "4.1176", "0.82059"},
        FeeCase{"FormWithoutTopics", 3500, kForm, 0, 2, "2.058824", "2.0588", "0.82059"},
        FeeCase{"FormAtTenYi", 100000, kForm, 3, 3, "7", "17.5", "2"},
        FeeCase{"FormInBandOne", 1500, kForm, 1, 1, "1.5", "2.25", "0.65"},
        FeeCase{"FormFlatAboveTen", 600000, kForm, 0, 5, "7", "7", "2"}),
    [](const testing::TestParamInfo<FeeCase>& info) { return std::string(info.param.name); });

TEST(FeeAdjustment, CoefficientsMultiplyOnlyForTheButtonsThatAreOn) {
    auto compile = [](std::optional<FeeIndustry> industry, std::optional<FeeSensitivity> sensitivity) {
        return NumberText(ComputeFees(20000, {FeeDocument::Book, industry, sensitivity}, 0)->compile);
    };
    EXPECT_EQ(compile(FeeIndustry::Petrochemical, FeeSensitivity::Sensitive), "19.8");
    EXPECT_EQ(compile(FeeIndustry::Transport, FeeSensitivity::Ordinary), "12");
    EXPECT_EQ(compile(FeeIndustry::Machinery, FeeSensitivity::Sensitive), "14.4");
    EXPECT_EQ(compile(FeeIndustry::Heavy, std::nullopt), "18");
    // No industry row on: the whole adjustment is skipped.
    EXPECT_EQ(compile(std::nullopt, FeeSensitivity::Sensitive), "15");
}

TEST(FeeAdjustment, TopicsBeyondTheRangeOfTheFeeGiveNoFees) {
    EXPECT_FALSE(ComputeFees(3500, kForm, 1e300));
    EXPECT_TRUE(ComputeFees(3500, kForm, 1e30));
    // A report book does not read the topics.
    EXPECT_TRUE(ComputeFees(3500, kBook, 1e300));
}

TEST(FeeReportLines, BookAndSmallFormShowTheFees) {
    const auto book = FeeReport(FeeDocument::Book, *ComputeFees(3500, kBook, 0));
    ASSERT_EQ(book.size(), 5u);
    EXPECT_EQ(book[0], "    编制环境影响报告书(含大纲)的费用约为:9.0212万元");
    EXPECT_EQ(book[1], "    评估环境影响报告书(含大纲)的费用约为:1.54412万元");
    EXPECT_EQ(book[2], "    注：");
    EXPECT_EQ(book[3], "    1、估算投资额为项目建议书上或可行性研究报告中的估算投资额");
    EXPECT_EQ(book[4],
              "    2、以上计算出来的费用不包括遥感、遥测、风洞实验、污染气象观测、示踪实验、地探、物探、卫星图片解读、"
              "需要动用的船、飞机等特殊监测费用");

    const auto form = FeeReport(FeeDocument::Form, *ComputeFees(100000, kForm, 2));
    EXPECT_EQ(form[0], "    编制环境影响报告表的费用为:14万元");
    EXPECT_EQ(form[1], "    评估环境影响报告表的费用为:2万元");
}

TEST(FeeReportLines, FormAboveTenYiNamesOnlyTheFloor) {
    const auto form = FeeReport(FeeDocument::Form, *ComputeFees(100010, kForm, 2));
    ASSERT_EQ(form.size(), 5u);
    EXPECT_EQ(form[0], "    编制环境影响报告表的费用为:7万元以上，计价格[2002]125号文件规定，好象没有上限！");
    EXPECT_EQ(form[1], "    评估环境影响报告表的费用为:2万元以上，计价格[2002]125号文件规定，好象没有上限！");
    EXPECT_EQ(form[2], "    注：");
}

}  // namespace
}  // namespace korrimet::other
