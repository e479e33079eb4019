#include "common/widgets/report_box.h"

#include <QTextEdit>

namespace korrimet {

namespace {
constexpr const char* kReportProperty = "korrimetReport";
}

void setReport(QTextEdit* box, const QString& text) {
    box->setProperty(kReportProperty, text);
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    box->setPlainText(shown);
}

QString reportText(const QTextEdit* box) {
    QVariant stored = box->property(kReportProperty);
    return stored.isValid() ? stored.toString() : box->toPlainText();
}

void setStoredNote(QTextEdit* box, const QString& html) {
    box->setProperty(kReportProperty, QVariant());
    box->setHtml(html);
}

QString joinReport(const QStringList& lines, const QString& separator, bool separatorAfterLast) {
    QString text = lines.join(separator);
    if (separatorAfterLast) text += separator;
    return text;
}

QString joinReportLines(const std::vector<std::string>& lines, const QString& separator, bool separatorAfterLast) {
    QStringList list;
    for (const std::string& line : lines) list << QString::fromStdString(line);
    return joinReport(list, separator, separatorAfterLast);
}

}  // namespace korrimet
