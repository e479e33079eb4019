#pragma once
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korrimet::water {

// One cell of a coefficient worksheet, 0-based, with the merged range it heads.
struct SheetCell {
    enum class Kind {
        Value,    // stored text or number, editable
        Product,  // source × amount
        Copy,     // repeats source
    };
    int row = 0, column = 0;
    int rowSpan = 1, columnSpan = 1;
    Kind kind = Kind::Value;
    std::string text;  // a Value's stored content
    int sourceRow = 0, sourceColumn = 0;
    int amountRow = 0, amountColumn = 0;  // the table's production cell, for a Product
};

struct CoefficientSheet {
    std::string className;
    std::string caption;
    std::string title;      // title line above the sheet; empty for none
    std::string titleName;  // its control name
    std::string menuCaption;
    std::vector<std::string> worksheets;
    int rows = 0;  // rows in use
    std::vector<SheetCell> cells;
};

// Reads every sheet (see data/coefficient_sheets.txt); nullopt with the
// reason in `error` when the text is malformed.
std::optional<std::vector<CoefficientSheet>> ParseCoefficientSheets(std::string_view text,
                                                                    std::string* error = nullptr);

// What a formula cell shows, from the current texts of the sheet's cells:
// an empty operand counts as 0, text in a product gives "#VALUE!".
using CellText = std::function<std::string(int row, int column)>;
std::string FormulaText(const SheetCell& cell, const CellText& textAt);

// "A1" or "C2:D2" as 0-based row, column and spans.
struct CellRange {
    int row = 0, column = 0, rowSpan = 1, columnSpan = 1;
};
std::optional<CellRange> ParseCellRange(std::string_view reference);

}  // namespace korrimet::water
