#include "common/widgets/line_view.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

namespace korrimet {
namespace {
constexpr int kMargin = 3;
}  // namespace

LineView::LineView(QWidget* parent) : QAbstractScrollArea(parent) {
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    viewport()->setCursor(Qt::IBeamCursor);
    verticalScrollBar()->setSingleStep(1);

    auto* copy = new QAction(QStringLiteral("复制(Ctrl+C)"), this);
    connect(copy, &QAction::triggered, this, [this] { copySelection(); });
    auto* all = new QAction(QStringLiteral("全选(Ctrl+A)"), this);
    connect(all, &QAction::triggered, this, [this] { selectAll(); });
    addActions({copy, all});
    setContextMenuPolicy(Qt::ActionsContextMenu);
    updateScrollBars();
}

void LineView::setLines(LineIndex lines) {
    dropPendingCopy();
    lines_ = std::move(lines);
    anchor_ = cursor_ = {};
    placed_ = dragging_ = byWords_ = false;
    goalColumn_ = -1;
    autoScroll_.stop();
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    updateScrollBars();
    viewport()->update();
}

TextGeometry LineView::layout() const {
    return {std::string_view(lines_.bytes.constData(), static_cast<std::size_t>(lines_.bytes.size())), lines_};
}

QString LineView::line(int index) const {
    const std::string_view text = geometry(index).text();
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void LineView::select(Position anchor, Position cursor) {
    anchor_ = layout().clamped(anchor);
    cursor_ = layout().clamped(cursor);
    placed_ = true;
    goalColumn_ = -1;
    viewport()->update();
}

int LineView::selectionFirst() const { return placed_ ? std::min(selectionStart().line, lineCount() - 1) : -1; }

int LineView::selectionLast() const {
    if (!placed_) return -1;
    const Position first = selectionStart(), last = selectionEnd();
    const int row = last.offset == 0 && last.line > first.line ? last.line - 1 : last.line;
    return std::min(row, lineCount() - 1);
}

int LineView::currentLine() const { return placed_ ? std::min(cursor_.line, lineCount() - 1) : -1; }

void LineView::selectLines(int anchor, int current) {
    const int last = lineCount() - 1;
    if (last < 0) return;
    anchor = std::clamp(anchor, 0, last);
    current = std::clamp(current, 0, last);
    if (current >= anchor) select({anchor, 0}, {current + 1, 0});
    else select({anchor + 1, 0}, {current, 0});
}

void LineView::selectAll() {
    if (lineCount() > 0) select({0, 0}, {lineCount(), 0});
}

int LineView::lineHeight() const { return fontMetrics().height() + 2; }

qreal LineView::columnWidth() const {
    return QFontMetricsF(font()).horizontalAdvance(QString(64, QLatin1Char('0'))) / 64;
}

int LineView::visibleLines() const { return std::max(1, viewport()->height() / lineHeight()); }

int LineView::firstVisibleLine() const { return verticalScrollBar()->value(); }

LineView::Position LineView::positionAt(QPointF point, Pick pick) const {
    const int row = firstVisibleLine() + static_cast<int>(std::floor(point.y() / lineHeight()));
    if (row < 0) return {0, 0};
    if (row >= lineCount()) return {lineCount(), 0};
    const qreal column = (point.x() - kMargin + horizontalScrollBar()->value()) / columnWidth();
    const LineGeometry line = geometry(row);
    return {row, pick == Pick::Gap ? line.gapAt(column) : line.characterAt(column)};
}

void LineView::updateScrollBars() {
    const int page = visibleLines();
    verticalScrollBar()->setPageStep(page);
    verticalScrollBar()->setRange(0, std::max(0, lineCount() - page));
    const qreal width = static_cast<qreal>(lines_.longest) * columnWidth() + 2 * kMargin;
    const int hidden = static_cast<int>(std::min<qreal>(std::ceil(width) - viewport()->width(), 1e9));
    horizontalScrollBar()->setPageStep(viewport()->width());
    horizontalScrollBar()->setSingleStep(static_cast<int>(std::ceil(columnWidth() * 4)));
    horizontalScrollBar()->setRange(0, std::max(0, hidden));
}

void LineView::ensureCursorVisible() {
    QScrollBar* rows = verticalScrollBar();
    if (cursor_.line < rows->value()) rows->setValue(cursor_.line);
    else if (cursor_.line >= rows->value() + visibleLines()) rows->setValue(cursor_.line - visibleLines() + 1);

    QScrollBar* columns = horizontalScrollBar();
    const qreal cw = columnWidth();
    const qreal x = static_cast<qreal>(columnOf(cursor_)) * cw;
    if (x < columns->value()) columns->setValue(static_cast<int>(std::floor(x)));
    else if (x + cw + 2 * kMargin > columns->value() + viewport()->width())
        columns->setValue(static_cast<int>(std::ceil(x + cw + 2 * kMargin - viewport()->width())));
}

void LineView::moveCursor(Position to, bool extend, bool keepColumn) {
    cursor_ = layout().clamped(to);
    if (!extend) anchor_ = cursor_;
    placed_ = true;
    if (!keepColumn) goalColumn_ = -1;
    ensureCursorVisible();
    viewport()->update();
}

// `rows` below the cursor (above when negative), in the column ↑/↓ keep.
LineView::Position LineView::lineBelow(int rows) const {
    const int last = lineCount() - 1;
    if (rows > 0 && cursor_.line >= last) return {lineCount(), 0};
    if (rows < 0 && cursor_.line == 0) return {0, 0};
    const int row = std::clamp(cursor_.line + rows, 0, std::max(last, 0));
    return {row, geometry(row).gapAt(static_cast<qreal>(goalColumn_))};
}

void LineView::keyPressEvent(QKeyEvent* event) {
    if (event == QKeySequence::Copy) return copySelection();
    if (event == QKeySequence::SelectAll) return selectAll();
    using K = QKeySequence;
    static const struct {
        K::StandardKey move, extend;
    } keys[] = {{K::MoveToNextChar, K::SelectNextChar},
                {K::MoveToPreviousChar, K::SelectPreviousChar},
                {K::MoveToNextWord, K::SelectNextWord},
                {K::MoveToPreviousWord, K::SelectPreviousWord},
                {K::MoveToNextLine, K::SelectNextLine},
                {K::MoveToPreviousLine, K::SelectPreviousLine},
                {K::MoveToNextPage, K::SelectNextPage},
                {K::MoveToPreviousPage, K::SelectPreviousPage},
                {K::MoveToStartOfLine, K::SelectStartOfLine},
                {K::MoveToEndOfLine, K::SelectEndOfLine},
                {K::MoveToStartOfDocument, K::SelectStartOfDocument},
                {K::MoveToEndOfDocument, K::SelectEndOfDocument}};
    const auto* key = std::find_if(std::begin(keys), std::end(keys),
                                   [event](const auto& k) { return event == k.move || event == k.extend; });
    if (key == std::end(keys)) return QAbstractScrollArea::keyPressEvent(event);
    const bool extend = event == key->extend;
    // Before the user placed the cursor, keys start from the top line in sight.
    const TextGeometry text = layout();
    if (!placed_) anchor_ = cursor_ = text.clamped({firstVisibleLine(), 0});
    if (!extend && hasSelection() && (key->move == K::MoveToNextChar || key->move == K::MoveToPreviousChar))
        return moveCursor(key->move == K::MoveToNextChar ? selectionEnd() : selectionStart(), false);

    const bool vertical = key->move == K::MoveToNextLine || key->move == K::MoveToPreviousLine ||
                          key->move == K::MoveToNextPage || key->move == K::MoveToPreviousPage;
    if (vertical && goalColumn_ < 0) goalColumn_ = columnOf(cursor_);
    const int page = visibleLines();
    Position to = cursor_;
    switch (key->move) {
        case K::MoveToNextChar: to = text.nextCharacter(cursor_); break;
        case K::MoveToPreviousChar: to = text.previousCharacter(cursor_); break;
        case K::MoveToNextWord: to = text.nextWord(cursor_); break;
        case K::MoveToPreviousWord: to = text.previousWord(cursor_); break;
        case K::MoveToNextLine: to = lineBelow(1); break;
        case K::MoveToPreviousLine: to = lineBelow(-1); break;
        case K::MoveToNextPage:
            verticalScrollBar()->setValue(firstVisibleLine() + page);
            to = lineBelow(page);
            break;
        case K::MoveToPreviousPage:
            verticalScrollBar()->setValue(firstVisibleLine() - page);
            to = lineBelow(-page);
            break;
        case K::MoveToStartOfLine: to.offset = 0; break;
        case K::MoveToEndOfLine: to.offset = geometry(cursor_.line).length(); break;
        case K::MoveToStartOfDocument: to = {0, 0}; break;
        case K::MoveToEndOfDocument: to = {lineCount(), 0}; break;
        default: break;
    }
    moveCursor(to, extend, vertical);
}

void LineView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QAbstractScrollArea::mousePressEvent(event);
    setFocus(Qt::MouseFocusReason);
    const QPointF point = event->position();
    const Position at = positionAt(point);
    // A third click on the double-clicked place, as soon as a double-click's second, takes its whole line.
    const auto interval = static_cast<quint64>(QApplication::doubleClickInterval());
    if (doubleClickTime_ && event->timestamp() - *doubleClickTime_ < interval &&
        (point - doubleClickPoint_).manhattanLength() < QApplication::startDragDistance()) {
        doubleClickTime_.reset();
        if (at.line < lineCount()) select({at.line, 0}, {at.line + 1, 0});
        return;
    }
    dragging_ = true;
    byWords_ = false;
    dragPoint_ = point;
    moveCursor(at, (event->modifiers() & Qt::ShiftModifier) && placed_);
}

void LineView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QAbstractScrollArea::mouseDoubleClickEvent(event);
    const QPointF point = event->position();
    const Position at = positionAt(point, Pick::Character);
    if (at.line >= lineCount()) return;
    const LineSpan word = geometry(at.line).wordAt(at.offset);
    dragWord_ = {{at.line, word.from}, {at.line, word.to}};
    select(dragWord_.first, dragWord_.second);
    dragging_ = byWords_ = true;
    dragPoint_ = doubleClickPoint_ = point;
    doubleClickTime_ = event->timestamp();
}

