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

// A code is found only where its entry starts: at a line that holds the
// code alone (any case). A code named inside another entry, or a piece of a
// name, finds nothing; no code at all stands for the first entry.

// The code's line and its class name line (with its CR). No value when no
// entry starts with `code`.
std::optional<std::u16string> WasteClassName(std::u16string_view list, std::u16string_view code);

// The entry of `code` up to the CR of its last line; the last entry runs to
// the end of the list less its final line feed. No value when no entry
// starts with `code`.
std::optional<std::u16string> WasteEntry(std::u16string_view list, std::u16string_view code);

}  // namespace korrimet::other
