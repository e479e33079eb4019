#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

#include "common/widgets/line_view.h"

// How a LineView paints its lines: each character where the geometry lays it.

namespace korrimet {
namespace {

// Control characters take their columns blank, as no glyph of theirs would.
bool isControl(char32_t c) { return c < 0x20 || (c >= 0x7F && c < 0xA0); }

}  // namespace

// A glyph from a fallback font may be wider than the columns the geometry
// gives its character (U+FFFD of a broken byte is one): it is squeezed into
// them, so that it covers no neighbour and every click lands where it shows.
void LineView::drawFitted(QPainter& painter, const LaidCharacter& c, QPointF at) const {
    const QString glyph = QStringView(QChar::fromUcs4(c.code)).toString();
    const qreal room = static_cast<qreal>(c.columns) * columnWidth();
    const qreal advance = QFontMetricsF(painter.font()).horizontalAdvance(glyph);
    if (advance <= room) return painter.drawText(at, glyph);
    painter.save();
    painter.translate(at);
    painter.scale(room / advance, 1);
    painter.drawText(QPointF(), glyph);
    painter.restore();
}

// Draws the characters of `row` in sight, each at its column: runs of
// one-column ASCII characters as one string, any other character alone, so
// that a wide glyph of another font cannot push the rest of the line off
// its columns.
void LineView::drawRow(QPainter& painter, const LineGeometry& row, qreal left, qreal baseline,
                       qsizetype firstColumn, qsizetype lastColumn) const {
    const qreal cw = columnWidth();
    const char* data = row.text().data();
    auto drawRun = [&](qsizetype from, qsizetype to, qsizetype column) {
        QString run = QString::fromLatin1(data + from, to - from);
        for (QChar& c : run)
            if (isControl(c.unicode())) c = u' ';
        painter.drawText(QPointF(left + static_cast<qreal>(column) * cw, baseline), run);
    };
    if (plainColumns()) {
        // A grid row may hold a hundred thousand characters: draw what is in sight.
        const qsizetype from = std::clamp<qsizetype>(firstColumn, 0, row.length());
        return drawRun(from, std::clamp<qsizetype>(lastColumn, from, row.length()), from);
    }
    qsizetype runStart = 0, runEnd = 0, runColumn = 0;
    auto flush = [&] {
        if (runEnd > runStart) drawRun(runStart, runEnd, runColumn);
        runStart = runEnd = 0;
    };
    row.walk([&](const LaidCharacter& c) {
        if (c.column > lastColumn) return false;
        if (c.column + c.columns < firstColumn) return true;
        if (c.code < 0x80 && c.columns == 1) {
            if (runEnd == runStart) {
                runStart = c.offset;
                runColumn = c.column;
            }
            runEnd = c.offset + 1;
            return true;
        }
        flush();
        if (!isControl(c.code)) drawFitted(painter, c, QPointF(left + static_cast<qreal>(c.column) * cw, baseline));
        return true;
    });
    flush();
}

void LineView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    painter.setFont(font());
    const QFontMetricsF fm(font());
    const qreal cw = columnWidth();
    const int lh = lineHeight(), first = firstVisibleLine(), width = viewport()->width();
    const int last = std::min(lineCount() - 1, first + viewport()->height() / lh + 1);
    const qreal left = kMargin - horizontalScrollBar()->value();
    const qsizetype firstColumn = std::max<qsizetype>(0, static_cast<qsizetype>(std::floor(-left / cw)) - 1);
    const qsizetype lastColumn = static_cast<qsizetype>(std::ceil((width - left) / cw)) + 1;
    const Position from = selectionStart(), to = selectionEnd();
    const QColor text = palette().text().color(), selectedText = palette().highlightedText().color();
    for (int row = first; row <= last; ++row) {
        const LineGeometry line = geometry(row);
        const QRect rect(0, (row - first) * lh, width, lh);
        const qreal baseline = rect.top() + (lh - fm.height()) / 2 + fm.ascent();
        if (!hasSelection() || row < from.line || row > to.line || (row == to.line && to.offset == 0)) {
            painter.setPen(text);
            drawRow(painter, line, left, baseline, firstColumn, lastColumn);
            continue;
        }
        // The selected characters, and the line end when it is selected too.
        const qsizetype a = row == from.line ? line.columnOf(from.offset) : 0;
        const qsizetype b = row == to.line ? line.columnOf(to.offset) : line.columnOf(line.length()) + 1;
        const int x0 = static_cast<int>(std::lround(left + static_cast<qreal>(a) * cw));
        const int x1 = static_cast<int>(std::lround(left + static_cast<qreal>(b) * cw));
        const QRect selected(x0, rect.top(), x1 - x0, lh);
        painter.fillRect(selected, palette().highlight());
        painter.setClipRegion(QRegion(rect).subtracted(selected));
        painter.setPen(text);
        drawRow(painter, line, left, baseline, firstColumn, lastColumn);
        painter.setClipRect(selected);
        painter.setPen(selectedText);
        drawRow(painter, line, left, baseline, firstColumn, lastColumn);
        painter.setClipping(false);
    }
    if (hasFocus() && placed_ && cursor_.line >= first && cursor_.line <= first + viewport()->height() / lh) {
        const int x = static_cast<int>(std::lround(left + static_cast<qreal>(columnOf(cursor_)) * cw));
        const int top = (cursor_.line - first) * lh;
        painter.setPen(text);
        painter.drawLine(x, top + 1, x, top + lh - 2);
    }
}

}  // namespace korrimet