void LineView::dragTo(QPointF point) {
    if (!byWords_) return moveCursor(positionAt(point), true);
    // By words: the double-clicked word stays selected, the word under the pointer is added whole.
    const Position at = positionAt(point, Pick::Character);
    const LineSpan word = at.line < lineCount() ? geometry(at.line).wordAt(at.offset) : LineSpan{};
    if (at < dragWord_.first) {
        anchor_ = dragWord_.second;
        cursor_ = at.line < lineCount() ? Position{at.line, word.from} : at;
    } else {
        anchor_ = dragWord_.first;
        cursor_ = std::max(at.line < lineCount() ? Position{at.line, word.to} : at, dragWord_.second);
    }
    moveCursor(cursor_, true);
}

void LineView::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_ || !(event->buttons() & Qt::LeftButton)) return QAbstractScrollArea::mouseMoveEvent(event);
    dragPoint_ = event->position();
    dragTo(dragPoint_);
    // Held beyond the edge, the drag goes on scrolling the text.
    if (viewport()->rect().contains(dragPoint_.toPoint())) autoScroll_.stop();
    else if (!autoScroll_.isActive()) autoScroll_.start(50, this);
}

void LineView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QAbstractScrollArea::mouseReleaseEvent(event);
    dragging_ = false;
    autoScroll_.stop();
}

