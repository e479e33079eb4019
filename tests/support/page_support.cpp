#include "support/page_support.h"

#include <QScrollBar>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextFrame>
#include <QTextTable>

namespace korrimet::test {

QList<QStringList> tableRows(const QTextDocument* document) {
    QList<QStringList> rows;
    for (QTextFrame* frame : document->rootFrame()->childFrames()) {
        auto* table = qobject_cast<QTextTable*>(frame);
        if (!table) continue;
        for (int r = 0; r < table->rows(); ++r) {
            QStringList row;
            for (int c = 0; c < table->columns(); ++c) {
                QTextTableCell cell = table->cellAt(r, c);
                QTextCursor cursor = cell.firstCursorPosition();
                cursor.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
                QString text = cursor.selection().toPlainText();
                text.replace(QChar::LineSeparator, QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
                row << text;
            }
            rows << row;
        }
        break;
    }
    return rows;
}

bool fitsItsView(const QTextBrowser* view) {
    return view->verticalScrollBar()->maximum() == 0 && view->horizontalScrollBar()->maximum() == 0;
}

}  // namespace korrimet::test
