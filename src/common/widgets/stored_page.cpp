#include "common/widgets/stored_page.h"

#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QTextBrowser>

#include "common/widgets/tool_window.h"

namespace korrimet {

QString resourceText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

namespace {

QString tableRowsHtml(const QString& file, const QMap<QString, QString>& renamed) {
    QString rows;
    const QString text = resourceText(file);
    if (text.isEmpty()) qWarning("page rows: no data in %s", qPrintable(file));
    static const QRegularExpression separator(QStringLiteral("\\s*[|\\t]\\s*"));
    for (QString line : text.split(QLatin1Char('\n'))) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
        rows += QStringLiteral("<tr>");
        const QStringList fields = line.split(separator);
        for (int i = 0; i < fields.size(); ++i) {
            const QString cell = renamed.value(fields[i], fields[i]);
            rows += (i == 0 ? QStringLiteral("<td align=\"left\">") : QStringLiteral("<td align=\"center\">")) +
                    cell.toHtmlEscaped() + QStringLiteral("</td>");
        }
        rows += QStringLiteral("</tr>\n");
    }
    return rows;
}

}  // namespace

QString storedPageHtml(const QString& resource) {
    QString html = resourceText(resource);
    static const QRegularExpression directive(QStringLiteral("<!--\\s*rows\\s+(\\S+)([^>]*?)\\s*-->"));
    QRegularExpressionMatch m;
    while ((m = directive.match(html)).hasMatch()) {
        QMap<QString, QString> renamed;
        for (const QString& pair : m.captured(2).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const qsizetype eq = pair.indexOf(QLatin1Char('='));
            if (eq > 0) renamed.insert(pair.left(eq), pair.mid(eq + 1));
        }
        html.replace(m.capturedStart(), m.capturedLength(), tableRowsHtml(m.captured(1), renamed));
    }
    return html;
}

QTextBrowser* storedPage(FormBuilder& form, const QString& name, const QString& resource, int l, int t, int w,
                         int h) {
    QTextBrowser* view = form.browser(name, l, t, w, h);
    view->setHtml(storedPageHtml(resource));
    return view;
}

}  // namespace korrimet