void LineView::timerEvent(QTimerEvent* event) {
    if (event->timerId() != autoScroll_.timerId()) return QAbstractScrollArea::timerEvent(event);
    if (dragging_ && QApplication::mouseButtons() & Qt::LeftButton) dragTo(dragPoint_);
    else autoScroll_.stop();
}

void LineView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void LineView::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
}

void LineView::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    viewport()->update();
}

void LineView::changeEvent(QEvent* event) {
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) updateScrollBars();
}

// Draws the characters of `row` in sight, each at its column: Latin runs
// as one string, any other character alone, so that a wide glyph of another
// font cannot push the rest of the line off its columns.
void LineView::drawRow(QPainter& painter, const LineGeometry& row, qreal left, qreal baseline,
                       qsizetype firstColumn, qsizetype lastColumn) const {
    const qreal cw = columnWidth();
    const char* data = row.text().data();
    const qsizetype length = row.length();
    if (plainColumns()) {
        // A grid row may hold a hundred thousand characters: draw what is in sight.
        const qsizetype from = std::clamp<qsizetype>(firstColumn, 0, length);
        const qsizetype to = std::clamp<qsizetype>(lastColumn, from, length);
        painter.drawText(QPointF(left + static_cast<qreal>(from) * cw, baseline), QString::fromLatin1(data + from, to - from));
        return;
    }
    qsizetype runStart = 0, runEnd = 0, runColumn = 0;
    auto flush = [&] {
        if (runEnd > runStart)
            painter.drawText(QPointF(left + static_cast<qreal>(runColumn) * cw, baseline),
                             QString::fromLatin1(data + runStart, runEnd - runStart));
        runStart = runEnd = 0;
    };
    row.walk([&](qsizetype offset, qsizetype bytes, qsizetype column, qsizetype width) {
        if (column > lastColumn) return false;
        if (column + width < firstColumn) return true;
        const auto c = static_cast<unsigned char>(data[offset]);
        if (c == '\t' || c >= 0x80) {
            flush();
            if (c != '\t')
                painter.drawText(QPointF(left + static_cast<qreal>(column) * cw, baseline),
                                 QString::fromUtf8(data + offset, bytes));
            return true;
        }
        if (runEnd == runStart) {
            runStart = offset;
            runColumn = column;
        }
        runEnd = offset + 1;
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
