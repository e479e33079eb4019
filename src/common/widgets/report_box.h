#pragma once
#include <QString>
#include <QStringList>
#include <string>
#include <vector>

class QTextEdit;

namespace korrimet {

// A report written whole into a rich-text box, replacing what it held.
// The exact text (its line separators included) stays readable by
// reportText, since the view itself shows every separator as a line break.
void setReport(QTextEdit* box, const QString& text);
QString reportText(const QTextEdit* box);
// Sets the box's tab stops one column apart, a column being as wide as the
// widest tab-ended field of its report and four blanks, so the columns of a
// tab-separated table line up in the box's font.
void fitTabStops(QTextEdit* box);
// What the box shows before the first report: a stored rich-text note.
void setStoredNote(QTextEdit* box, const QString& html);

// Lines joined by `separator` (a line feed unless the tool says otherwise).
QString joinReport(const QStringList& lines, const QString& separator = QStringLiteral("\n"),
                   bool separatorAfterLast = false);
// The same for a report built as plain lines.
QString joinReportLines(const std::vector<std::string>& lines, const QString& separator = QStringLiteral("\n"),
                        bool separatorAfterLast = false);

}  // namespace korrimet
