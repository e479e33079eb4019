#include "common/widgets/line_view.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFutureWatcher>
#include <QKeyEvent>
#include <QPainter>
#include <QPromise>
#include <QScrollBar>
#include <QStringDecoder>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>
#include <cmath>
#include <cstring>

#include "common/widgets/run_pool.h"

namespace korrimet {
namespace {

constexpr int kMargin = 3;
// Up to this many bytes a selection is copied at once; more on a worker.
constexpr qsizetype kCopyAtOnce = 1 << 20;

bool continues(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// Calls f(offset, bytes, column, columns) for each character of a line, tabs
// taken to their stops, until f says false; returns the column it stopped at.
template <class F>
qsizetype walk(const char* data, qsizetype length, int tabColumns, F&& f) {
    qsizetype column = 0;
    for (qsizetype i = 0; i < length;) {
        const auto c = static_cast<unsigned char>(data[i]);
        qsizetype next = i + 1;
        while (next < length && continues(data[next])) ++next;
        const qsizetype width = c == '\t' ? nextTab(column, tabColumns) - column : columnsOf(c);
        if (!f(i, next - i, column, width)) return column;
        column += width;
        i = next;
    }
    return column;
}

char32_t codePoint(const char* p, qsizetype bytes) {
    const auto lead = static_cast<unsigned char>(p[0]);
    if (lead < 0x80) return lead;
    if (bytes < 2 || bytes > 4 || lead < 0xC0) return 0xFFFD;
    char32_t c = lead & (0x7F >> bytes);
    for (qsizetype i = 1; i < bytes; ++i) c = (c << 6) | (static_cast<unsigned char>(p[i]) & 0x3F);
    return c;
}

// A number such as -3.5e-05 is one word; ';', '=', tabs and spaces part words.
bool isWordCharacter(char32_t c) {
    return QChar::isLetterOrNumber(c) || c == '.' || c == '-' || c == '+' || c == '_';
}

// Bytes from..to as text, each line end as a line feed, and one more line
// feed with `feed`; empty once `stop` says so.
template <class Stop>
QString joinedText(const QByteArray& bytes, qsizetype from, qsizetype to, bool feed, Stop stop) {
    QString text(to - from + 1, Qt::Uninitialized);
    QChar* out = text.data();
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    const char* data = bytes.constData();
    constexpr qsizetype kSlice = 1 << 20;
    for (qsizetype at = from; at < to;) {
        if (stop()) return {};
        const qsizetype sliceEnd = std::min(to, at + kSlice);
        while (at < sliceEnd) {
            const auto* cr = static_cast<const char*>(std::memchr(data + at, '\r', sliceEnd - at));
            const qsizetype runEnd = cr ? cr - data : sliceEnd;
            out = utf8.appendToBuffer(out, QByteArrayView(data + at, runEnd - at));
            at = runEnd;
            if (!cr) break;
            *out++ = u'\n';
            if (++at < to && data[at] == '\n') ++at;
        }
    }
    if (feed) *out++ = u'\n';
    text.truncate(out - text.constData());
    return text;
}

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

// A copy being built is dropped; holding its own share of the bytes, it may end after the view.
LineView::~LineView() {
    if (copy_) copy_->cancel();
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

std::pair<qsizetype, qsizetype> LineView::span(int row) const {
    if (row >= lineCount()) return {lines_.bytes.size(), 0};
    const auto r = static_cast<std::size_t>(row);
    const qsizetype start = lines_.starts[r];
    qsizetype end = r + 1 < lines_.starts.size() ? lines_.starts[r + 1] : lines_.bytes.size();
    const char* data = lines_.bytes.constData();
    if (end > start && data[end - 1] == '\n') --end;
    if (end > start && data[end - 1] == '\r') --end;
    return {start, end - start};
}

qsizetype LineView::lengthOf(int row) const { return span(row).second; }

QString LineView::line(int index) const {
    if (index < 0 || index >= lineCount()) return {};
    const auto [start, length] = span(index);
    return QString::fromUtf8(lines_.bytes.constData() + start, length);
}

QString LineView::text() const {
    return joinedText(lines_.bytes, 0, lines_.bytes.size(), false, [] { return false; });
}

qsizetype LineView::columnOf(Position at) const {
    if (at.line >= lineCount()) return 0;
    ++laidOut_;
    if (plainColumns()) return at.offset;
    const auto [start, length] = span(at.line);
    return walk(lines_.bytes.constData() + start, length, lines_.tabColumns,
                [&](qsizetype offset, qsizetype, qsizetype, qsizetype) { return offset < at.offset; });
}

// The place nearest to `column` (counted in character columns) on `row`.
qsizetype LineView::offsetAt(int row, qreal column) const {
    if (row >= lineCount()) return 0;
    ++laidOut_;
    const auto [start, length] = span(row);
    if (plainColumns()) return std::clamp<qsizetype>(std::llround(std::max<qreal>(column, 0)), 0, length);
    qsizetype found = length;
    walk(lines_.bytes.constData() + start, length, lines_.tabColumns,
         [&](qsizetype offset, qsizetype, qsizetype from, qsizetype width) {
             if (column >= from + width / 2.0) return true;
             found = offset;
             return false;
         });
    return found;
}

LineView::Position LineView::clamped(Position at) const {
    at.line = std::clamp(at.line, 0, lineCount());
    if (at.line == lineCount()) return {at.line, 0};
    const auto [start, length] = span(at.line);
    at.offset = std::clamp<qsizetype>(at.offset, 0, length);
    while (at.offset > 0 && at.offset < length && continues(lines_.bytes[start + at.offset])) --at.offset;
    return at;
}

LineView::Position LineView::nextCharacter(Position from) const {
    const auto [start, length] = span(from.line);
    if (from.offset >= length) return from.line < lineCount() ? Position{from.line + 1, 0} : from;
    qsizetype next = from.offset + 1;
    while (next < length && continues(lines_.bytes[start + next])) ++next;
    return {from.line, next};
}

LineView::Position LineView::previousCharacter(Position from) const {
    if (from.offset == 0) return from.line > 0 ? Position{from.line - 1, lengthOf(from.line - 1)} : from;
    const qsizetype start = span(from.line).first;
    qsizetype previous = from.offset - 1;
    while (previous > 0 && continues(lines_.bytes[start + previous])) --previous;
    return {from.line, previous};
}

// The word at `at`, or the one character there when it is no word's.
std::pair<qsizetype, qsizetype> LineView::wordAt(Position at) const {
    ++laidOut_;
    const auto [start, length] = span(at.line);
    if (length == 0) return {0, 0};
    const char* data = lines_.bytes.constData() + start;
    Position from{at.line, std::min(at.offset, length)};
    if (from.offset == length) from = previousCharacter(from);
    const Position after = nextCharacter(from);
    if (!isWordCharacter(codePoint(data + from.offset, after.offset - from.offset))) return {from.offset, after.offset};
    auto wordBefore = [&](Position p) {
        if (p.offset == 0) return false;
        const Position q = previousCharacter(p);
        return isWordCharacter(codePoint(data + q.offset, p.offset - q.offset));
    };
    auto wordAfter = [&](Position p) {
        if (p.offset >= length) return false;
        const Position q = nextCharacter(p);
        return isWordCharacter(codePoint(data + p.offset, q.offset - p.offset));
    };
    Position first = from, last = after;
    while (wordBefore(first)) first = previousCharacter(first);
    while (wordAfter(last)) last = nextCharacter(last);
    return {first.offset, last.offset};
}

LineView::Position LineView::nextWord(Position from) const {
    const auto [start, length] = span(from.line);
    if (from.offset >= length) return nextCharacter(from);
    ++laidOut_;
    const char* data = lines_.bytes.constData() + start;
    auto isWord = [&](Position p) {
        const Position q = nextCharacter(p);
        return isWordCharacter(codePoint(data + p.offset, q.offset - p.offset));
    };
    while (from.offset < length && !isWord(from)) from = nextCharacter(from);
    while (from.offset < length && isWord(from)) from = nextCharacter(from);
    return from;
}

LineView::Position LineView::previousWord(Position from) const {
    if (from.offset == 0 || from.line >= lineCount()) return previousCharacter(from);
    ++laidOut_;
    const char* data = lines_.bytes.constData() + span(from.line).first;
    auto isWordBefore = [&](Position p) {
        const Position q = previousCharacter(p);
        return isWordCharacter(codePoint(data + q.offset, p.offset - q.offset));
    };
    while (from.offset > 0 && !isWordBefore(from)) from = previousCharacter(from);
    while (from.offset > 0 && isWordBefore(from)) from = previousCharacter(from);
    return from;
}

void LineView::select(Position anchor, Position cursor) {
    anchor_ = clamped(anchor);
    cursor_ = clamped(cursor);
    placed_ = true;
    goalColumn_ = -1;
    viewport()->update();
}

LineView::Bytes LineView::selectedBytes() const {
    const Position first = selectionStart(), last = selectionEnd();
    const qsizetype size = lines_.bytes.size();
    const qsizetype from = first.line < lineCount() ? lines_.starts[first.line] + first.offset : size;
    const qsizetype to = last.line < lineCount() ? lines_.starts[last.line] + last.offset : size;
    // Every line is copied with its end, the last one too.
    const bool feed = hasSelection() && last.line == lineCount() && !endsLine(lines_.bytes.back());
    return {from, to, feed};
}

QString LineView::selectedText() const {
    const Bytes selected = selectedBytes();
    return joinedText(lines_.bytes, selected.from, selected.to, selected.feed, [] { return false; });
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

void LineView::copySelection() {
    if (!hasSelection()) return;
    dropPendingCopy();
    const auto [from, to, feed] = selectedBytes();
    if (to - from <= kCopyAtOnce) {
        QGuiApplication::clipboard()->setText(selectedText());
        return;
    }
    copy_ = new QFutureWatcher<QString>(this);
    connect(copy_, &QFutureWatcherBase::finished, this, [this] {
        const QFuture<QString> done = copy_->future();
        copy_->deleteLater();
        copy_ = nullptr;
        if (done.resultCount() > 0) QGuiApplication::clipboard()->setText(done.result());
    });
    // The worker holds its own share of the bytes: other lines may be shown meanwhile.
    copy_->setFuture(QtConcurrent::run(
        &RunPool(),
        [](QPromise<QString>& promise, const QByteArray& bytes, qsizetype from, qsizetype to, bool feed) {
            QString text = joinedText(bytes, from, to, feed, [&] { return promise.isCanceled(); });
            if (!promise.isCanceled()) promise.addResult(std::move(text));
        },
        lines_.bytes, from, to, feed));
}

void LineView::dropPendingCopy() {
    if (!copy_) return;
    copy_->disconnect(this);
    copy_->cancel();
    copy_->deleteLater();
    copy_ = nullptr;
}

int LineView::lineHeight() const { return fontMetrics().height() + 2; }

qreal LineView::columnWidth() const {
    return QFontMetricsF(font()).horizontalAdvance(QString(64, QLatin1Char('0'))) / 64;
}

int LineView::visibleLines() const { return std::max(1, viewport()->height() / lineHeight()); }

int LineView::firstVisibleLine() const { return verticalScrollBar()->value(); }

LineView::Position LineView::positionAt(QPointF point) const {
    const int row = firstVisibleLine() + static_cast<int>(std::floor(point.y() / lineHeight()));
    if (row < 0) return {0, 0};
    if (row >= lineCount()) return {lineCount(), 0};
    const qreal column = (point.x() - kMargin + horizontalScrollBar()->value()) / columnWidth();
    return {row, offsetAt(row, column)};
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
    cursor_ = clamped(to);
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
    return {row, offsetAt(row, static_cast<qreal>(goalColumn_))};
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
    if (!placed_) anchor_ = cursor_ = clamped({firstVisibleLine(), 0});
    if (!extend && hasSelection() && (key->move == K::MoveToNextChar || key->move == K::MoveToPreviousChar))
        return moveCursor(key->move == K::MoveToNextChar ? selectionEnd() : selectionStart(), false);

    const bool vertical = key->move == K::MoveToNextLine || key->move == K::MoveToPreviousLine ||
                          key->move == K::MoveToNextPage || key->move == K::MoveToPreviousPage;
    if (vertical && goalColumn_ < 0) goalColumn_ = columnOf(cursor_);
    const int page = visibleLines();
    Position to = cursor_;
    switch (key->move) {
        case K::MoveToNextChar: to = nextCharacter(cursor_); break;
        case K::MoveToPreviousChar: to = previousCharacter(cursor_); break;
        case K::MoveToNextWord: to = nextWord(cursor_); break;
        case K::MoveToPreviousWord: to = previousWord(cursor_); break;
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
        case K::MoveToEndOfLine: to.offset = lengthOf(cursor_.line); break;
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
    // A third click on the double-clicked place takes its whole line.
    if (sinceDoubleClick_.isValid() && sinceDoubleClick_.elapsed() < QApplication::doubleClickInterval() &&
        (point - doubleClickPoint_).manhattanLength() < QApplication::startDragDistance()) {
        sinceDoubleClick_.invalidate();
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
    const Position at = positionAt(point);
    if (at.line >= lineCount()) return;
    const auto [first, last] = wordAt(at);
    dragWord_ = {{at.line, first}, {at.line, last}};
    select(dragWord_.first, dragWord_.second);
    dragging_ = byWords_ = true;
    dragPoint_ = doubleClickPoint_ = point;
    sinceDoubleClick_.start();
}

void LineView::dragTo(QPointF point) {
    const Position at = positionAt(point);
    if (!byWords_) return moveCursor(at, true);
    // By words: the double-clicked word stays selected, whole words are added.
    if (at < dragWord_.first) {
        anchor_ = dragWord_.second;
        cursor_ = at.line < lineCount() ? Position{at.line, wordAt(at).first} : at;
    } else {
        anchor_ = dragWord_.first;
        cursor_ = at.line < lineCount() ? Position{at.line, std::max(wordAt(at).second, at.offset)} : at;
        if (cursor_ < dragWord_.second) cursor_ = dragWord_.second;
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
void LineView::drawRow(QPainter& painter, int row, qreal left, qreal baseline, qsizetype firstColumn,
                       qsizetype lastColumn) const {
    ++laidOut_;
    const qreal cw = columnWidth();
    const auto [start, length] = span(row);
    const char* data = lines_.bytes.constData() + start;
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
    walk(data, length, lines_.tabColumns, [&](qsizetype offset, qsizetype bytes, qsizetype column, qsizetype width) {
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
        const QRect rect(0, (row - first) * lh, width, lh);
        const qreal baseline = rect.top() + (lh - fm.height()) / 2 + fm.ascent();
        if (!hasSelection() || row < from.line || row > to.line || (row == to.line && to.offset == 0)) {
            painter.setPen(text);
            drawRow(painter, row, left, baseline, firstColumn, lastColumn);
            continue;
        }
        // The selected characters, and the line end when it is selected too.
        const qsizetype a = row == from.line ? columnOf(from) : 0;
        const qsizetype b = row == to.line ? columnOf(to) : columnOf({row, lengthOf(row)}) + 1;
        const int x0 = static_cast<int>(std::lround(left + static_cast<qreal>(a) * cw));
        const int x1 = static_cast<int>(std::lround(left + static_cast<qreal>(b) * cw));
        const QRect selected(x0, rect.top(), x1 - x0, lh);
        painter.fillRect(selected, palette().highlight());
        painter.setClipRegion(QRegion(rect).subtracted(selected));
        painter.setPen(text);
        drawRow(painter, row, left, baseline, firstColumn, lastColumn);
        painter.setClipRect(selected);
        painter.setPen(selectedText);
        drawRow(painter, row, left, baseline, firstColumn, lastColumn);
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
