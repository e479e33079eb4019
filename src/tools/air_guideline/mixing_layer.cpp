#include "tools/air_guideline/mixing_layer.h"

#include <cmath>

#include "common/number_text.h"
#include "common/steps.h"
#include "common/stores.h"
#include "common/table_text.h"
#include "common/variant.h"

namespace korrimet::air_guideline {
namespace {

constexpr double kEarthRotation = 7.29e-5;  // 1/s
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

double LatitudeOf(std::string_view degrees, std::string_view minutes) {
    return LeadingNumber(degrees) + LeadingNumber(minutes) / 60;
}

double CoriolisParameter(double latitude) {
    return (2 * kEarthRotation) * std::sin(latitude * kPi / 180);
}

std::vector<std::string> MixingLayerReport(const MixingLayerInput& in, const MixingTables& tables) {
    const double f = CoriolisParameter(LatitudeOf(in.degrees, in.minutes));
    const std::optional<double> coefficient = MixingCoefficient(tables, in.stability, in.region);

    // An empty coefficient counts as 0; a failed formula leaves hf empty.
    const double a = coefficient.value_or(0);
    Variant hf;
    Steps steps;
    if (linearClass(in.stability))
        steps([&] { hf = Variant::dbl(dbl(divide(a * ParseNumber(in.u10, Precision::Double), f))); });
    else
        steps([&] { hf = Variant::dbl(dbl(a * std::sqrt(divide(ParseNumber(in.u10, Precision::Double), f)))); });

    return {
        "参数:",
        "    地面10m处平均风速 U10 = " + in.u10 + "(m/s)",
        "    地区类别:" + in.region,
        "    地区纬度：" + in.degrees + "度" + in.minutes + "分",
        "结果:",
        "    混合层系数 =" + (coefficient ? NumberText(*coefficient) : std::string()),
        "    混合层高度 hf = " + MaskText(hf, "#####.###") + "(m)",
    };
}

}  // namespace korrimet::air_guideline
