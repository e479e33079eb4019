#include "tools/air_guideline/plume_rise.h"

#include <algorithm>
#include <cmath>

#include "common/number_text.h"
#include "common/steps.h"
#include "common/stores.h"
#include "common/table_text.h"
#include "common/variant.h"

namespace korrimet::air_guideline {
namespace {

constexpr double kPi = 3.1415926;
constexpr const char* kMask = "####.####";

bool oneOf(std::string_view s, std::initializer_list<std::string_view> set) {
    for (std::string_view item : set)
        if (s == item) return true;
    return false;
}

double powerRise(const RiseCoefficients& row, SiteLocation location, double qh, double h, double u) {
    const double n0 = location == SiteLocation::Rural ? row.n0Rural : row.n0Urban;
    return n0 * std::pow(qh, row.n1) * std::pow(h, row.n2) / u;
}

double jetVelocity(double qv, double d) { return qv / (kPi * std::pow(d / 2, 2)); }

// Why a formula cannot go on: a value it needs is missing or outside its domain.
struct NoRise {
    std::string why;
};
double need(const std::optional<double>& v, const char* name) {
    if (!v) throw NoRise{std::string(name) + "不是有效的数值"};
    return *v;
}
double finite(double v) {
    if (!std::isfinite(v)) throw NoRise{"结果不是有效的数值"};
    return v;
}

// Heat and gradient under a root with a fractional power: both must be positive.
void requireStableTerms(double qh, double gradient) {
    if (qh < 0) throw NoRise{"烟气热释放率Qh为负（烟气温度低于环境温度）"};
    if (gradient + 0.0098 <= 0) throw NoRise{"大气温度梯度dTdz须大于-0.0098K/m"};
}

}  // namespace

GradientPresetTable LoadGradientPresets(std::string_view text) {
    GradientPresetTable table;
    for (const TableRow& row : TableRows(text)) {
        RequireFields(row, 2);
        table.push_back({row.fields[0], TableNumber(row, 1)});
    }
    return table;
}

std::optional<double> GradientPresetOf(const GradientPresetTable& table, std::string_view stability) {
    for (const GradientPreset& p : table)
        if (p.stability == stability) return p.gradient;
    return std::nullopt;
}

RiseCoefficientTable LoadRiseCoefficients(std::string_view text) {
    const std::vector<TableRow> rows = TableRows(text);
    if (rows.size() != 2) throw TableFormatError(rows.empty() ? 1 : rows.back().line, "expected two rows");
    RiseCoefficients read[2];
    for (int i = 0; i < 2; ++i) {
        RequireFields(rows[i], 5);
        read[i] = {TableNumber(rows[i], 0), TableNumber(rows[i], 1), TableNumber(rows[i], 2),
                   TableNumber(rows[i], 3), TableNumber(rows[i], 4)};
    }
    if (read[0].minHeat != kLargeHeat) throw TableFormatError(rows[0].line, "the first row is for Qh from 21000");
    if (read[1].minHeat != kMediumHeat) throw TableFormatError(rows[1].line, "the second row is for Qh from 2100");
    return {read[0], read[1]};
}

RisePath ChooseRisePath(std::string_view stability, double u, double qh, double dt) {
    if (u >= kCalmWind && oneOf(stability, {"A", "B", "C", "D", "B-C", "C-D"})) {
        if (qh >= kLargeHeat && dt >= kHotGas) return RisePath::LargeHeat;
        if (qh >= kMediumHeat && dt >= kHotGas) return RisePath::MediumHeat;
        if (qh > kSmallHeat && qh < kMediumHeat) return RisePath::Interpolated;
        return RisePath::Jet;
    }
    if (u >= kCalmWind && oneOf(stability, {"D-E", "E", "F"})) return RisePath::Stable;
    if (u < kCalmWind) return RisePath::Calm;
    return RisePath::UnknownClass;
}

bool RiseNeedsDiameter(RisePath path) { return path == RisePath::Interpolated || path == RisePath::Jet; }
bool RiseNeedsGradient(RisePath path) { return path == RisePath::Stable || path == RisePath::Calm; }

double HeatRelease(double pressureRatio, double flow, double gasTemperature, double airTemperature) {
    const double pa = pressureRatio * kStandardPressure;
    return dbl(divide(0.35 * pa * flow * (gasTemperature - airTemperature), gasTemperature + kZeroCelsius));
}

// GCC 12 takes the optional rise for uninitialized when optimizing; it is read only when set.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
PlumeRiseOutcome PlumeRiseReport(const PlumeRiseInput& in, const PlumeRiseNumbers& n,
                                 const RiseCoefficientTable& table) {
    const double dt = n.gasTemperature - n.airTemperature;
    const double qh = HeatRelease(n.pressureRatio, n.flow, n.gasTemperature, n.airTemperature);
    const double u = n.outletWindSpeed;
    const RisePath path = ChooseRisePath(in.stability, u, qh, dt);
    std::optional<double> vs, rise;
    Variant n0, n1, n2;
    PlumeRiseOutcome out;
    try {
        auto height = [&] { return std::min(need(n.height, "烟囱几何高度 H"), kHighestStack); };
        switch (path) {
        case RisePath::LargeHeat:
        case RisePath::MediumHeat: {
            const RiseCoefficients& row = path == RisePath::LargeHeat ? table.large : table.medium;
            n0 = Variant::dbl(in.location == SiteLocation::Rural ? row.n0Rural : row.n0Urban);
            n1 = Variant::dbl(row.n1);
            n2 = Variant::dbl(row.n2);
            rise = finite(powerRise(row, in.location, qh, height(), u));
            break;
        }
        case RisePath::Interpolated: {
            const double rise2 = finite(powerRise(table.medium, in.location, qh, height(), u));
            const double d = need(n.diameter, "烟囱出口内直径 d");
            vs = finite(jetVelocity(n.flow, d));
            const double rise1 = finite(2 * (1.5 * *vs * d + 0.01 * qh) / u - 0.048 * (qh - kSmallHeat) / u);
            rise = finite(rise1 + (rise2 - rise1) * (qh - kSmallHeat) / (kMediumHeat - kSmallHeat));
            break;
        }
        case RisePath::Jet: {
            const double d = need(n.diameter, "烟囱出口内直径 d");
            vs = finite(jetVelocity(n.flow, d));
            rise = finite(2 * (1.5 * *vs * d + 0.01 * qh) / u);
            break;
        }
        case RisePath::Stable: {
            const double g = need(n.gradient, "大气温度梯度 dTdz");
            requireStableTerms(qh, g);
            rise = finite(std::pow(qh, 1.0 / 3) * std::pow(g + 0.0098, -1.0 / 3) * std::pow(u, -1.0 / 3));
            break;
        }
        case RisePath::Calm: {
            const double g = need(n.gradient, "大气温度梯度 dTdz");
            requireStableTerms(qh, g);
            rise = finite(5.5 * std::pow(qh, 1.0 / 4) * std::pow(g + 0.0098, -3.0 / 8));
            break;
        }
        case RisePath::UnknownClass:
            throw NoRise{in.stability.empty() ? "未选择大气稳定度等级" : "大气稳定度等级“" + in.stability + "”不在表中"};
        }
        // A cold plume's negative heat term can outweigh its momentum: it sinks, it does not rise.
        if (*rise < 0) throw NoRise{"抬升高度为负（烟气温度低于环境温度）"};
    } catch (const NoRise& r) {
        rise.reset();
        out.riseFailure = r.why;
    }
    if (qh < kMediumHeat || dt < kHotGas || u < kCalmWind) n0 = n1 = n2 = Variant::integer(0);

    std::optional<double> he;
    if (rise && n.height && std::isfinite(*n.height + *rise)) he = *n.height + *rise;
    else if (rise) out.heightFailure = "烟囱几何高度 H不是有效的数值";

    // Only the jet formulas use Vs; where one of them failed, Vs says why.
    const bool usesVs = path == RisePath::Interpolated || path == RisePath::Jet;
    const std::string vsText = vs      ? ResultMaskText(*vs, kMask) + "(m/s)"
                               : usesVs ? "无法计算（" + out.riseFailure + "）"
                                        : std::string("本工况不用");
    std::string riseText = "无法计算（" + out.riseFailure + "）";
    if (rise.has_value()) riseText = ResultMaskText(rise.value(), kMask) + "(m)";
    const bool capped = n.height && *n.height > kHighestStack;
    out.lines = {
        "项目所在位置:" + std::string(in.location == SiteLocation::Rural ? "农村或城市远郊" : "城市或城市近郊"),
        "参数:",
        "    烟囱几何高度 H =" + in.height + "(m)" + (capped ? "（超过240米，抬升按240米计）" : ""),
        "    烟囱出口内直径 d =" + in.diameter + "(m)",
        "    烟囱烟气排放率 Qv = " + in.flow + "(m^3/s)",
        "    烟囱出口烟气温度 Ts = " + in.gasTemperature + "(℃)",
        "    地面10m处平均风速 U10 =" + in.windSpeed10 + "(m/s)",
        "    烟囱出口处平均风速 U = " + in.outletWindSpeed + "(m/s)",
        "    稳定度等级 = " + in.stability,
        "    烟囱出口处的大气温度 Ta = " + in.airTemperature + "(℃)",
        "    大气比标压 Pa = " + in.pressureRatio + "(个)标压",
        "    烟囱几何高度以上的大气温度梯度 dTdz = " + in.gradient + "(K/m)",
        "结果:",
        "    烟气温度与环境温差 ΔT = " + NumberText(dt) + "(℃)",
        "    烟气热释放率   Qh = " + ResultMaskText(qh, kMask) + "(KJ/s)",
        "    烟气出口处排出风速 Vs = " + vsText,
        "    烟气热状况及地表状况系数 n0 =" + n0.toText(),
        "    烟气热释放率指数 n1 =" + n1.toText(),
        "    排气筒高度指数 n2 = " + n2.toText(),
        "    烟气抬升高度 ΔH = " + riseText,
        "    烟囱有效高度 He = " +
            (he ? ResultMaskText(*he, kMask) + "(m)"
                : "无法计算（" + (rise ? out.heightFailure : std::string("抬升高度ΔH无法计算")) + "）"),
    };
    return out;
}
#pragma GCC diagnostic pop

}  // namespace korrimet::air_guideline
