#pragma once
#include <cstddef>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korrimet::air_emission {

// A table of empirical factors kept as a data file: one row a line, its keys
// and then its factor separated by "|", blanks around a field ignored; empty
// lines and lines beginning with "#" are skipped.
//
//   # industry | furnace | device | kg/t
//   铝件铸造业 | 加融剂的工厂 | 无防治措施 | 453.9
class FactorTable {
public:
    struct Row {
        std::vector<std::string> keys;
        double factor = 0;
    };

    // Throws std::invalid_argument naming the first malformed line.
    static FactorTable Parse(std::istream& in);
    static FactorTable Parse(std::string_view text);

    // The factor of the first row whose keys equal `keys`, compared exactly.
    std::optional<double> find(const std::vector<std::string>& keys) const;
    // The distinct values of key `column` among the rows whose keys begin with
    // `prefix`, in the order in which they first appear: the items of a list.
    std::vector<std::string> column(std::size_t column, const std::vector<std::string>& prefix = {}) const;

    const std::vector<Row>& rows() const { return rows_; }

private:
    std::vector<Row> rows_;
};

}  // namespace korrimet::air_emission
