#include "common/widgets/report_box.h"

#include <QFontMetricsF>
#include <QRegularExpression>
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

void fitTabStops(QTextEdit* box) {
    const QFontMetricsF metrics(box->document()->defaultFont());
    qreal widest = 0;
    static const QRegularExpression lineEnd(QStringLiteral("[\r\n]"));
    for (const QString& line : reportText(box).split(lineEnd)) {
        const QStringList fields = line.split(QLatin1Char('\t'));
        // The last field of a line ends no column.
        for (qsizetype i = 0; i + 1 < fields.size(); ++i) widest = qMax(widest, metrics.horizontalAdvance(fields[i]));
    }
    if (widest > 0) box->setTabStopDistance(widest + metrics.horizontalAdvance(QStringLiteral("    ")));
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
