#pragma once
#include <cstddef>
#include <string_view>

namespace korrimet {

inline bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// The character of UTF-8 that starts at text[at]; `bytes` is set to its
// length. A byte that does not start a whole, shortest-form sequence of a
// code point (a stray continuation byte, a lead byte cut short, an overlong
// form, a surrogate, beyond U+10FFFF) reads as U+FFFD, one byte long: where
// a character ends is answered here alone.
inline char32_t CodePointAt(std::string_view text, std::size_t at, std::size_t& bytes) {
    const auto lead = static_cast<unsigned char>(text[at]);
    bytes = 1;
    if (lead < 0x80) return lead;
    const std::size_t length = lead >= 0xF8 ? 0 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
    if (length == 0 || at + length > text.size()) return 0xFFFD;
    char32_t c = lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        if (!IsContinuationByte(text[at + k])) return 0xFFFD;
        c = (c << 6) | (static_cast<unsigned char>(text[at + k]) & 0x3F);
    }
    constexpr char32_t kShortest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < kShortest[length] || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) return 0xFFFD;
    bytes = length;
    return c;
}

// The start of the character, as CodePointAt reads them, that holds text[at].
inline std::size_t CharacterStart(std::string_view text, std::size_t at) {
    if (!IsContinuationByte(text[at])) return at;
    // Only the nearest byte before that is no continuation byte can lead a character reaching `at`.
    for (std::size_t lead = at; lead > 0 && at - lead < 3;) {
        if (IsContinuationByte(text[--lead])) continue;
        std::size_t bytes = 0;
        CodePointAt(text, lead, bytes);
        return lead + bytes > at ? lead : at;
    }
    return at;
}

}  // namespace korrimet
