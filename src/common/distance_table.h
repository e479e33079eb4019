#pragma once
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace korrimet {

// A distance table goes into a report box the user reads and copies from;
// beyond this many rows it is no longer a table anyone can use, and the box
// would take minutes to lay it out.
inline constexpr std::size_t kTableRowLimit = 100'000;

// Stands in a row whose values could not be computed.
inline constexpr const char* kFailedRowText = "无法计算";

// Appends the texts of a row's values at distance x; returns false when one
// of its statements failed.
using TableRow = std::function<bool(double x, std::vector<std::string>& values)>;

struct TableRows {
    std::string text;
    std::size_t failedRows = 0;
    double firstFailedX = 0;
};

// Separates the columns of a table: a spreadsheet takes copied rows column by
// column, and the report box sets its tab stops so the columns line up.
inline constexpr char kTableColumnSeparator = '\t';

// One line per distance: its default double text, each value after a column
// separator (or kFailedRowText alone for a failed row), a carriage return.
// `rowDone` is called after each row, with its x.
TableRows BuildTableRows(const std::vector<double>& xs, const TableRow& row,
                         const std::function<void(double x)>& rowDone = {});

}  // namespace korrimet
