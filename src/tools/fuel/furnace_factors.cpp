#include "tools/fuel/furnace_factors.h"

#include <algorithm>
#include <stdexcept>

#include "common/number_text.h"
#include "common/pipe_table.h"
#include "common/stores.h"

namespace korrimet::fuel {
namespace {

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
    for (const PipeRecord& record : SplitPipeTable(text)) {
        const int number = record.line;
        const std::vector<std::string>& f = record.fields;
        if (f.front().starts_with('[')) {
            // A table name is the whole line: a "|" inside it is no separator.
            const std::string_view line = TrimPipeBlanks(record.text);
            if (line.back() != ']' || line.size() < 3) refuse(number, "a table name needs its brackets");
            auto [it, added] = tables.try_emplace(std::string(line.substr(1, line.size() - 2)));
            if (!added) refuse(number, "a second table of the same name");
            table = &it->second;
            header = true;
            continue;
        }
        if (!table) refuse(number, "a row before the first table name");
        if (header) {
            if (f.size() < 2 || f.front() != "item") refuse(number, "the header names the item and pollutants");
            for (size_t i = 1; i < f.size(); ++i) table->pollutants.push_back(f[i]);
            header = false;
            continue;
        }
        if (f.size() != table->pollutants.size() + 1) refuse(number, "one factor per pollutant");
        if (f.front().empty()) refuse(number, "a row without its item");
        FactorRow row{f.front(), {}};
        for (size_t i = 1; i < f.size(); ++i) {
            auto value = TryParseNumber(f[i], Precision::Double);
            if (!value) refuse(number, "a factor that is no number");
            row.factors.push_back(*value);
        }
        table->rows.push_back(std::move(row));
    }
    return tables;
}

float PollutantMass(double coal, double factor) { return single(coal * factor); }

}  // namespace korrimet::fuel
