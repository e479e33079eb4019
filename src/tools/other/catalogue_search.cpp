#include "tools/other/catalogue_search.h"

#include "tools/other/text_search.h"

namespace korrimet::other {

namespace {
constexpr std::u16string_view kMarker(&kCatalogueItemMarker, 1);
constexpr std::size_t kLookBack = 20;
}  // namespace

std::optional<std::u16string> SearchCatalogue(std::u16string_view t, std::u16string_view keyword) {
    if (FindText(t, keyword, 1) == 0) return std::nullopt;
    std::u16string listing;
    std::size_t p = 1, s = 0;
    for (;;) {
        const std::size_t h = FindText(t, keyword, p);
        if (h == 0) break;
        bool cut = true;
        if (h > kLookBack) {
            s = FindText(t, kMarker, h - kLookBack);
            cut = s != 0;
        }
        // The look-back never reaches behind the span listed last: that span
        // would be listed again, and the walk would stand still.
        if (cut && s + 1 < p) s = p - 1;
        const std::size_t e = cut ? FindText(t, kMarker, s + 1) : 0;
        if (e == 0) {
            // No marker closes the span: list the stretch that holds the hit,
            // up to the next marker or the end, and end the walk there.
            std::size_t from = FindBackText(t, kCatalogueItemMarker, h);
            if (from + 1 < p) from = p - 1;
            std::size_t to = FindText(t, kMarker, h);
            if (to == 0) to = t.size() + 1;
            listing.append(u"\n").append(Mid(t, from + 1, to - from - 1));
            break;
        }
        listing.append(u"\n").append(Mid(t, s + 1, e - s - 1));
        p = e + 1;
    }
    listing.append(u"\n");
    return listing;
}

}  // namespace korrimet::other
