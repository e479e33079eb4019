#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace korrimet::other {

// The stored hazardous-waste list: per class a code line ("HW01"), a class
// name line, then its sources and typical components; lines end in CR LF, and
// a line feed followed by "HW" occurs exactly where an entry starts.

// The codes of the list, "HW01" to "HW47".
std::u16string WasteCode(int number);

// The code's line and its class name line (with its CR), cut from the first
// occurrence of `code` in the list, wherever that is: a code named earlier
// inside another entry is found there. No value when the list does not hold
// the code's text at all.
std::optional<std::u16string> WasteClassName(std::u16string_view list, std::u16string_view code);

// The entry from the first occurrence of `code` up to the CR of its last
// line; "HW47", and a text with no entry start after it, run to the end of
// the list less its final line feed. No value when the text is not in the
// list. An empty code is found at the start: the entry of HW01.
std::optional<std::u16string> WasteEntry(std::u16string_view list, std::u16string_view code);

}  // namespace korrimet::other
