#pragma once
#include <QByteArray>
#include <vector>

namespace korrimet {

// Text's bytes (UTF-8) and where each of its lines starts: each carriage
// return, line feed or pair of them ends one. Widths count character
// columns of the fixed-pitch font: a Latin character one, any other two.
struct LineIndex {
    QByteArray bytes;
    std::vector<qsizetype> starts;
    qsizetype longest = 0;  // columns of the widest line
    bool ascii = true;
    int tabColumns = 0;     // 0: a tab is one column
};
// Indexes `bytes`; made on any thread. With `tabbed`, tab stops are set
// from the widest field that a tab ends, so the columns of a table line up.
LineIndex IndexLines(QByteArray bytes, bool tabbed = false);

// Columns of one UTF-8 byte: a Latin character one, any other two (counted
// at its first byte).
inline int columnsOf(unsigned char c) { return c < 0x80 ? 1 : (c >= 0xC0 ? 2 : 0); }
inline bool endsLine(char c) { return c == '\r' || c == '\n'; }
// The column of the tab stop after `column`; with no stops a tab is one column.
inline qsizetype nextTab(qsizetype column, int tabColumns) {
    return tabColumns > 0 ? (column / tabColumns + 1) * tabColumns : column + 1;
}

}  // namespace korrimet
