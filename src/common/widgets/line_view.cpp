#include "common/widgets/line_view.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
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
    lines_ = std::move(lines);
    anchor_ = current_ = -1;
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    updateScrollBars();
    viewport()->update();
}

std::pair<qsizetype, qsizetype> LineView::span(int row) const {
    const auto r = static_cast<std::size_t>(row);
    const qsizetype start = lines_.starts[r];
    qsizetype end = r + 1 < lines_.starts.size() ? lines_.starts[r + 1] : lines_.bytes.size();
    const char* data = lines_.bytes.constData();
    if (end > start && data[end - 1] == '\n') --end;
    if (end > start && data[end - 1] == '\r') --end;
    return {start, end - start};
}

QString LineView::line(int index) const {
    if (index < 0 || index >= lineCount()) return {};
    const auto [start, length] = span(index);
    return QString::fromUtf8(lines_.bytes.constData() + start, length);
}

QString LineView::text() const {
    QString all;
    const int count = lineCount();
    const QByteArray& bytes = lines_.bytes;
    const bool closed = !bytes.isEmpty() && endsLine(bytes.back());
    for (int i = 0; i < count; ++i) {
        all += line(i);
        if (i + 1 < count || closed) all += QLatin1Char('\n');
    }
    return all;
}

void LineView::selectLines(int anchor, int current) {
    const int last = lineCount() - 1;
    if (last < 0) return;
    anchor_ = std::clamp(anchor, 0, last);
    current_ = std::clamp(current, 0, last);
    viewport()->update();
}

void LineView::selectAll() {
    if (lineCount() > 0) selectLines(0, lineCount() - 1);
}

void LineView::copySelection() const {
    if (current_ < 0) return;
    QString text;
    for (int row = selectionFirst(); row <= selectionLast(); ++row) text += line(row) + QLatin1Char('\n');
    QGuiApplication::clipboard()->setText(text);
}

int LineView::lineHeight() const { return fontMetrics().height() + 2; }

qreal LineView::columnWidth() const {
    return QFontMetricsF(font()).horizontalAdvance(QString(64, QLatin1Char('0'))) / 64;
}

int LineView::visibleLines() const { return std::max(1, viewport()->height() / lineHeight()); }

int LineView::firstVisibleLine() const { return verticalScrollBar()->value(); }

int LineView::lineAt(int y) const {
    return std::clamp(firstVisibleLine() + y / lineHeight(), 0, std::max(lineCount() - 1, 0));
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

void LineView::moveCurrent(int to, bool extend) {
    if (lineCount() == 0) return;
    to = std::clamp(to, 0, lineCount() - 1);
    selectLines(extend && anchor_ >= 0 ? anchor_ : to, to);
    QScrollBar* bar = verticalScrollBar();
    if (to < bar->value()) bar->setValue(to);
    else if (to >= bar->value() + visibleLines()) bar->setValue(to - visibleLines() + 1);
}

void LineView::keyPressEvent(QKeyEvent* event) {
    if (event == QKeySequence::Copy) return copySelection();
    if (event == QKeySequence::SelectAll) return selectAll();
    const bool extend = event->modifiers() & Qt::ShiftModifier;
    const int at = std::max(current_, 0), page = visibleLines();
    switch (event->key()) {
        case Qt::Key_Up: return moveCurrent(current_ < 0 ? firstVisibleLine() : at - 1, extend);
        case Qt::Key_Down: return moveCurrent(current_ < 0 ? firstVisibleLine() : at + 1, extend);
        case Qt::Key_PageUp: return moveCurrent(at - page, extend);
        case Qt::Key_PageDown: return moveCurrent(current_ < 0 ? firstVisibleLine() + page - 1 : at + page, extend);
        case Qt::Key_Home: return moveCurrent(0, extend);
        case Qt::Key_End: return moveCurrent(lineCount() - 1, extend);
        case Qt::Key_Left:
            horizontalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
            return;
        case Qt::Key_Right:
            horizontalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
            return;
        default: QAbstractScrollArea::keyPressEvent(event);
    }
}

void LineView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || lineCount() == 0) return QAbstractScrollArea::mousePressEvent(event);
    const int row = lineAt(event->position().toPoint().y());
    if (event->modifiers() & Qt::ShiftModifier && anchor_ >= 0) selectLines(anchor_, row);
    else selectLines(row, row);
}

void LineView::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton) || anchor_ < 0) return QAbstractScrollArea::mouseMoveEvent(event);
    moveCurrent(lineAt(event->position().toPoint().y()), true);
}

void LineView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void LineView::changeEvent(QEvent* event) {
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) updateScrollBars();
}

void LineView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    painter.setFont(font());
    const QFontMetricsF fm(font());
    const qreal cw = columnWidth();
    const int lh = lineHeight(), first = firstVisibleLine();
    const int last = std::min(lineCount() - 1, first + viewport()->height() / lh + 1);
    const qreal left = kMargin - horizontalScrollBar()->value();
    const qreal width = viewport()->width();
    const char* data = lines_.bytes.constData();
    for (int row = first; row <= last; ++row) {
        const QRect rect(0, (row - first) * lh, viewport()->width(), lh);
        const bool selected = current_ >= 0 && row >= selectionFirst() && row <= selectionLast();
        if (selected) painter.fillRect(rect, palette().highlight());
        painter.setPen(selected ? palette().highlightedText().color() : palette().text().color());
        const qreal baseline = rect.top() + (lh - fm.height()) / 2 + fm.ascent();
        const auto [start, length] = span(row);
        if (lines_.ascii && lines_.tabColumns == 0) {
            // A grid row may hold a hundred thousand characters: draw what is in sight.
            const qsizetype from = std::clamp<qsizetype>(static_cast<qsizetype>(-left / cw) - 1, 0, length);
            const qsizetype to =
                std::clamp<qsizetype>(static_cast<qsizetype>(std::ceil((width - left) / cw)) + 1, from, length);
            painter.drawText(QPointF(left + from * cw, baseline), QString::fromLatin1(data + start + from, to - from));
            continue;
        }
        // Field by field, each at its column.
        qsizetype column = 0, fieldStart = start;
        const qsizetype end = start + length;
        for (qsizetype i = start; i <= end; ++i) {
            if (i < end && data[i] != '\t') continue;
            if (i > fieldStart) {
                const QString field = QString::fromUtf8(data + fieldStart, i - fieldStart);
                const qreal x = left + column * cw;
                if (x < width) painter.drawText(QPointF(x, baseline), field);
                for (qsizetype k = fieldStart; k < i; ++k) column += columnsOf(static_cast<unsigned char>(data[k]));
            }
            if (i < end) column = nextTab(column, lines_.tabColumns);
            fieldStart = i + 1;
        }
    }
}

}  // namespace korrimet
