#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace korrimet::other {

// The look-ups count positions in characters (UTF-16 units) from 1, and 0
// stands for "not there", as their walks are written.

// First occurrence of `what` in `text` at or after position `from` (below 1
// counts as 1), without regard to the case of Latin letters, half- or
// full-width. An empty `what` is found at `from` while that lies in the text.
std::size_t FindText(std::u16string_view text, std::u16string_view what, std::size_t from);
// The same, comparing exactly.
std::size_t FindExact(std::u16string_view text, std::u16string_view what, std::size_t from);
// Last occurrence of the character `c` (compared as FindText does) before
// position `before`; 0 when there is none.
std::size_t FindBackText(std::u16string_view text, char16_t c, std::size_t before);
// The `length` characters from position `start`, as far as the text goes.
std::u16string_view Mid(std::u16string_view text, std::size_t start, std::size_t length);

// The look-ups take Chinese keywords only: an empty one, or one that begins
// with an ASCII character (a digit, a letter, a sign or a blank), is refused.
bool RefusedKeyword(std::u16string_view keyword);

// A stored look-up text as its data file holds it: "#" lines at the top name
// the source, and one of them, "# incomplete: ...", tells the user in its own
// words what the stored text lacks. Every later line is a paragraph of the
// text, which comes back with each paragraph ending in CR LF, whatever line
// ends the file has.
struct StoredText {
    std::u16string text;
    std::u16string missing;  // empty when the stored text is complete
    bool complete() const { return missing.empty(); }
};
StoredText ReadStoredText(std::u16string_view file);

}  // namespace korrimet::other
