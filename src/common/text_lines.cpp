#include "common/text_lines.h"

#include <algorithm>

#include "common/run_control.h"

namespace korrimet {
namespace {

// A megabyte takes a millisecond or two a pass: a cancel is seen at once.
constexpr std::size_t kSlice = 1 << 20;

// Calls step(StepAt(text, i), i) for each step of `text`, checking the
// control once a slice.
template <class Step>
void eachStep(std::string_view text, const RunControl* control, Step step) {
    for (std::size_t i = 0; i < text.size();) {
        if (control) control->check();
        for (const std::size_t end = std::min(text.size(), i + kSlice); i < end;) {
            const TextStep s = StepAt(text, i);
            step(s, i);
            i += s.bytes;
        }
    }
    if (control) control->check();
}

}  // namespace

TextLines ScanLines(std::string_view text, bool tabbed, const RunControl* control) {
    TextLines lines;
    std::size_t count = 0;
    eachStep(text, control, [&](const TextStep& s, std::size_t) { count += s.endsLine; });
    lines.starts.reserve(count + 1);

    // Each line's start; with tabs, the widest field a tab ends.
    std::size_t start = 0;
    long long field = 0, widestField = 0;
    eachStep(text, control, [&](const TextStep& s, std::size_t i) {
        if (s.c >= 0x80) lines.ascii = false;
        if (s.endsLine) {
            lines.starts.push_back(static_cast<long long>(start));
            start = i + s.bytes;
            field = 0;
        } else if (s.c == '\t') {
            widestField = std::max(widestField, field);
            field = 0;
        } else {
            field = ColumnAfter(s.c, s.bytes, field, 0);
        }
    });
    if (start < text.size()) lines.starts.push_back(static_cast<long long>(start));
    if (tabbed && widestField > 0) lines.tabColumns = static_cast<int>(widestField) + 4;

    // The widest line, its tabs taken to their stops.
    long long column = 0;
    eachStep(text, control, [&](const TextStep& s, std::size_t) {
        if (!s.endsLine) return void(column = ColumnAfter(s.c, s.bytes, column, lines.tabColumns));
        lines.longest = std::max(lines.longest, column);
        column = 0;
    });
    lines.longest = std::max(lines.longest, column);
    return lines;
}

std::size_t CopyText(std::string_view text, std::size_t at, std::size_t until, char16_t*& out) {
    until = std::min(until, text.size());
    while (at < until) {
        const TextStep s = StepAt(text, at);
        if (s.c < 0x10000) {
            *out++ = static_cast<char16_t>(s.c);
        } else {
            *out++ = static_cast<char16_t>(0xD800 + ((s.c - 0x10000) >> 10));
            *out++ = static_cast<char16_t>(0xDC00 + ((s.c - 0x10000) & 0x3FF));
        }
        at += s.bytes;
    }
    return at;
}

}  // namespace korrimet
