#pragma once
#include <string_view>
#include <vector>

namespace korrimet {

class RunControl;

// Where each line of a text starts: each carriage return, line feed or pair
// of them ends one. Widths count character columns of the fixed-pitch font:
// a Latin character one, any other two (the text is UTF-8).
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

// Columns of one UTF-8 byte: a Latin character one, any other two (counted
// at its first byte).
inline int columnsOf(unsigned char c) { return c < 0x80 ? 1 : (c >= 0xC0 ? 2 : 0); }
inline bool endsLine(char c) { return c == '\r' || c == '\n'; }
// The column of the tab stop after `column`; with no stops a tab is one column.
inline long long nextTab(long long column, int tabColumns) {
    return tabColumns > 0 ? (column / tabColumns + 1) * tabColumns : column + 1;
}

}  // namespace korrimet
