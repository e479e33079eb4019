#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korrimet::water {

// BOD5 = a × COD + b for one kind of wastewater.
struct CodBodLine {
    std::string label;
    double a = 0;
    double b = 0;
};

// Reads the lines (see data/cod_bod_lines.txt).
std::optional<std::vector<CodBodLine>> ParseCodBodLines(std::string_view text, std::string* error = nullptr);

// The BOD5 of a COD in its default Double text; fails the statement when the
// line gives a BOD5 below 0.
std::string Bod5Text(const CodBodLine& line, double cod);

}  // namespace korrimet::water
