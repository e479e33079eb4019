#pragma once
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace korrimet::other {

// One line of the unit reference. A line that converts carries the number
// its own text gives, in the to-unit, for one unit of its left side.
struct UnitLine {
    std::string text;  // the whole equality; also the key a pick is known by
    std::optional<double> factor;
    std::string fromUnit, toUnit;
};

struct UnitCategory {
    std::string caption;
    std::vector<UnitLine> lines;
};

class UnitTableError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The stored table: "#" notes, "[caption]" opening a category, then one line
// of the category a line; a converting line reads
// "text | factor | from-unit | to-unit". Throws UnitTableError on a line it
// cannot read, a line outside a category or a line text given twice.
std::vector<UnitCategory> ReadUnitTable(std::string_view text);

// The converting line whose text equals `text` exactly, in table order.
const UnitLine* FindConversion(const std::vector<UnitCategory>& table, std::string_view text);

}  // namespace korrimet::other
