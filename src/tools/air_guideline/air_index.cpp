#include "tools/air_guideline/air_index.h"

#include <cmath>

#include "common/number_text.h"
#include "common/stores.h"
#include "common/table_text.h"

namespace korrimet::air_guideline {
namespace {

Breakpoints rowValues(const TableRow& row) {
    RequireFields(row, kBreakpointCount + 1);
    Breakpoints values{};
    for (std::size_t i = 0; i < kBreakpointCount; ++i) {
        values[i] = TableNumber(row, i + 1);
        if (i > 0 && values[i] <= values[i - 1]) throw TableFormatError(row.line, "values must rise");
    }
    return values;
}

}  // namespace

const ApiBreakpointTable::Row* ApiBreakpointTable::find(std::string_view pollutant) const {
    for (const Row& row : rows)
        if (row.pollutant == pollutant) return &row;
    return nullptr;
}

ApiBreakpointTable LoadApiBreakpoints(std::string_view text) {
    const std::vector<TableRow> rows = TableRows(text);
    if (rows.empty()) throw TableFormatError(1, "no index row");
    ApiBreakpointTable table;
    table.index = rowValues(rows.front());
    for (std::size_t i = 1; i < rows.size(); ++i) {
        if (table.find(rows[i].fields[0])) throw TableFormatError(rows[i].line, "pollutant twice");
        table.rows.push_back({rows[i].fields[0], rowValues(rows[i])});
    }
    if (table.rows.empty()) throw TableFormatError(rows.front().line, "no pollutant rows");
    return table;
}

std::vector<ApiCategory> LoadApiCategories(std::string_view text) {
    std::vector<ApiCategory> categories;
    for (const TableRow& row : TableRows(text)) {
        RequireFields(row, 2);
        if (!categories.empty() && !categories.back().upTo)
            throw TableFormatError(row.line, "a category after the open one");
        ApiCategory c{std::nullopt, row.fields[1]};
        if (row.fields[0] != "-") {
            c.upTo = TableNumber(row, 0);
            if (!categories.empty() && *c.upTo <= *categories.back().upTo)
                throw TableFormatError(row.line, "bounds must rise");
        }
        categories.push_back(std::move(c));
    }
    if (categories.empty() || categories.back().upTo) throw TableFormatError(1, "no open top category");
    return categories;
}

std::vector<ScrollScale> LoadScrollScales(std::string_view text) {
    std::vector<ScrollScale> scales;
    for (const TableRow& row : TableRows(text)) {
        RequireFields(row, 4);
        ScrollScale s{row.fields[0], TableNumber(row, 1), TableNumber(row, 2), row.fields[3]};
        if (s.perStep <= 0) throw TableFormatError(row.line, "the step must be positive");
        scales.push_back(std::move(s));
    }
    return scales;
}

double SubIndex(double conc, const Breakpoints& c, const Breakpoints& index) {
    if (AboveTable(conc, c)) return index.back();
    if (conc <= c[0]) return std::floor(conc / c[0] * index[0]);
    std::size_t k = 1;
    while (!(c[k - 1] < conc && conc <= c[k])) ++k;
    const double slope = (index[k] - index[k - 1]) / (c[k] - c[k - 1]);
    return std::floor((conc - c[k - 1]) * slope + index[k - 1]);
}

ApiVerdict CombineSubIndices(double so2, double no2, double pm10) {
    if (so2 <= no2) return no2 < pm10 ? ApiVerdict{pm10, "PM10"} : ApiVerdict{no2, "NO2"};
    return so2 < pm10 ? ApiVerdict{pm10, "PM10"} : ApiVerdict{so2, "SO2"};
}

std::string CategoryOf(double api, const std::vector<ApiCategory>& categories) {
    for (const ApiCategory& c : categories)
        if (!c.upTo || api <= *c.upTo) return c.name;
    return {};
}

std::string ScrollText(int position, const ScrollScale& scale) {
    return MaskText(position * scale.perStep - scale.offset, scale.mask);
}

std::optional<int> ScrollPosition(std::string_view text, const ScrollScale& scale) {
    const std::optional<double> c = TryParseNumber(text, Precision::Double);
    if (!c) return std::nullopt;
    const double v = std::floor((*c + scale.offset) / scale.perStep);
    if (!(v >= kScrollMin && v <= kScrollMax)) return std::nullopt;
    return static_cast<int>(v);
}

int ScrollTint(int position) { return toLong(position / 2.0); }

}  // namespace korrimet::air_guideline
