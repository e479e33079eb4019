#pragma once
#include <string>
#include <string_view>

namespace korrimet::other {

// The stored code list (GB/T 4754-2002): a header of 58 characters, then per
// section a line "A 农、林、牧、渔业" and one line per class "011 谷物及其他作物的种植",
// lines ending in CR LF. After the header the section letters are the only
// Latin capitals in the list.
inline constexpr std::size_t kCodeListStart = 58;

// The heading above every result.
std::u16string CodeListHeading();

// What a pick of a section item shows: the section's line and its class
// lines, up to the line break before the next section's line; the last
// section runs to the end of the list less its final character. Letters
// compare exactly.
std::u16string SectionText(std::u16string_view list, std::u16string_view item);
std::u16string SectionReport(std::u16string_view list, std::u16string_view item);

// The class lines that hold `keyword`: for each hit a line feed and the line
// that begins after the first line feed from 10 characters before the hit
// (its own line when the hit lies in the line's first 10 characters, else
// the next one), each keeping its CR; then one line feed. The walk goes on
// behind the line listed. A keyword found nowhere after the header gives
// the one line feed.
std::u16string CodeLinesHolding(std::u16string_view list, std::u16string_view keyword);

// The result box after a keyword search; a refused keyword (see
// RefusedKeyword) gives the found-heading over an empty list.
std::u16string KeywordReport(std::u16string_view list, std::u16string_view keyword);

}  // namespace korrimet::other
