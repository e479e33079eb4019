#pragma once

namespace korrimet {

// The blanks an entry is judged by, one character at a time (a code point,
// or a UTF-16 unit: none of them is beyond U+FFFF).

// Every line end Unicode defines: line feed, vertical tab, form feed,
// carriage return, next line, and the line and paragraph separators. Any of
// them inside an entry starts a second line, whatever the text came from.
constexpr bool IsLineEnd(char32_t c) {
    return (c >= U'\n' && c <= U'\r') || c == 0x85 || c == 0x2028 || c == 0x2029;
}

// The spaces of Unicode, the no-break and the ideographic one among them: the
// blanks that keep a text on one line and in one cell.
constexpr bool IsSpace(char32_t c) {
    return c == U' ' || c == 0xA0 || c == 0x1680 || (c >= 0x2000 && c <= 0x200A) || c == 0x202F || c == 0x205F ||
           c == 0x3000;
}

// The blanks around a pasted entry: spaces, tabs and line ends (the set
// QString::trimmed takes away).
constexpr bool IsBlank(char32_t c) { return IsSpace(c) || c == U'\t' || IsLineEnd(c); }

}  // namespace korrimet
