#pragma once
#include <optional>

#include <QList>
#include <QString>
#include <QStringList>

namespace korrimet {

// Reference pages are listed in compiled-in index files, one page a line of
// fields separated by "|". Blank lines and lines starting with "#" are
// skipped; a line with another number of fields comes back with a problem.
struct IndexLine {
    QString file;    // index file name, for messages; empty for a text
    int number = 0;  // 1-based line number
    QStringList fields;
    QString problem;  // why the line is no page; empty when sound

    QString where() const {
        return (file.isEmpty() ? QString() : file + QStringLiteral(", ")) + QStringLiteral("line %1").arg(number);
    }
};
QList<IndexLine> splitIndex(const QString& text, int fields);

// The lines of every index file in a resource folder, in file then line order.
QList<IndexLine> readIndexFolder(const QString& folder, int fields);

// The pages the sound lines describe, read by `pageOf`; every other line adds
// its place and reason to `errors` (when given).
template <class Row>
QList<Row> indexPages(const QList<IndexLine>& lines, QStringList* errors,
                      std::optional<Row> (*pageOf)(const QStringList& fields, QString* why)) {
    QList<Row> rows;
    for (const IndexLine& line : lines) {
        QString why = line.problem;
        std::optional<Row> row;
        if (why.isEmpty()) row = pageOf(line.fields, &why);
        if (row)
            rows.append(*row);
        else if (errors)
            errors->append(line.where() + QStringLiteral(": ") + why);
    }
    return rows;
}

}  // namespace korrimet
