#include "common/widgets/line_view.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

namespace korrimet {

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
    placed_ = dragging_ = dragged_ = byWords_ = false;
    endClick();
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

void LineView::selectAll() {
    if (lineCount() > 0) select({0, 0}, layout().end());
}

int LineView::lineHeight() const { return fontMetrics().height() + 2; }

qreal LineView::columnWidth() const {
    return QFontMetricsF(font()).horizontalAdvance(QString(64, QLatin1Char('0'))) / 64;
}

int LineView::visibleLines() const { return std::max(1, viewport()->height() / lineHeight()); }

int LineView::firstVisibleLine() const { return verticalScrollBar()->value(); }

QPoint LineView::scrolled() const { return {horizontalScrollBar()->value(), verticalScrollBar()->value()}; }

LineView::Position LineView::positionAt(QPointF point, Pick pick) const {
    const QPoint scroll = scrolled();
    const int row = scroll.y() + static_cast<int>(std::floor(point.y() / lineHeight()));
    if (row < 0) return {0, 0};
    if (row >= lineCount()) return {lineCount(), 0};
    const qreal column = (point.x() - kMargin + scroll.x()) / columnWidth();
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

void LineView::placeCursor(Position to, bool extend, bool keepColumn) {
    cursor_ = layout().clamped(to);
    if (!extend) anchor_ = cursor_;
    placed_ = true;
    if (!keepColumn) goalColumn_ = -1;
    viewport()->update();
}

void LineView::moveCursor(Position to, bool extend, bool keepColumn) {
    placeCursor(to, extend, keepColumn);
    ensureCursorVisible();
}

// `rows` below the cursor (above when negative), in the column ↑/↓ keep.
LineView::Position LineView::lineBelow(int rows) const {
    const int last = lineCount() - 1;
    if (rows > 0 && cursor_.line >= last) return layout().end();
    if (rows < 0 && cursor_.line == 0) return {0, 0};
    const int row = std::clamp(cursor_.line + rows, 0, std::max(last, 0));
    return {row, geometry(row).gapAt(static_cast<qreal>(goalColumn_))};
}

void LineView::keyPressEvent(QKeyEvent* event) {
    endClick();
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
        case K::MoveToEndOfDocument: to = text.end(); break;
        default: break;
    }
    moveCursor(to, extend, vertical);
}

void LineView::endClick() {
    click_.reset();
    gesture_.end();
}

void LineView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        endClick();
        return QAbstractScrollArea::mousePressEvent(event);
    }
    setFocus(Qt::MouseFocusReason);
    if (gesture_.press(*event) && click_ && click_->count == 2) {
        // The third click of a triple-click takes the line, with its end.
        click_->count = 3;
        const int row = click_->character.line;
        if (row < lineCount()) select({row, 0}, {row + 1, 0});
        return;
    }
    click_ = pressAt(event->position());
    // The cursor comes into sight at the release, not here: a press moves no
    // text from under the pointer.
    placeCursor(click_->gap, (event->modifiers() & Qt::ShiftModifier) && placed_);
    startDrag(event->position(), false);
}

// Comes in place of the second press; its first may have gone to another widget.
void LineView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QAbstractScrollArea::mouseDoubleClickEvent(event);
    if (!gesture_.press(*event) || !click_) click_ = pressAt(event->position());
    click_->count = 2;
    const Position at = click_->character;
    if (at.line >= lineCount()) return;
    const LineSpan word = geometry(at.line).wordAt(at.offset);
    dragWord_ = {{at.line, word.from}, {at.line, word.to}};
    select(dragWord_.first, dragWord_.second);
    startDrag(event->position(), true);
}

void LineView::startDrag(QPointF point, bool byWords) {
    dragging_ = true;
    dragged_ = false;
    byWords_ = byWords;
    pressPoint_ = dragPoint_ = point;
}

void LineView::dragTo(QPointF point) {
    if (!byWords_) return placeCursor(positionAt(point), true);
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
    placeCursor(cursor_, true);
}

void LineView::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_ || !(event->buttons() & Qt::LeftButton)) return QAbstractScrollArea::mouseMoveEvent(event);
    dragPoint_ = event->position();
    // A hand that clicks moves a pixel or two: that selects nothing.
    if (!dragged_ && (dragPoint_ - pressPoint_).manhattanLength() < QApplication::startDragDistance()) return;
    dragged_ = true;
    dragTo(dragPoint_);
    // Held beyond the edge, the drag goes on scrolling the text.
    if (viewport()->rect().contains(dragPoint_.toPoint())) autoScroll_.stop();
    else if (!autoScroll_.isActive()) autoScroll_.start(50, this);
}

void LineView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QAbstractScrollArea::mouseReleaseEvent(event);
    // A click brings the cursor it placed into sight.
    if (dragging_ && !dragged_ && !byWords_) ensureCursorVisible();
    dragging_ = dragged_ = false;
    autoScroll_.stop();
}

// Towards the pointer beyond the view's edge, the farther it is the faster.
void LineView::scrollTowardsDrag() {
    const QPoint before = scrolled();
    const qreal x = dragPoint_.x(), y = dragPoint_.y();
    const qreal width = viewport()->width(), height = viewport()->height();
    const int line = lineHeight();
    int rows = 0;
    if (y < 0) rows = -1 - static_cast<int>(-y / line);
    else if (y >= height) rows = 1 + static_cast<int>((y - height) / line);
    qreal pixels = 0;
    if (x < 0) pixels = x - columnWidth();
    else if (x >= width) pixels = x - width + columnWidth();
    verticalScrollBar()->setValue(before.y() + rows);
    horizontalScrollBar()->setValue(before.x() + static_cast<int>(std::lround(pixels)));
    dragTo(dragPoint_);
}

void LineView::timerEvent(QTimerEvent* event) {
    if (event->timerId() != autoScroll_.timerId()) return QAbstractScrollArea::timerEvent(event);
    if (dragging_ && QApplication::mouseButtons() & Qt::LeftButton) scrollTowardsDrag();
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
    endClick();
    viewport()->update();
}

void LineView::changeEvent(QEvent* event) {
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) updateScrollBars();
}

}  // namespace korrimet
