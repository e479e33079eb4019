#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korrimet::water {

// A factor per tonne of hide. A whole factor is a Single constant, so its
// result is a Single; one with a fractional part is a Double, and so is its
// result.
struct TanneryFactor {
    double value = 0;
    bool single = true;
};

struct TanneryTable {
    std::vector<std::string> hides;  // combo items, in list order
    struct Row {
        std::string box;  // result box
        std::vector<TanneryFactor> factors;  // one per hide
    };
    std::vector<Row> rows;  // in the order the results are written
};

// Reads the factor table (see data/tannery_factors.txt); nullopt with the
// reason in `error` when it is malformed.
std::optional<TanneryTable> ParseTanneryTable(std::string_view text, std::string* error = nullptr);

// The column of the hide whose name equals the combo text exactly.
std::optional<size_t> HideColumn(const TanneryTable& table, std::string_view comboText);

// factor × tonnage in its default text; fails the statement when a Single
// result leaves the Single range.
std::string TanneryResultText(const TanneryFactor& factor, float tonnage);

}  // namespace korrimet::water
