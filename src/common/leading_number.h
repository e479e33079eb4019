#pragma once
#include <string_view>

namespace korrimet {

// An entry of a box whose caption gives its unit: a number, read as a whole
// entry is ("1,000", "2.5e3"), then nothing or that unit as
// the caption writes it ("m", "Kpa", "m^3/a", "℃", "度"; empty: the number
// alone). The unit may be typed in any letter case, "m^3" as "m3" or "m³",
// "℃" as "°C", "μ" as "µ" or "u", by its Chinese name ("千帕", "米"), a
// degree as "°" and a minute as "′" or "'". Anything else after the number
// (another unit, a magnitude word, a second number) would make the number
// mean what was not typed, so the entry is refused; so is a unit with a
// blank or a stray "^" inside ("k Pa", "^m"). Blanks are those a paste is
// trimmed of, the no-break and ideographic space among them, and may stand
// before the number, between it and the unit, and after.
// Throws StatementFailure: Empty on nothing but blanks, Overflow on a number
// beyond a Double, NotNumber on any other refusal without a unit, and with a
// unit the condition that names it ("请只输入数值（单位 m）").
double ParseLeadingNumber(std::string_view text, std::string_view unit);

// The value read as above, with the text that says it without its unit: the
// typed text up to the end of its number when a unit was typed ("27°" gives
// "27"), else the whole text, as a report that writes the unit itself shows it.
struct LeadingNumber {
    double value;
    std::string_view number;
};
LeadingNumber ReadLeadingNumber(std::string_view text, std::string_view unit);

// The unit a caption gives its box: what its closing brackets hold
// ("油罐直径 D[m]" gives "m", "地理纬度（度）" "度"); empty when none.
std::string_view CaptionUnit(std::string_view caption);

}  // namespace korrimet
