#pragma once
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace korrimet::fuel {

// Emission factors of one window: kg of each pollutant per tonne of coal,
// one row per furnace type or coal kind.
struct FactorRow {
    std::string item;
    std::vector<double> factors;  // in the order of the table's pollutants
};

struct FactorTable {
    std::vector<std::string> pollutants;
    std::vector<FactorRow> rows;

    // The row whose item equals the text exactly, or nullptr.
    const FactorRow* find(std::string_view item) const;
    // The pollutant's column, or -1.
    int column(std::string_view pollutant) const;
};

// The tables of a factor file by window class: a "[class]" line opens a
// table, its first line names the pollutants ("item | CO | ..."), each
// further line is "item | factor | ...". Lines starting with "#" and blank
// lines are skipped. Throws std::invalid_argument naming the line of
// anything else.
std::map<std::string, FactorTable> ParseFactorTables(std::string_view text);

// The mass of a pollutant from burning `coal` tonnes, stored as a Single;
// throws StatementFailure beyond its range.
float PollutantMass(double coal, double factor);

}  // namespace korrimet::fuel
