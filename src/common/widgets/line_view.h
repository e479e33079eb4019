#pragma once
#include <QAbstractScrollArea>
#include <vector>

#include "common/widgets/line_index.h"

namespace korrimet {

// A read-only view of many lines, held once as their bytes: only the lines
// in sight are drawn, and scrolling, keys and selection cost the same for
// ten lines or ten million. Whole lines are selected with the mouse or keys
// and copied as text (Ctrl+C or the context menu), each with a line feed.
class LineView : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit LineView(QWidget* parent = nullptr);

    void setLines(LineIndex lines);
    const LineIndex& lines() const { return lines_; }

    int lineCount() const { return static_cast<int>(lines_.starts.size()); }
    QString line(int index) const;
    // Every line, each line end as a line feed; a last line without its
    // end stays without it.
    QString text() const;

    // The selected lines, first to last; the current line is one end.
    int selectionFirst() const { return std::min(anchor_, current_); }
    int selectionLast() const { return std::max(anchor_, current_); }
    int currentLine() const { return current_; }
    void selectLines(int anchor, int current);
    void selectAll();
    void copySelection() const;
    int firstVisibleLine() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    std::pair<qsizetype, qsizetype> span(int row) const;
    int lineHeight() const;
    qreal columnWidth() const;
    int visibleLines() const;
    int lineAt(int y) const;
    void moveCurrent(int to, bool extend);
    void updateScrollBars();

    LineIndex lines_;
    int anchor_ = -1, current_ = -1;  // -1: nothing selected
};

}  // namespace korrimet
