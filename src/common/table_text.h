#pragma once
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace korrimet {

// A data table kept as text: one row a line, fields separated by blanks or
// tabs. Blank lines and lines whose first field begins with "#" are notes.
struct TableRow {
    int line = 0;  // 1-based, for messages
    std::vector<std::string> fields;
};

class TableFormatError : public std::runtime_error {
public:
    TableFormatError(int line, const std::string& what);
    int line() const { return line_; }

private:
    int line_;
};

std::vector<TableRow> TableRows(std::string_view text);

// Field `index` of a row as a number: a decimal as ParseNumber reads it, or a
// quotient "p/q" of two such decimals (kept exact to double precision).
double TableNumber(const TableRow& row, std::size_t index);
// Throws unless the row has exactly `count` fields.
void RequireFields(const TableRow& row, std::size_t count);

}  // namespace korrimet
