#pragma once
#include <QAbstractScrollArea>
#include <QBasicTimer>
#include <memory>
#include <optional>
#include <utility>

#include "common/line_geometry.h"
#include "common/widgets/click_gesture.h"
#include "common/widgets/line_index.h"

template <class T>
class QFutureWatcher;

namespace korrimet {

struct GlyphCache;

inline const QString kCopyOutOfMemoryMessage = QStringLiteral("内存不足，所选内容没有复制。请少选一些再复制。");

// A read-only view of many lines, held once as their bytes: only the lines
// in sight are laid out, and scrolling, keys and selection cost the same for
// ten lines or ten million. Text is selected from character to character with
// the mouse (a word on a double-click, a line on a triple-click) or the keys
// of any text view, and copied (Ctrl+C or the context menu) with every line
// end as a line feed. A copy of a large selection is made off the window's
// thread and reaches the clipboard when it is ready.
class LineView : public QAbstractScrollArea {
    Q_OBJECT
public:
    using Position = LinePosition;

    explicit LineView(QWidget* parent = nullptr);
    ~LineView() override;

    void setLines(LineIndex lines);
    const LineIndex& lines() const { return lines_; }

    int lineCount() const { return static_cast<int>(lines_.starts.size()); }
    QString line(int index) const;
    // Every line, each line end as a line feed; a last line without its
    // end stays without it.
    QString text() const;

    Position cursorPosition() const { return cursor_; }
    Position selectionStart() const { return std::min(anchor_, cursor_); }
    Position selectionEnd() const { return std::max(anchor_, cursor_); }
    bool hasSelection() const { return anchor_ != cursor_; }
    // Selects from `anchor` to `cursor`, each kept within the text.
    void select(Position anchor, Position cursor);
    // The selected bytes as copied: each line end as a line feed.
    QString selectedText() const;

    // The lines the selection touches, first to last (-1 before the user
    // placed the cursor); a selection ending at a line's start leaves that
    // line out.
    int selectionFirst() const;
    int selectionLast() const;
    void selectAll();
    // Puts the selection on the clipboard; a large one when a worker has
    // built its text. A newer copy or other lines drop a copy being built.
    void copySelection();
    bool copying() const { return copy_ != nullptr; }
    int firstVisibleLine() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    static constexpr int kMargin = 3;  // left of the first column
    std::pair<qsizetype, qsizetype> selectedBytes() const;
    TextGeometry layout() const;
    LineGeometry geometry(int row) const { return layout().line(row); }
    bool plainColumns() const { return lines_.ascii && lines_.tabColumns == 0; }
    qsizetype columnOf(Position at) const { return geometry(at.line).columnOf(at.offset); }
    // Under the pointer: the gap nearest to it, where a click puts the
    // cursor, or the character it is on, whose word a double-click takes.
    enum class Pick { Gap, Character };
    Position positionAt(QPointF point, Pick pick = Pick::Gap) const;
    // The scroll bars' values: pixels across, rows down.
    QPoint scrolled() const;

    int lineHeight() const;
    qreal columnWidth() const;
    int visibleLines() const;
    // Moves the cursor, and with it the text to keep it in sight.
    void moveCursor(Position to, bool extend, bool keepColumn = false);
    // Moves the cursor where it is, in sight or not.
    void placeCursor(Position to, bool extend, bool keepColumn = false);
    Position lineBelow(int rows) const;
    void ensureCursorVisible();
    void startDrag(QPointF point, bool byWords);
    void dragTo(QPointF point);
    void scrollTowardsDrag();
    void dropPendingCopy();
    void updateScrollBars();

    LineIndex lines_;
    Position anchor_, cursor_;
    bool placed_ = false;     // the user has placed the cursor
    qsizetype goalColumn_ = -1;  // the column ↑/↓ keep; -1: the cursor's own
    // A drag: by characters, or by words from the double-clicked word. It
    // starts once the pointer has gone the start-drag distance from the press.
    // Its anchor is where the gesture's first press was; its moving end is
    // under the pointer on the text as scrolled now, whatever scrolled it.
    bool dragging_ = false;  // the button is held since a press here
    bool dragged_ = false;   // and the pointer went far enough
    std::pair<Position, Position> dragWord_;
    bool byWords_ = false;
    QPointF pressPoint_, dragPoint_;

    QBasicTimer autoScroll_;
    // The presses of a click, double-click or triple-click: each acts on what
    // was under the first, whatever that one scrolled. A click elsewhere or a
    // key in between ends it.
    struct Click {
        Position gap, character;  // under the first press
        int count = 1;            // 2 once a double-click, 3 a triple-click
    };
    Click pressAt(QPointF point) const { return {positionAt(point), positionAt(point, Pick::Character)}; }
    void endClick();
    ClickGesture gesture_;
    std::optional<Click> click_;
    QFutureWatcher<std::optional<QString>>* copy_ = nullptr;
    // The glyphs painted, kept from paint to paint in the font and resolution they were found for.
    std::shared_ptr<GlyphCache> glyphs_;
};

}  // namespace korrimet
