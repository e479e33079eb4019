#include "tools/air_guideline/work_grade.h"

#include <gtest/gtest.h>

#include "common/statement_failure.h"

namespace korrimet::air_guideline {
namespace {

const std::string kAdvice =
    "    建议：可根据项目的性质,总投资和产值,周围地形的复杂程度,环境敏感区的分布情况,"
    "以及当地大气污染程度,对评价级别作适当调整,但调整幅度上下不应超过一级.";

std::string report(double q, double c, Terrain terrain) {
    return WorkGradeReport(EqualStandardRate(q, c), terrain);
}

TEST(WorkGrade, DefaultReportOnBothTerrains) {
    EXPECT_EQ(report(10, 0.5, Terrain::Flat),
              "    建议评价工作等级：二级 \n    等标排放量为：2E+10[m^3/h]\n" + kAdvice);
    EXPECT_EQ(report(10, 0.5, Terrain::Complex),
              "    建议评价工作等级：一级 \n    等标排放量为：2E+10[m^3/h]\n" + kAdvice);
}

// HJ/T 2.2-93 puts P ≥ 2.5E+09 in the higher grade (it took ">"); the 2.5E+08 boundary stays below
// as the Part gives it, since copies of the table differ there.
TEST(WorkGrade, TheUpperThresholdCountsInTheHigherGrade) {
    struct Case {
        double q;
        Terrain terrain;
        WorkGrade grade;
    } cases[] = {
        {1.25, Terrain::Flat, WorkGrade::Second},    // P = 2.5E+09 exactly: was 三级
        {1.25, Terrain::Complex, WorkGrade::First},  // was 二级
        {1.2499999, Terrain::Flat, WorkGrade::Third},
        {1.2499999, Terrain::Complex, WorkGrade::Second},
        {1.2500001, Terrain::Flat, WorkGrade::Second},
        {1.2500001, Terrain::Complex, WorkGrade::First},
        {0.125, Terrain::Complex, WorkGrade::Third},  // P = 2.5E+08 exactly
        {0.12500001, Terrain::Complex, WorkGrade::Second},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GradeOf(EqualStandardRate(c.q, 0.5), c.terrain), c.grade) << c.q;
    EXPECT_EQ(EqualStandardRate(1.25, 0.5), 2.5e9f);
}

TEST(WorkGrade, AZeroStandardOrARateBeyondASingleFails) {
    // Both once gave P = 0 and "三级".
    EXPECT_THROW(EqualStandardRate(10, 0), StatementFailure);
    EXPECT_THROW(EqualStandardRate(1E+30, 0.5), StatementFailure);
    EXPECT_EQ(EqualStandardRate(0, 0.5), 0.0f);
}

}  // namespace
}  // namespace korrimet::air_guideline
