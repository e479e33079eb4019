#pragma once
#include <string>
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
// blank or a stray "^" inside ("k Pa", "^m"). Blanks a paste is trimmed of
// (tabs and line ends too) may stand before the number and after the entry;
// between the number and the unit only spaces (the no-break and the
// ideographic space among them) may: a tab or a line end there ("6⇥m")
// joins two cells or two lines, and the entry is refused.
// Throws StatementFailure: Empty on nothing but blanks, Overflow on a number
// beyond a Double, NotNumber on any other refusal without a unit, and with a
// unit the condition that names it ("请只输入数值（单位 m）").
double ParseLeadingNumber(std::string_view text, std::string_view unit);

// An entry as a report that writes the unit after it shows it: one read as
// above, as its number typed and the unit, without the blanks typed around
// ("　5　" gives "5度", "27°" "27度"); any other as typed, the unit added
// only where the text does not already end with it ("27度度" stays so), on
// one line as EchoOnOneLine writes it.
std::string EntryWithUnit(std::string_view text, std::string_view unit);

// An entry as typed, for a report line to echo: each tab or line end in it
// (a carriage return and line feed together as one) stands as a space, so
// the line stays one line.
std::string EchoOnOneLine(std::string_view text);

// The unit a caption gives its box: what its closing brackets hold
// ("油罐直径 D[m]" gives "m", "地理纬度（度）" "度"); empty when none.
std::string_view CaptionUnit(std::string_view caption);

}  // namespace korrimet
