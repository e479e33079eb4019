#include "tools/air_guideline/work_grade.h"

#include "common/number_text.h"
#include "common/stores.h"

namespace korrimet::air_guideline {
namespace {
constexpr float kUpperThreshold = 2500000000.0f;
constexpr float kLowerThreshold = 250000000.0f;
constexpr double kMilligramsPerTonne = 1000000000.0;

const char* gradeName(WorkGrade grade) {
    switch (grade) {
    case WorkGrade::First: return "一级";
    case WorkGrade::Second: return "二级";
    case WorkGrade::Third: return "三级";
    }
    return "三级";
}
}  // namespace

float EqualStandardRate(double q, double c) { return single(divide(q, c) * kMilligramsPerTonne); }

WorkGrade GradeOf(float p, Terrain terrain) {
    if (terrain == Terrain::Flat) return p >= kUpperThreshold ? WorkGrade::Second : WorkGrade::Third;
    if (p >= kUpperThreshold) return WorkGrade::First;
    if (p > kLowerThreshold) return WorkGrade::Second;
    return WorkGrade::Third;
}

std::string WorkGradeReport(float p, Terrain terrain) {
    std::string report = "    建议评价工作等级：";
    report += gradeName(GradeOf(p, terrain));
    report += " \n    等标排放量为：";
    report += NumberText(p);
    report += "[m^3/h]\n";
    report +=
        "    建议：可根据项目的性质,总投资和产值,周围地形的复杂程度,环境敏感区的分布情况,"
        "以及当地大气污染程度,对评价级别作适当调整,但调整幅度上下不应超过一级.";
    return report;
}

}  // namespace korrimet::air_guideline
