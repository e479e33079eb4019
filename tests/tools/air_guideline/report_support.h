#pragma once
#include <QTextEdit>

#include "common/widgets/report_box.h"
#include "support/ui_support.h"

namespace korrimet::test {

// Clicks `button` on entries the press must refuse. Returns its one message
// when the report box says the same in place of a report, or what went otherwise.
inline QString refusedReport(QWidget* window, const QString& button) {
    MessageRecorder messages;
    click(window, button);
    const QString shown = reportText(child<QTextEdit>(window, QStringLiteral("RichTextBox1")));
    if (messages.messages().size() != 1) return QStringLiteral("%1 messages").arg(messages.messages().size());
    if (shown != messages.messages().first()) return QStringLiteral("the report shows ") + shown;
    return shown;
}

}  // namespace korrimet::test
