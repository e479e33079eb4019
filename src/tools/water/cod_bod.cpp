#include "tools/water/cod_bod.h"

#include "common/number_text.h"
#include "common/pipe_table.h"
#include "common/stores.h"
#include "common/value_range.h"

namespace korrimet::water {

std::optional<std::vector<CodBodLine>> ParseCodBodLines(std::string_view text, std::string* error) {
    std::vector<CodBodLine> lines;
    for (const PipeRecord& r : SplitPipeTable(text)) {
        std::optional<double> a, b;
        if (r.fields.size() == 3) {
            a = TryParseNumber(r.fields[1], Precision::Double);
            b = TryParseNumber(r.fields[2], Precision::Double);
        }
        if (!a || !b) {
            if (error) *error = "line " + std::to_string(r.line) + ": label | a | b";
            return std::nullopt;
        }
        lines.push_back({r.fields[0], *a, *b});
    }
    return lines;
}

std::string Bod5Text(const CodBodLine& line, double cod) {
    const double bod5 = dbl(cod * line.a + line.b);
    // Below its range a line with a negative intercept gives a negative BOD5, which no water has.
    Require(bod5 >= 0, "COD过低，超出该类废水经验式的适用范围（折算出的BOD5为负值）");
    return NumberText(bod5);
}

}  // namespace korrimet::water
