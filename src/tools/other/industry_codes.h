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

// The lines after the header that hold `keyword`: for each line in list
// order a line feed and the whole line (keeping its CR), each line once; then
// one line feed. A keyword found nowhere after the header gives the one line
// feed.
std::u16string CodeLinesHolding(std::u16string_view list, std::u16string_view keyword);

// The result box after a keyword search; the window refuses a keyword that
// RefusedKeyword names before it searches.
std::u16string KeywordReport(std::u16string_view list, std::u16string_view keyword);

}  // namespace korrimet::other
