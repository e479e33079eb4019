#pragma once
#include <QByteArray>
#include <type_traits>
#include <vector>

#include "common/text_lines.h"

namespace korrimet {

static_assert(std::is_same_v<qsizetype, long long>, "line starts are kept as ScanLines gives them");

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
// `control`, when given, is checked as the bytes are scanned: a cancel
// throws RunCancelled.
LineIndex IndexLines(QByteArray bytes, bool tabbed = false, const RunControl* control = nullptr);

}  // namespace korrimet
