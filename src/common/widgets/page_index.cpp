#include "common/widgets/page_index.h"

#include <QDir>

#include "common/pipe_table.h"
#include "common/widgets/stored_page.h"

namespace korrimet {

QList<IndexLine> splitIndex(const QString& text, int fields) {
    QList<IndexLine> lines;
    for (const PipeRecord& record : SplitPipeTable(text.toStdString())) {
        IndexLine entry;
        entry.number = record.line;
        for (const std::string& field : record.fields) entry.fields.append(QString::fromStdString(field));
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
