#include "tools/air_guideline/wind_speed.h"

#include <cmath>

#include "common/number_text.h"
#include "common/stores.h"
#include "common/table_text.h"

namespace korrimet::air_guideline {

WindExponentTable LoadWindExponents(std::string_view text) {
    WindExponentTable table;
    for (const TableRow& row : TableRows(text)) {
        RequireFields(row, 3);
        table.push_back({row.fields[0], TableNumber(row, 1), TableNumber(row, 2)});
    }
    return table;
}

std::optional<double> WindExponent(const WindExponentTable& table, std::string_view stability,
                                   SiteLocation location) {
    for (const WindExponentRow& row : table)
        if (row.stability == stability) return location == SiteLocation::Rural ? row.rural : row.urban;
    return std::nullopt;
}

double OutletWindSpeed(double u10, double height, double exponent) {
    return dbl(u10 * dbl(std::pow(height / 10, exponent)));
}

std::vector<std::string> WindSpeedReport(const WindSpeedInput& in, double u, double p) {
    return {
        "计算烟囱出口风速：",
        "结果：",
        "    烟囱出口处平均风速 U =" + ReportMask(u, "####.######") + "(m / s)",
        "参数如下:",
        in.standardExponent ? "    项目所在的位置:" +
                                  std::string(in.location == SiteLocation::Rural ? "农村和城市远郊" : "城市或城市近郊")
                            : "    项目所在的位置:农村或城市远郊,区(地势较平坦)",
        "    地面10米高处风速U10=" + in.u10 + "(m / s)",
        "    烟囱几何高度H=" + in.height + "(m)",
        in.standardExponent ? "    稳定度等级＝" + in.stability : "    稳定度等级＝Ｄ",
        "    风速幂指数 =" + (in.standardExponent ? NumberText(p) : in.exponent),
    };
}

}  // namespace korrimet::air_guideline
