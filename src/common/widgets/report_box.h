#pragma once
#include <QString>
#include <QStringList>

class QTextEdit;

namespace korrimet {

// A report written whole into a rich-text box, replacing what it held.
// The exact text (its line separators included) stays readable by
// reportText, since the view itself shows every separator as a line break.
void setReport(QTextEdit* box, const QString& text);
QString reportText(const QTextEdit* box);

// Lines joined by `separator` (a line feed unless the tool says otherwise).
QString joinReport(const QStringList& lines, const QString& separator = QStringLiteral("\n"),
                   bool separatorAfterLast = false);

}  // namespace korrimet
