#include "tools/water/tannery.h"

#include "common/number_text.h"
#include "common/pipe_table.h"
#include "common/stores.h"

namespace korrimet::water {

std::optional<TanneryTable> ParseTanneryTable(std::string_view text, std::string* error) {
    auto fail = [&](int line, const std::string& why) -> std::optional<TanneryTable> {
        if (error) *error = "line " + std::to_string(line) + ": " + why;
        return std::nullopt;
    };
    TanneryTable table;
    for (const PipeRecord& r : SplitPipeTable(text)) {
        if (r.fields.front() == "hides") {
            table.hides.assign(r.fields.begin() + 1, r.fields.end());
            continue;
        }
        if (table.hides.empty()) return fail(r.line, "factors before the hides line");
        if (r.fields.size() != table.hides.size() + 1) return fail(r.line, "one factor per hide is needed");
        TanneryTable::Row row;
        row.box = r.fields.front();
        for (size_t i = 1; i < r.fields.size(); ++i) {
            auto v = TryParseNumber(r.fields[i], Precision::Double);
            if (!v) return fail(r.line, "factor " + r.fields[i] + " is no number");
            row.factors.push_back({*v, r.fields[i].find('.') == std::string::npos});
        }
        table.rows.push_back(std::move(row));
    }
    if (table.rows.empty()) return fail(0, "no factors");
    return table;
}

std::optional<size_t> HideColumn(const TanneryTable& table, std::string_view comboText) {
    for (size_t i = 0; i < table.hides.size(); ++i)
        if (table.hides[i] == comboText) return i;
    return std::nullopt;
}

std::string TanneryResultText(const TanneryFactor& factor, float tonnage) {
    const double product = factor.value * static_cast<double>(tonnage);
    return factor.single ? NumberText(single(product)) : NumberText(dbl(product));
}

}  // namespace korrimet::water
