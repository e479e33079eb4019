#pragma once
#include <cstddef>
#include <string_view>
#include <vector>

#include "common/utf8.h"

namespace korrimet {

class RunControl;

// Where each line of a text starts: each carriage return, line feed or pair
// of them ends one. Widths count character columns of the fixed-pitch font
// (see ColumnAfter; the text is UTF-8).
struct TextLines {
    std::vector<long long> starts;
    long long longest = 0;  // columns of the widest line
    bool ascii = true;
    int tabColumns = 0;     // 0: a tab is one column
};

// Scans `text`; with `tabbed`, tab stops are set from the widest field that a
// tab ends, so the columns of a table line up. `control`, when given, is
// checked between slices of the text: a cancel throws RunCancelled.
TextLines ScanLines(std::string_view text, bool tabbed = false, const RunControl* control = nullptr);

inline bool endsLine(char c) { return c == '\r' || c == '\n'; }

// What starts at text[at]: a line end (a carriage return, a line feed, or
// the two together, read as one line feed) or one character as CodePointAt
// reads it. Scanning, laying out, painting and copying all step so.
struct TextStep {
    char32_t c;
    std::size_t bytes;
    bool endsLine;
};
inline TextStep StepAt(std::string_view text, std::size_t at) {
    if (endsLine(text[at])) {
        const bool pair = text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n';
        return {U'\n', pair ? 2u : 1u, true};
    }
    std::size_t bytes = 0;
    const char32_t c = CodePointAt(text, at, bytes);
    return {c, bytes, false};
}

// The column of the tab stop after `column`; with no stops a tab is one column.
inline long long nextTab(long long column, int tabColumns) {
    return tabColumns > 0 ? (column / tabColumns + 1) * tabColumns : column + 1;
}
// The column after the character `c` of `bytes` bytes that starts at
// `column`: one byte (an ASCII character, or a broken byte shown as U+FFFD)
// takes one column, any other character two, a tab reaches its stop.
inline long long ColumnAfter(char32_t c, std::size_t bytes, long long column, int tabColumns) {
    if (c == '\t') return nextTab(column, tabColumns);
    return column + (bytes == 1 ? 1 : 2);
}

// Writes text[at..] as it is copied, UTF-16 from `out` on, moving `out`
// past it: each character as StepAt reads it, a line end as one line feed.
// Stops before the first step that starts at `until` or later, or at the
// text's end, and returns where it stopped. Writes no more units than the
// bytes it reads.
std::size_t CopyText(std::string_view text, std::size_t at, std::size_t until, char16_t*& out);

}  // namespace korrimet
