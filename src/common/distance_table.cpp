#include "common/distance_table.h"

#include "common/number_text.h"

namespace korrimet {

TableRows BuildTableRows(const std::vector<double>& xs, const TableRow& row,
                         const std::function<void(double x)>& rowDone) {
    TableRows result;
    std::vector<std::string> values;
    for (double x : xs) {
        values.clear();
        if (!row(x, values)) {
            if (result.failedRows == 0) result.firstFailedX = x;
            ++result.failedRows;
            values.assign(1, kFailedRowText);
        }
        result.text += NumberText(x);
        for (const std::string& v : values) {
            result.text += kTableColumnSeparator;
            result.text += v;
        }
        result.text += '\r';
        if (rowDone) rowDone(x);
    }
    return result;
}

}  // namespace korrimet
