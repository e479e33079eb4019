#include "common/widgets/page_index.h"

#include <QDir>

#include "common/widgets/stored_page.h"

namespace korrimet {

QList<IndexLine> splitIndex(const QString& text, int fields) {
    QList<IndexLine> lines;
    const QStringList raw = text.split(QLatin1Char('\n'));
    for (int i = 0; i < raw.size(); ++i) {
        const QString line = raw[i].trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
        IndexLine entry;
        entry.number = i + 1;
        entry.fields = line.split(QLatin1Char('|'));
        for (QString& field : entry.fields) field = field.trimmed();
        if (entry.fields.size() != fields)
            entry.problem = QStringLiteral("%1 fields, not %2").arg(entry.fields.size()).arg(fields);
        lines.append(entry);
    }
    return lines;
}

QList<IndexLine> readIndexFolder(const QString& folder, int fields) {
    QList<IndexLine> lines;
    const QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::Files, QDir::Name)) {
        for (IndexLine line : splitIndex(resourceText(dir.filePath(name)), fields)) {
            line.file = name;
            lines.append(line);
        }
    }
    return lines;
}

}  // namespace korrimet
