#include "tools/other/catalogue_search.h"

#include "tools/other/text_search.h"

namespace korrimet::other {

namespace {

// The marker closes an entry: the capital letter directly before the entry's
// line break, or at the very end of the text. A B or b inside an entry's own
// text ("Ebb型燃煤锅炉") closes nothing.
bool closesEntry(std::u16string_view t, std::size_t i) {  // i counts from 0
    return t[i] == kCatalogueItemMarker && (i + 1 == t.size() || t.substr(i + 1, 2) == u"\r\n");
}

// Position (from 1) of the first closing marker at or after `from`; 0 when none.
std::size_t nextMarker(std::u16string_view t, std::size_t from) {
    for (std::size_t i = from < 1 ? 0 : from - 1; i < t.size(); ++i)
        if (closesEntry(t, i)) return i + 1;
    return 0;
}

// Position of the last closing marker before `before`; 0 when none.
std::size_t previousMarker(std::u16string_view t, std::size_t before) {
    for (std::size_t i = before - 1; i-- > 0;)
        if (closesEntry(t, i)) return i + 1;
    return 0;
}

}  // namespace

std::optional<std::u16string> SearchCatalogue(std::u16string_view t, std::u16string_view keyword) {
    if (FindText(t, keyword, 1) == 0) return std::nullopt;
    std::u16string listing;
    std::size_t p = 1;
    for (;;) {
        const std::size_t h = FindText(t, keyword, p);
        if (h == 0) break;
        const std::size_t s = previousMarker(t, h);
        const std::size_t e = nextMarker(t, h);
        if (e == 0) {
            // Text behind the last marker: list it to the end.
            listing.append(u"\n").append(Mid(t, s + 1, t.size() - s));
            break;
        }
        listing.append(u"\n").append(Mid(t, s + 1, e - s - 1));
        p = e + 1;
    }
    listing.append(u"\n");
    return listing;
}

}  // namespace korrimet::other
