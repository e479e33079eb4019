#include "tools/air_guideline/mixing_layer.h"

#include <algorithm>
#include <cmath>

#include "common/leading_number.h"
#include "common/number_text.h"
#include "common/table_text.h"
#include "tools/air_guideline/guideline_report.h"

namespace korrimet::air_guideline {
namespace {

constexpr double kEarthRotation = 7.29e-5;  // 1/s
constexpr double kHighestWind = 6;          // m/s: the standard takes a stronger U10 as 6
constexpr double kPi = 3.14159265358979;
const char* const kGroups[] = {"I", "II", "III", "IV"};

bool linearClass(std::string_view stability) {
    return stability == "A" || stability == "B" || stability == "C" || stability == "D";
}

}  // namespace

std::vector<MixingRegion> LoadMixingRegions(std::string_view text) {
    std::vector<MixingRegion> regions;
    for (const TableRow& row : TableRows(text)) {
        RequireFields(row, 2);
        bool known = false;
        for (const char* g : kGroups) known = known || row.fields[0] == g;
        if (!known) throw TableFormatError(row.line, "unknown region group " + row.fields[0]);
        for (const MixingRegion& r : regions)
            if (r.name == row.fields[1]) throw TableFormatError(row.line, "region twice: " + r.name);
        regions.push_back({row.fields[0], row.fields[1]});
    }
    return regions;
}

std::vector<MixingCoefficientRow> LoadMixingCoefficients(std::string_view text) {
    std::vector<MixingCoefficientRow> rows;
    for (const TableRow& row : TableRows(text)) {
        RequireFields(row, 1 + std::size(kGroups));
        MixingCoefficientRow r{row.fields[0], {}};
        for (std::size_t i = 0; i < std::size(kGroups); ++i) r.byGroup.push_back(TableNumber(row, i + 1));
        rows.push_back(std::move(r));
    }
    return rows;
}

std::optional<double> MixingCoefficient(const MixingTables& tables, std::string_view stability,
                                        std::string_view region) {
    const MixingRegion* found = nullptr;
    for (const MixingRegion& r : tables.regions)
        if (r.name == region) found = &r;
    if (!found) return std::nullopt;
    std::size_t group = 0;
    while (group < std::size(kGroups) && found->group != kGroups[group]) ++group;
    for (const MixingCoefficientRow& row : tables.coefficients)
        if (row.stability == stability && group < row.byGroup.size()) return row.byGroup[group];
    return std::nullopt;
}

double LatitudeOf(double degrees, double minutes) { return std::abs(degrees) + minutes / 60; }

double CoriolisParameter(double latitude) {
    return (2 * kEarthRotation) * std::sin(latitude * kPi / 180);
}

MixingLayerOutcome MixingLayerReport(const MixingLayerInput& in, std::optional<double> u10,
                                     std::optional<double> latitude, const MixingTables& tables) {
    const std::optional<double> coefficient = MixingCoefficient(tables, in.stability, in.region);
    MixingLayerOutcome out;
    std::optional<double> hf;
    const bool capped = u10 && *u10 > kHighestWind;
    auto knownClass = [&] {
        for (const MixingCoefficientRow& row : tables.coefficients)
            if (row.stability == in.stability) return true;
        return false;
    };
    if (!coefficient)
        out.failure = knownClass() ? "未选择有效的行政区域" : "未选择有效的大气稳定度等级";
    else if (!u10)
        out.failure = "地面10米高处风速 U10不是有效的数值";
    else if (!latitude)
        out.failure = "地理纬度无效";
    else {
        const double f = CoriolisParameter(*latitude);
        const double u = std::min(*u10, kHighestWind);
        const double h = linearClass(in.stability) ? *coefficient * u / f : *coefficient * std::sqrt(u / f);
        if (std::isfinite(h)) hf = h;
        else out.failure = "结果不是有效的数值";
    }

    out.lines = {
        "参数:",
        "    地面10m处平均风速 U10 = " + EchoOnOneLine(in.u10) + "(m/s)" + (capped ? "（大于6m/s，按6m/s计）" : ""),
        "    地区类别:" + EchoOnOneLine(in.region),
        "    地区纬度：" + EntryWithUnit(in.degrees, "度") + EntryWithUnit(in.minutes, "分"),
        "结果:",
        "    混合层系数 =" + (coefficient ? NumberText(*coefficient) : std::string()),
        "    混合层高度 hf = " + (hf ? ResultMaskText(*hf, "#####.###") + "(m)" : "无法计算（" + out.failure + "）"),
    };
    return out;
}

}  // namespace korrimet::air_guideline
