#include "tools/air_emission/factor_table.h"

#include <algorithm>
#include <istream>
#include <sstream>
#include <stdexcept>

#include "common/number_text.h"
#include "common/pipe_table.h"

namespace korrimet::air_emission {
namespace {

bool startsWith(const std::vector<std::string>& keys, const std::vector<std::string>& prefix) {
    return prefix.size() <= keys.size() && std::equal(prefix.begin(), prefix.end(), keys.begin());
}

}  // namespace

FactorTable FactorTable::Parse(std::istream& in) {
    std::ostringstream text;
    text << in.rdbuf();
    return Parse(text.view());
}

FactorTable FactorTable::Parse(std::string_view text) {
    FactorTable table;
    for (const PipeRecord& record : SplitPipeTable(text)) {
        const std::vector<std::string>& parts = record.fields;
        const auto bad = [&](const char* why) {
            return std::invalid_argument("line " + std::to_string(record.line) + ": " + why + ": " + record.text);
        };
        if (parts.size() < 2) throw bad("no factor");
        Row row;
        for (std::size_t i = 0; i + 1 < parts.size(); ++i) {
            if (parts[i].empty()) throw bad("empty key");
            row.keys.push_back(parts[i]);
        }
        const auto factor = TryParseNumber(parts.back(), Precision::Double);
        if (!factor) throw bad("factor is no number");
        row.factor = *factor;
        table.rows_.push_back(std::move(row));
    }
    return table;
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
