#include "tools/water/surface_grade.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "water_data.h"

namespace korrimet::water {
namespace {

const std::vector<WorkGradeRow>& stored() {
    static const std::vector<WorkGradeRow> table = [] {
        std::string error;
        auto rows = ParseWorkGradeTable(test::waterData("work_grade_table.txt"), &error);
        EXPECT_TRUE(rows) << error;
        return rows.value_or(std::vector<WorkGradeRow>{});
    }();
    return table;
}

std::string riverLine(const char* classes, const char* grade) {
    return std::string("    如果该类污水排放地表水") + classes + "类水体,评价等级划分为" + grade + "\n";
}
const std::string kHeading = "依据你所输入的参数，评价工作等级划分建议如下：\n";

TEST(SurfaceGrade, DischargeBoundariesBelongToTheClassAbove) {
    for (WaterBody body : {WaterBody::River, WaterBody::Lake, WaterBody::Bay}) {
        EXPECT_EQ(DischargeClass(body, 20000), 1);
        EXPECT_EQ(DischargeClass(body, 19999.5f), 2);
    }
    EXPECT_EQ(DischargeClass(WaterBody::River, 10000), 2);
    EXPECT_EQ(DischargeClass(WaterBody::River, 9999), 3);
    EXPECT_EQ(DischargeClass(WaterBody::Lake, 5000), 3);
    EXPECT_EQ(DischargeClass(WaterBody::Lake, 1000), 4);
    EXPECT_EQ(DischargeClass(WaterBody::River, 200), 5);
    EXPECT_EQ(DischargeClass(WaterBody::River, 199.9f), 6);
    EXPECT_EQ(DischargeClass(WaterBody::Bay, 10000), 2);
    EXPECT_EQ(DischargeClass(WaterBody::Bay, 4999), 3);
    EXPECT_EQ(DischargeClass(WaterBody::Bay, 500), 4);
    EXPECT_EQ(DischargeClass(WaterBody::Bay, 499), 5);
    EXPECT_EQ(DischargeClass(WaterBody::Bay, -1), 5);
}

TEST(SurfaceGrade, KindsAndParameterCountGiveTheComplexity) {
    EXPECT_EQ(PollutantKindCount(4), 1);
    EXPECT_EQ(PollutantKindCount(3), 1);
    EXPECT_EQ(PollutantKindCount(2), 2);
    EXPECT_EQ(PollutantKindCount(1), 3);
    EXPECT_EQ(PollutantKindCount(0), 4);
    EXPECT_FALSE(ComplexityUsesParameterCount(1));
    EXPECT_TRUE(ComplexityUsesParameterCount(4));
    EXPECT_EQ(WastewaterComplexity(1, -5), 1);
    EXPECT_EQ(WastewaterComplexity(2, 10), 1);
    EXPECT_EQ(WastewaterComplexity(2, 9.9), 2);
    EXPECT_EQ(WastewaterComplexity(3, 7), 2);
    EXPECT_EQ(WastewaterComplexity(3, 6), 3);
    EXPECT_EQ(WastewaterComplexity(4, 100), 4);
}

TEST(SurfaceGrade, RiverRowsWithTheirLines) {
    EXPECT_EQ(WorkGradeAdvice(stored(), WaterBody::River, 2, 2, 2),
              kHeading + riverLine("I-II", "一级") + riverLine("Ⅲ-Ⅴ", "二级"));
    EXPECT_EQ(WorkGradeAdvice(stored(), WaterBody::River, 2, 3, 2),
              kHeading + riverLine("I", "一级") + riverLine("II-Ⅳ", "二级") + riverLine("Ⅴ", "三级"));
    EXPECT_EQ(WorkGradeAdvice(stored(), WaterBody::River, 5, 3, 1), kHeading + riverLine("I-Ⅳ", "三级"));
    EXPECT_EQ(WorkGradeAdvice(stored(), WaterBody::River, 5, 1, 3), kHeading + riverLine("I-Ⅴ", "三级"));
    EXPECT_EQ(WorkGradeAdvice(stored(), WaterBody::River, 1, 1, 1),
              kHeading + riverLine("I-Ⅲ", "一级") + riverLine("Ⅳ-Ⅴ", "二级"));
    EXPECT_EQ(WorkGradeAdvice(stored(), WaterBody::River, 4, 3, 3),
              kHeading + riverLine("I", "二级") + riverLine("II-Ⅴ", "三级"));
}

TEST(SurfaceGrade, LakesReadTheRiverRows) {
    for (int dc = 1; dc <= 6; ++dc)
        for (int c = 1; c <= 4; ++c)
            for (int b = 0; b <= 3; ++b)
                EXPECT_EQ(WorkGradeAdvice(stored(), WaterBody::Lake, dc, c, b),
                          WorkGradeAdvice(stored(), WaterBody::River, dc, c, b));
}

TEST(SurfaceGrade, EveryRiverCaseUpToClassFiveHasItsRowAndNothingBeyond) {
    const std::string none = kNoGradeRow;
    for (int dc = 1; dc <= 5; ++dc)
        for (int c = 1; c <= 3; ++c)
            for (int b = 1; b <= 3; ++b)
                EXPECT_NE(WorkGradeAdvice(stored(), WaterBody::River, dc, c, b), none) << dc << c << b;
    for (int c = 1; c <= 4; ++c)
        for (int b = 1; b <= 3; ++b) {
            EXPECT_EQ(WorkGradeAdvice(stored(), WaterBody::River, 6, c, b), none);
            EXPECT_EQ(WorkGradeAdvice(stored(), WaterBody::River, 1, 4, b), none);
        }
    EXPECT_EQ(WorkGradeAdvice(stored(), WaterBody::River, 1, 1, 0), none);
}

TEST(SurfaceGrade, NoTwoRowsMatchTheSameCase) {
    int matches = 0;
    for (bool bay : {false, true})
        for (int dc = 1; dc <= 6; ++dc)
            for (int c = 1; c <= 4; ++c)
                for (int b = 1; b <= 3; ++b) {
                    int n = 0;
                    for (const WorkGradeRow& row : stored()) {
                        const bool complexity = row.complexities.empty() ||
                                                std::count(row.complexities.begin(), row.complexities.end(), c);
                        if (row.bay == bay && row.dischargeClass == dc && complexity &&
                            std::count(row.buttons.begin(), row.buttons.end(), b))
                            ++n;
                    }
                    EXPECT_LE(n, 1) << bay << dc << c << b;
                    matches += n;
                }
    EXPECT_EQ(matches, 45 + 18);  // every river case; the bay rows name 18 cases
    EXPECT_EQ(stored().size(), 38u);
}

TEST(SurfaceGrade, BayRowsNameTheirTypes) {
    const std::string none = kNoGradeRow;
    EXPECT_EQ(WorkGradeAdvice(stored(), WaterBody::Bay, 1, 1, 1), kHeading + "    建议评价等级划分为一级\n");
    EXPECT_EQ(WorkGradeAdvice(stored(), WaterBody::Bay, 1, 1, 2), none);
    EXPECT_EQ(WorkGradeAdvice(stored(), WaterBody::Bay, 1, 3, 3), kHeading + "    建议评价等级划分为二级\n");
    EXPECT_EQ(WorkGradeAdvice(stored(), WaterBody::Bay, 2, 3, 3), kHeading + "    建议评价等级划分为三级\n");
    EXPECT_EQ(WorkGradeAdvice(stored(), WaterBody::Bay, 3, 2, 1), kHeading + "    建议评价等级划分为三级\n");
    // Bay class 4 does not look at the complexity, not even at "no kind ticked".
    EXPECT_EQ(WorkGradeAdvice(stored(), WaterBody::Bay, 4, 4, 1), kHeading + "    建议评价等级划分为三级\n");
    EXPECT_EQ(WorkGradeAdvice(stored(), WaterBody::Bay, 4, 4, 2), none);
    EXPECT_EQ(WorkGradeAdvice(stored(), WaterBody::Bay, 5, 1, 1), none);
    EXPECT_EQ(WorkGradeAdvice(stored(), WaterBody::Bay, 1, 4, 1), none);
}

TEST(SurfaceGrade, MalformedRowsAreRefused) {
    std::string error;
    EXPECT_FALSE(ParseWorkGradeTable("lake | 1 | 1 | 1 | I=一级\n", &error));
    EXPECT_EQ(error, "line 1: water is river or bay");
    EXPECT_FALSE(ParseWorkGradeTable("river | 1 | 1 | 4 | I=一级\n", &error));
    EXPECT_EQ(error, "line 1: buttons are 1 to 3");
    EXPECT_FALSE(ParseWorkGradeTable("river | 1 | 1 | 1 | 一级\n", &error));
    EXPECT_EQ(error, "line 1: a river line reads classes=grade, a bay line a grade");
    EXPECT_FALSE(ParseWorkGradeTable("bay | 1 2 | 1 | 1 | 一级\n"));
    EXPECT_FALSE(ParseWorkGradeTable("bay | 1 | 5 | 1 | 一级\n"));
}

}  // namespace
}  // namespace korrimet::water
