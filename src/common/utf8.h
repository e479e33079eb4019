#pragma once
#include <cstddef>
#include <string_view>

namespace korrimet {

// The character of UTF-8 that starts at text[at]; `bytes` is set to its
// length. A lead byte without its continuation bytes, or a byte that leads
// nothing, reads as U+FFFD, one byte long.
inline char32_t CodePointAt(std::string_view text, std::size_t at, std::size_t& bytes) {
    const auto lead = static_cast<unsigned char>(text[at]);
    bytes = 1;
    if (lead < 0x80) return lead;
    const std::size_t length = lead >= 0xF8 ? 0 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
    if (length == 0 || at + length > text.size()) return 0xFFFD;
    char32_t c = lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        const auto b = static_cast<unsigned char>(text[at + k]);
        if ((b & 0xC0) != 0x80) return 0xFFFD;
        c = (c << 6) | (b & 0x3F);
    }
    bytes = length;
    return c;
}

}  // namespace korrimet
