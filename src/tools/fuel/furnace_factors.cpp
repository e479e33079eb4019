#include "tools/fuel/furnace_factors.h"

#include <algorithm>
#include <stdexcept>

#include "common/number_text.h"
#include "common/stores.h"

namespace korrimet::fuel {
namespace {

// Trims ASCII blanks only: the ideographic blanks inside items are part of them.
std::string_view trim(std::string_view s) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!s.empty() && blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && blank(s.back())) s.remove_suffix(1);
    return s;
}

std::vector<std::string_view> fields(std::string_view line) {
    std::vector<std::string_view> out;
    for (size_t start = 0;;) {
        const size_t bar = line.find('|', start);
        out.push_back(trim(line.substr(start, bar == std::string_view::npos ? bar : bar - start)));
        if (bar == std::string_view::npos) return out;
        start = bar + 1;
    }
}

[[noreturn]] void refuse(int number, const std::string& why) {
    throw std::invalid_argument("line " + std::to_string(number) + ": " + why);
}

}  // namespace

const FactorRow* FactorTable::find(std::string_view item) const {
    auto it = std::find_if(rows.begin(), rows.end(), [&](const FactorRow& r) { return r.item == item; });
    return it == rows.end() ? nullptr : &*it;
}

int FactorTable::column(std::string_view pollutant) const {
    auto it = std::find(pollutants.begin(), pollutants.end(), pollutant);
    return it == pollutants.end() ? -1 : static_cast<int>(it - pollutants.begin());
}

std::map<std::string, FactorTable> ParseFactorTables(std::string_view text) {
    std::map<std::string, FactorTable> tables;
    FactorTable* table = nullptr;
    bool header = false;
    int number = 0;
    for (size_t start = 0; start <= text.size(); ++number) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view line = trim(text.substr(start, end - start));
        start = end + 1;
        if (line.empty() || line.front() == '#') continue;
        if (line.front() == '[') {
            if (line.back() != ']' || line.size() < 3) refuse(number + 1, "a table name needs its brackets");
            auto [it, added] = tables.try_emplace(std::string(line.substr(1, line.size() - 2)));
            if (!added) refuse(number + 1, "a second table of the same name");
            table = &it->second;
            header = true;
            continue;
        }
        if (!table) refuse(number + 1, "a row before the first table name");
        const auto f = fields(line);
        if (header) {
            if (f.size() < 2 || f.front() != "item") refuse(number + 1, "the header names the item and pollutants");
            for (size_t i = 1; i < f.size(); ++i) table->pollutants.emplace_back(f[i]);
            header = false;
            continue;
        }
        if (f.size() != table->pollutants.size() + 1) refuse(number + 1, "one factor per pollutant");
        if (f.front().empty()) refuse(number + 1, "a row without its item");
        FactorRow row{std::string(f.front()), {}};
        for (size_t i = 1; i < f.size(); ++i) {
            auto value = TryParseNumber(f[i], Precision::Double);
            if (!value) refuse(number + 1, "a factor that is no number");
            row.factors.push_back(*value);
        }
        table->rows.push_back(std::move(row));
    }
    return tables;
}

float PollutantMass(double coal, double factor) { return single(coal * factor); }

}  // namespace korrimet::fuel
