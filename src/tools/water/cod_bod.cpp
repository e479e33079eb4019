#include "tools/water/cod_bod.h"

#include "common/number_text.h"
#include "common/pipe_table.h"
#include "common/stores.h"

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
    return NumberText(dbl(cod * line.a + line.b));
}

}  // namespace korrimet::water
