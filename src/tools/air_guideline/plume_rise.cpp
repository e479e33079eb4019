#include "tools/air_guideline/plume_rise.h"

#include <cmath>

#include "common/number_text.h"
#include "common/steps.h"
#include "common/stores.h"
#include "common/table_text.h"
#include "common/variant.h"

namespace korrimet::air_guideline {
namespace {

constexpr double kStandardPressure = 271.3386;
constexpr double kPi = 3.1415926;
constexpr const char* kMask = "####.####";

bool oneOf(std::string_view s, std::initializer_list<std::string_view> set) {
    for (std::string_view item : set)
        if (s == item) return true;
    return false;
}

// The box's number, or the refusal naming the box.
struct Refusal {
    std::string text;
};
double number(const std::string& text, const char* name) {
    if (const std::optional<double> v = TryParseNumber(text, Precision::Double)) return *v;
    throw Refusal{std::string(name) + " 不是数值,请检查输入!"};
}
double computed(double v, const char* name) {
    if (!std::isfinite(v)) throw Refusal{std::string(name) + " 无法计算,请检查输入!"};
    return v;
}

double powerRise(const RiseCoefficients& row, SiteLocation location, double qh, double h, double u) {
    const double n0 = location == SiteLocation::Rural ? row.n0Rural : row.n0Urban;
    return n0 * std::pow(qh, row.n1) * std::pow(h, row.n2) / u;
}

double jetVelocity(double qv, double d) { return qv / (kPi * std::pow(d / 2, 2)); }

Variant valueOrEmpty(const std::optional<double>& v) { return v ? Variant::dbl(*v) : Variant(); }

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
        if (qh >= kLargeHeat && dt > kHotGas) return RisePath::LargeHeat;
        if (qh >= kMediumHeat && qh < kLargeHeat && dt > kHotGas) return RisePath::MediumHeat;
        if (qh > kSmallHeat && qh < kMediumHeat) return RisePath::Interpolated;
        if (qh <= kSmallHeat || dt < kHotGas) return RisePath::Jet;
        return RisePath::NoFormula;
    }
    if (u >= kCalmWind && oneOf(stability, {"D-E", "E", "F"})) return RisePath::Stable;
    if (u < kCalmWind) return RisePath::Calm;
    return RisePath::UnknownClass;
}

ReportOutcome PlumeRiseReport(const PlumeRiseInput& in, const RiseCoefficientTable& table) {
    double qh = 0, dt = 0;
    std::optional<double> vs, rise;
    Variant n0, n1, n2;
    RisePath path{};
    try {
        // Everything up to the formula of a power-law or jet path needs its numbers.
        const double pa = computed(number(in.pressureRatio, "大气比标压 Pa") * kStandardPressure, "大气比标压 Pa");
        const double ts = number(in.gasTemperature, "烟筒出口烟气温度 Ts");
        const double ta = number(in.airTemperature, "环境大气温度 T");
        dt = computed(ts - ta, "烟气温度与环境温差 ΔT");
        const double qv = number(in.flow, "烟筒出口烟气量 Qv");
        if (ts == 0) throw Refusal{"烟筒出口烟气温度 Ts 为0,无法计算烟气热释放率,请检查输入!"};
        qh = computed(0.35 * pa * qv * dt / ts, "烟气热释放率 Qh");
        const double u = number(in.outletWindSpeed, "烟筒出口风速 U");
        path = ChooseRisePath(in.stability, u, qh, dt);

        Steps steps;
        switch (path) {
        case RisePath::LargeHeat:
        case RisePath::MediumHeat: {
            const RiseCoefficients& row = path == RisePath::LargeHeat ? table.large : table.medium;
            rise = computed(powerRise(row, in.location, qh, number(in.height, "烟筒几何高度 H"), u),
                            "烟气抬升高度 ΔH");
            n0 = Variant::dbl(in.location == SiteLocation::Rural ? row.n0Rural : row.n0Urban);
            n1 = Variant::dbl(row.n1);
            n2 = Variant::dbl(row.n2);
            break;
        }
        case RisePath::Interpolated: {
            const double rise2 = computed(
                powerRise(table.medium, in.location, qh, number(in.height, "烟筒几何高度 H"), u), "烟气抬升高度 ΔH");
            // From here on a failed statement leaves its value unset, and so
            // does every later statement that needs it.
            double d = 0;
            std::optional<double> rise1;
            steps([&] {
                d = ParseNumber(in.diameter, Precision::Double);
                vs = dbl(jetVelocity(qv, d));
            });
            steps([&] {
                if (vs) rise1 = dbl(2 * (1.5 * *vs * d + 0.01 * qh) / u - 0.048 * (qh - kSmallHeat) / u);
            });
            steps([&] {
                if (rise1) rise = dbl(*rise1 + (rise2 - *rise1) * (qh - kSmallHeat) / (kMediumHeat - kSmallHeat));
            });
            break;
        }
        case RisePath::Jet: {
            const double d = number(in.diameter, "烟筒出口直径 d");
            vs = computed(jetVelocity(qv, d), "烟气出口处排出风速 Vs");
            rise = computed(2 * (1.5 * *vs * d + 0.01 * qh) / u, "烟气抬升高度 ΔH");
            break;
        }
        case RisePath::Stable:
            steps([&] {
                const double g = ParseNumber(in.gradient, Precision::Double);
                rise = dbl(std::pow(qh, 1.0 / 3) * std::pow(g + 0.0098, -1.0 / 3) * std::pow(u, -1.0 / 3));
            });
            break;
        case RisePath::Calm:
            steps([&] {
                const double g = ParseNumber(in.gradient, Precision::Double);
                rise = dbl(5.5 * std::pow(qh, 1.0 / 4) * std::pow(g + 0.0098, -3.0 / 8));
            });
            break;
        case RisePath::NoFormula:
        case RisePath::UnknownClass: break;
        }

        if (qh < kMediumHeat || dt < kHotGas || u < kCalmWind)
            n0 = n1 = n2 = Variant::integer(0);
    } catch (const Refusal& r) {
        return {{}, r.text};
    }

    // A height that is no number leaves He unset; an unset rise leaves He the height's text.
    Variant he;
    Steps steps;
    steps([&] { he = Variant::text(in.height) + valueOrEmpty(rise); });

    ReportOutcome out;
    out.lines = {
        "项目所在位置:" + std::string(in.location == SiteLocation::Rural ? "农村或城市远郊" : "城市或城市近郊"),
        "参数:",
        "    烟囱几何高度 H =" + in.height + "(m)",
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
        "    烟气热释放率   Qh = " + MaskText(qh, kMask) + "(KJ/s)",
        "    烟气出口处排出风速 Vs = " + MaskText(valueOrEmpty(vs), kMask) + "(m/s)",
        "    烟气热状况及地表状况系数 n0 =" + n0.toText(),
        "    烟气热释放率指数 n1 =" + n1.toText(),
        "    排气筒高度指数 n2 = " + n2.toText(),
        "    烟气抬升高度 ΔH = " + MaskText(valueOrEmpty(rise), kMask) + "(m)",
        "    烟囱有效高度 He = " + MaskText(he, kMask) + "(m)",
    };
    return out;
}

}  // namespace korrimet::air_guideline
