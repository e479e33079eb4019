#include "common/widgets/line_index.h"

namespace korrimet {

LineIndex IndexLines(QByteArray bytes, bool tabbed, const RunControl* control) {
    LineIndex index;
    static_cast<TextLines&>(index) =
        ScanLines(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), tabbed, control);
    index.bytes = std::move(bytes);
    return index;
}

}  // namespace korrimet
