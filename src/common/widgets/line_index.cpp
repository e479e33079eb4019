#include "common/widgets/line_index.h"

#include <algorithm>

namespace korrimet {

LineIndex IndexLines(QByteArray bytes, bool tabbed) {
    LineIndex index;
    index.bytes = std::move(bytes);
    const char* data = index.bytes.constData();
    const qsizetype size = index.bytes.size();
    qsizetype count = 0;
    for (qsizetype i = 0; i < size; ++i)
        if (endsLine(data[i])) ++count;
    index.starts.reserve(static_cast<std::size_t>(count) + 1);

    // Each line's start; with tabs, the widest field a tab ends.
    qsizetype start = 0, field = 0, widestField = 0;
    for (qsizetype i = 0; i < size; ++i) {
        const auto c = static_cast<unsigned char>(data[i]);
        if (c >= 0x80) index.ascii = false;
        if (c == '\t') {
            widestField = std::max(widestField, field);
            field = 0;
        } else if (!endsLine(data[i])) {
            field += columnsOf(c);
        }
        if (!endsLine(data[i])) continue;
        field = 0;
        index.starts.push_back(start);
        if (data[i] == '\r' && i + 1 < size && data[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < size) index.starts.push_back(start);
    if (tabbed && widestField > 0) index.tabColumns = static_cast<int>(widestField) + 4;

    // The widest line, its tabs taken to their stops.
    qsizetype column = 0;
    for (qsizetype i = 0; i < size; ++i) {
        const auto c = static_cast<unsigned char>(data[i]);
        if (endsLine(data[i])) {
            index.longest = std::max(index.longest, column);
            column = 0;
        } else {
            column = c == '\t' ? nextTab(column, index.tabColumns) : column + columnsOf(c);
        }
    }
    index.longest = std::max(index.longest, column);
    return index;
}

}  // namespace korrimet
