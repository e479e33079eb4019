#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace korrimet::other {

// Every entry of a stored catalogue category ends with this capital letter
// written directly behind its last character, before the line break.
inline constexpr char16_t kCatalogueItemMarker = u'B';

// The entries of one category (its plain text, paragraphs ending in CR LF)
// that hold `keyword`: for each entry in order a line feed and the whole
// entry, from behind the marker that closes the entry before it (the text's
// start for the first) up to its own marker; then one line feed. An entry
// with several hits is listed once. No value when the keyword is not in the
// text at all.
std::optional<std::u16string> SearchCatalogue(std::u16string_view category, std::u16string_view keyword);

}  // namespace korrimet::other
