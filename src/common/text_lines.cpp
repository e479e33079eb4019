#include "common/text_lines.h"

#include <algorithm>

#include "common/run_control.h"

namespace korrimet {
namespace {

// A megabyte takes a millisecond or two a pass: a cancel is seen at once.
constexpr std::size_t kSlice = 1 << 20;

// Calls `scan(i)` for each i below `size`; `scan` returns the next i (it may
// step over a byte). The control is checked once a slice.
template <class Scan>
void sliced(std::size_t size, const RunControl* control, Scan scan) {
    for (std::size_t i = 0; i < size;) {
        if (control) control->check();
        for (const std::size_t end = std::min(size, i + kSlice); i < end;) i = scan(i);
    }
    if (control) control->check();
}

}  // namespace

TextLines ScanLines(std::string_view text, bool tabbed, const RunControl* control) {
    TextLines lines;
    const char* data = text.data();
    const std::size_t size = text.size();
    std::size_t count = 0;
    sliced(size, control, [&](std::size_t i) {
        if (endsLine(data[i])) ++count;
        return i + 1;
    });
    lines.starts.reserve(count + 1);

    // Each line's start; with tabs, the widest field a tab ends.
    std::size_t start = 0;
    long long field = 0, widestField = 0;
    sliced(size, control, [&](std::size_t i) {
        const auto c = static_cast<unsigned char>(data[i]);
        if (c >= 0x80) lines.ascii = false;
        if (c == '\t') {
            widestField = std::max(widestField, field);
            field = 0;
        } else if (!endsLine(data[i])) {
            field += columnsOf(c);
        }
        if (!endsLine(data[i])) return i + 1;
        field = 0;
        lines.starts.push_back(static_cast<long long>(start));
        if (data[i] == '\r' && i + 1 < size && data[i + 1] == '\n') ++i;
        start = i + 1;
        return start;
    });
    if (start < size) lines.starts.push_back(static_cast<long long>(start));
    if (tabbed && widestField > 0) lines.tabColumns = static_cast<int>(widestField) + 4;

    // The widest line, its tabs taken to their stops.
    long long column = 0;
    sliced(size, control, [&](std::size_t i) {
        const auto c = static_cast<unsigned char>(data[i]);
        if (endsLine(data[i])) {
            lines.longest = std::max(lines.longest, column);
            column = 0;
        } else {
            column = c == '\t' ? nextTab(column, lines.tabColumns) : column + columnsOf(c);
        }
        return i + 1;
    });
    lines.longest = std::max(lines.longest, column);
    return lines;
}

}  // namespace korrimet
