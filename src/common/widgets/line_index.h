#pragma once
#include <QByteArray>

#include "common/text_lines.h"

namespace korrimet {

// Text's bytes (UTF-8) with the lines TextLines finds in them.
struct LineIndex : TextLines {
    QByteArray bytes;
};
// Indexes `bytes`; made on any thread. With `tabbed`, tab stops are set
// from the widest field that a tab ends, so the columns of a table line up.
// `control`, when given, is checked as the bytes are scanned: a cancel
// throws RunCancelled.
LineIndex IndexLines(QByteArray bytes, bool tabbed = false, const RunControl* control = nullptr);

}  // namespace korrimet
