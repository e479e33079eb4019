#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace korrimet::other {

// Every entry of a stored catalogue category ends with this letter written
// directly behind its last character; a B or b in an entry's own text ends
// the span too, as the markers are found without regard to case.
inline constexpr char16_t kCatalogueItemMarker = u'B';

// The entries of one category (its plain text, paragraphs ending in CR LF)
// that hold `keyword`: for each hit a line feed and the span between two
// markers that the hit belongs to, then one line feed. A hit takes the span
// that begins at the first marker found from 20 characters before it; the
// walk goes on behind the span listed, so an entry with several hits is
// listed once. No value when the keyword is not in the text at all.
std::optional<std::u16string> SearchCatalogue(std::u16string_view category, std::u16string_view keyword);

}  // namespace korrimet::other
