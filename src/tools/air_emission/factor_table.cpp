#include "tools/air_emission/factor_table.h"

#include <algorithm>
#include <istream>
#include <sstream>
#include <stdexcept>

#include "common/number_text.h"

namespace korrimet::air_emission {
namespace {

std::string_view trimmed(std::string_view s) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!s.empty() && blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && blank(s.back())) s.remove_suffix(1);
    return s;
}

std::vector<std::string_view> fields(std::string_view line) {
    std::vector<std::string_view> out;
    for (;;) {
        const auto bar = line.find('|');
        out.push_back(trimmed(line.substr(0, bar)));
        if (bar == std::string_view::npos) return out;
        line.remove_prefix(bar + 1);
    }
}

bool startsWith(const std::vector<std::string>& keys, const std::vector<std::string>& prefix) {
    return prefix.size() <= keys.size() && std::equal(prefix.begin(), prefix.end(), keys.begin());
}

}  // namespace

FactorTable FactorTable::Parse(std::istream& in) {
    FactorTable table;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        const std::string_view content = trimmed(line);
        if (content.empty() || content.front() == '#') continue;
        const auto parts = fields(content);
        const auto bad = [&](const char* why) {
            return std::invalid_argument("line " + std::to_string(number) + ": " + why + ": " + line);
        };
        if (parts.size() < 2) throw bad("no factor");
        Row row;
        for (std::size_t i = 0; i + 1 < parts.size(); ++i) {
            if (parts[i].empty()) throw bad("empty key");
            row.keys.emplace_back(parts[i]);
        }
        const auto factor = TryParseNumber(parts.back(), Precision::Double);
        if (!factor) throw bad("factor is no number");
        row.factor = *factor;
        table.rows_.push_back(std::move(row));
    }
    return table;
}

FactorTable FactorTable::Parse(std::string_view text) {
    std::istringstream in{std::string(text)};
    return Parse(in);
}

std::optional<double> FactorTable::find(const std::vector<std::string>& keys) const {
    for (const Row& row : rows_)
        if (row.keys == keys) return row.factor;
    return std::nullopt;
}

std::vector<std::string> FactorTable::column(std::size_t column, const std::vector<std::string>& prefix) const {
    std::vector<std::string> items;
    for (const Row& row : rows_) {
        if (column >= row.keys.size() || !startsWith(row.keys, prefix)) continue;
        const std::string& item = row.keys[column];
        if (std::find(items.begin(), items.end(), item) == items.end()) items.push_back(item);
    }
    return items;
}

}  // namespace korrimet::air_emission
