#include "tools/other/unit_table.h"

#include <set>

#include "common/number_text.h"

namespace korrimet::other {

namespace {

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

std::vector<std::string_view> fields(std::string_view line) {
    std::vector<std::string_view> out;
    for (;;) {
        const std::size_t bar = line.find('|');
        out.push_back(trimmed(line.substr(0, bar)));
        if (bar == std::string_view::npos) return out;
        line.remove_prefix(bar + 1);
    }
}

UnitTableError errorAt(int number, const std::string& what) {
    return UnitTableError("line " + std::to_string(number) + ": " + what);
}

}  // namespace

std::vector<UnitCategory> ReadUnitTable(std::string_view text) {
    std::vector<UnitCategory> table;
    std::set<std::string, std::less<>> seen;
    int number = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = trimmed(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        ++number;
        if (line.empty() || line.front() == '#') continue;
        if (line.front() == '[') {
            if (line.back() != ']' || line.size() < 3) throw errorAt(number, "a caption is written [caption]");
            table.push_back({std::string(line.substr(1, line.size() - 2)), {}});
            continue;
        }
        if (table.empty()) throw errorAt(number, "a line before the first caption");
        const auto f = fields(line);
        UnitLine unit{std::string(f[0]), std::nullopt, {}, {}};
        if (f.size() == 4) {
            const auto factor = TryParseNumber(f[1], Precision::Double);
            if (!factor || f[2].empty() || f[3].empty()) throw errorAt(number, "a factor and two units");
            unit.factor = *factor;
            unit.fromUnit = f[2];
            unit.toUnit = f[3];
        } else if (f.size() != 1) {
            throw errorAt(number, "a line is its text alone or text | factor | from-unit | to-unit");
        }
        if (unit.text.empty()) throw errorAt(number, "an empty line text");
        if (!seen.insert(unit.text).second) throw errorAt(number, "the line text is given twice: " + unit.text);
        table.back().lines.push_back(std::move(unit));
    }
    return table;
}

const UnitLine* FindConversion(const std::vector<UnitCategory>& table, std::string_view text) {
    for (const UnitCategory& category : table)
        for (const UnitLine& line : category.lines)
            if (line.factor && line.text == text) return &line;
    return nullptr;
}

}  // namespace korrimet::other
