#include "common/widgets/line_index.h"

namespace korrimet {

LineIndex IndexLines(QByteArray bytes, bool tabbed, const RunControl* control) {
    TextLines lines = ScanLines(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                                tabbed, control);
    LineIndex index;
    index.bytes = std::move(bytes);
    index.starts = std::move(lines.starts);
    index.longest = lines.longest;
    index.ascii = lines.ascii;
    index.tabColumns = lines.tabColumns;
    return index;
}

}  // namespace korrimet
