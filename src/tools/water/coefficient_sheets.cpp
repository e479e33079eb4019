#include "tools/water/coefficient_sheets.h"

#include <cmath>

#include "common/number_text.h"
#include "common/pipe_table.h"

namespace korrimet::water {
namespace {

constexpr int kColumns = 6;  // A to F
constexpr const char* kHeader[] = {"单位", "产污系数", "排污系数", "产污量", "排污量"};
constexpr int kUnit = 1, kGeneration = 2, kDischarge = 3, kGenerated = 4, kDischarged = 5;

std::optional<std::pair<int, int>> parseCell(std::string_view ref) {
    if (ref.size() < 2 || ref[0] < 'A' || ref[0] >= 'A' + kColumns) return std::nullopt;
    int row = 0;
    for (char c : ref.substr(1)) {
        if (c < '0' || c > '9' || row > 10000) return std::nullopt;
        row = row * 10 + (c - '0');
    }
    if (row < 1) return std::nullopt;
    return std::pair{row - 1, ref[0] - 'A'};
}

SheetCell valueCell(const CellRange& r, std::string text) {
    SheetCell c;
    c.row = r.row;
    c.column = r.column;
    c.rowSpan = r.rowSpan;
    c.columnSpan = r.columnSpan;
    c.text = std::move(text);
    return c;
}

SheetCell valueCell(int row, int column, std::string text) { return valueCell({row, column, 1, 1}, std::move(text)); }

// An operand of a product: empty counts as 0, text is no number.
std::optional<double> operand(const std::string& text) {
    if (text.empty()) return 0.0;
    return TryParseNumber(text, Precision::Double);
}

}  // namespace

std::optional<CellRange> ParseCellRange(std::string_view reference) {
    const size_t colon = reference.find(':');
    const auto first = parseCell(reference.substr(0, colon));
    if (!first) return std::nullopt;
    CellRange r{first->first, first->second, 1, 1};
    if (colon == std::string_view::npos) return r;
    const auto last = parseCell(reference.substr(colon + 1));
    if (!last || last->first < r.row || last->second < r.column) return std::nullopt;
    r.rowSpan = last->first - r.row + 1;
    r.columnSpan = last->second - r.column + 1;
    return r;
}

std::optional<std::vector<CoefficientSheet>> ParseCoefficientSheets(std::string_view text, std::string* error) {
    std::vector<CoefficientSheet> sheets;
    int nextRow = 0;                // first free row of the current sheet
    std::optional<CellRange> amount;  // production cell of the current table
    for (const PipeRecord& r : SplitPipeTable(text)) {
        auto fail = [&](const std::string& why) -> std::optional<std::vector<CoefficientSheet>> {
            if (error) *error = "line " + std::to_string(r.line) + ": " + why;
            return std::nullopt;
        };
        const std::string& kind = r.fields.front();
        const size_t n = r.fields.size();
        if (kind == "sheet") {
            if (n != 7 || r.fields[1].empty()) return fail("sheet | window | caption | title | title name | menu | worksheets");
            CoefficientSheet s;
            s.className = r.fields[1];
            s.caption = r.fields[2];
            s.title = r.fields[3];
            s.titleName = r.fields[4];
            s.menuCaption = r.fields[5];
            std::string_view names = r.fields[6];
            for (size_t semi; !names.empty(); names = semi == std::string_view::npos ? "" : names.substr(semi + 1)) {
                semi = names.find(';');
                s.worksheets.emplace_back(names.substr(0, semi));
            }
            sheets.push_back(std::move(s));
            nextRow = 0;
            amount.reset();
            continue;
        }
        if (sheets.empty()) return fail("a sheet line comes first");
        CoefficientSheet& s = sheets.back();
        // Places a cell of an explicit row; rows run downwards only.
        auto place = [&](const CellRange& at, std::string content) -> bool {
            if (at.row < nextRow) return false;
            s.cells.push_back(valueCell(at, std::move(content)));
            return true;
        };
        if (kind == "title") {
            const auto at = n == 3 ? ParseCellRange(r.fields[1]) : std::nullopt;
            if (!at || !place(*at, r.fields[2])) return fail("title | cells below the last row | text");
            nextRow = at->row + at->rowSpan;
        } else if (kind == "input") {
            std::optional<CellRange> prompt, production, unit;
            if (n == 7) {
                prompt = ParseCellRange(r.fields[1]);
                production = ParseCellRange(r.fields[3]);
                unit = ParseCellRange(r.fields[5]);
            }
            if (!prompt || !production || !unit || production->row != prompt->row || unit->row != prompt->row ||
                !place(*prompt, r.fields[2]))
                return fail("input | prompt cells | prompt | amount cells | amount | unit cells | unit, on one row");
            s.cells.push_back(valueCell(*production, r.fields[4]));
            s.cells.push_back(valueCell(*unit, r.fields[6]));
            amount = production;
            nextRow = prompt->row + 1;
        } else if (kind == "header") {
            const auto at = n == 3 ? ParseCellRange("A" + r.fields[1]) : std::nullopt;
            if (!at || at->rowSpan != 1 || !place(*at, r.fields[2])) return fail("header | row below the last | text");
            for (int c = 0; c < 5; ++c) s.cells.push_back(valueCell(at->row, c + 1, kHeader[c]));
            nextRow = at->row + 1;
        } else if (kind == "row") {
            const std::string how = n == 6 ? r.fields[5] : std::string();
            if (!amount || (n != 5 && n != 6) || (n == 6 && how != "formula" && how != "stored"))
                return fail("row | pollutant | unit | generation | discharge [| formula or stored], after an input");
            const int row = nextRow++;
            s.cells.push_back(valueCell(row, 0, r.fields[1]));
            s.cells.push_back(valueCell(row, kUnit, r.fields[2]));
            s.cells.push_back(valueCell(row, kGeneration, r.fields[3]));
            s.cells.push_back(valueCell(row, kDischarge, r.fields[4]));
            for (auto [result, source] : {std::pair{kGenerated, kGeneration}, std::pair{kDischarged, kDischarge}}) {
                if (how == "stored") {
                    s.cells.push_back(valueCell(row, result, r.fields[source + 1]));
                    continue;
                }
                SheetCell f;
                f.row = row;
                f.column = result;
                f.kind = how == "formula" ? SheetCell::Kind::Copy : SheetCell::Kind::Product;
                f.sourceRow = row;
                f.sourceColumn = source;
                f.amountRow = amount->row;
                f.amountColumn = amount->column;
                s.cells.push_back(f);
            }
        } else {
            return fail("unknown line " + kind);
        }
        s.rows = nextRow;
    }
    if (sheets.empty()) {
        if (error) *error = "no sheets";
        return std::nullopt;
    }
    return sheets;
}

std::string FormulaText(const SheetCell& cell, const CellText& textAt) {
    const std::string source = textAt(cell.sourceRow, cell.sourceColumn);
    switch (cell.kind) {
    case SheetCell::Kind::Value: return cell.text;
    case SheetCell::Kind::Copy: {
        if (source.empty()) return "0";
        const auto v = TryParseNumber(source, Precision::Double);
        return v ? NumberText(*v) : source;
    }
    case SheetCell::Kind::Product: {
        const auto factor = operand(source);
        const auto amount = operand(textAt(cell.amountRow, cell.amountColumn));
        if (!factor || !amount) return "#VALUE!";
        const double product = *factor * *amount;
        return std::isfinite(product) ? NumberText(product) : "#NUM!";
    }
    }
    return {};
}

}  // namespace korrimet::water
