#include "common/widgets/cell_table.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QStyledItemDelegate>

#include "common/widgets/line_box.h"
#include "platform/message_service.h"

namespace korrimet {
namespace {

class CellEditors : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const override {
        auto* box = new LineBox(parent);
        box->setFrame(false);
        box->setInsertionRule(cellBlockRefusal);
        return box;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // A box up over the editor's window while the editor held the focus is
        // the editor's own refusal: the focus comes back to it once the box is
        // closed, and the editor stays as it was.
        if (event->type() == QEvent::FocusOut) {
            const QWidget* box = QApplication::activeModalWidget();
            if (box && box->parentWidget() == static_cast<QWidget*>(watched)->window()) return false;
        }
        return QStyledItemDelegate::eventFilter(watched, event);
    }
};

}  // namespace

QString cellBlockRefusal(const QString&, int, int, const QString& inserted) {
    return holdsSeveralCells(inserted) ? kCellBlockMessage : QString();
}

CellTable::CellTable(int rows, int columns, QWidget* parent) : QTableWidget(rows, columns, parent) {
    setItemDelegate(new CellEditors(this));
    // Hiding a row or a column sizes it to nothing before it counts as hidden.
    for (QHeaderView* header : {horizontalHeader(), verticalHeader()})
        connect(header, &QHeaderView::sectionResized, this, &CellTable::leaveHiddenCurrentCell);
}

bool CellTable::shown(const QModelIndex& index) const {
    return !isIndexHidden(index) && rowHeight(index.row()) > 0 && columnWidth(index.column()) > 0;
}

void CellTable::leaveHiddenCurrentCell() {
    if (!currentIndex().isValid() || shown(currentIndex())) return;
    // Leaving the cell hands an open editor's text over and closes it.
    setCurrentIndex(QModelIndex());
    clearSelection();
}

// Every way an editor's text reaches its cell passes here (Enter, the focus
// leaving, the current cell moving on a sheet switch or in code): a
// composition still open gives back what it took first.
void CellTable::commitData(QWidget* editor) {
    if (auto* box = qobject_cast<LineBox*>(editor)) box->abandonComposition();
    QTableWidget::commitData(editor);
}

void CellTable::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste) && pasteIntoCurrentCell()) return event->accept();
    QTableWidget::keyPressEvent(event);
}

bool CellTable::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    if (index.isValid() && !shown(index)) return false;
    return QTableWidget::edit(index, trigger, event);
}

// A cell takes a paste as it takes typing: only a shown input cell, only while the table is edited.
bool CellTable::pasteIntoCurrentCell() {
    const QModelIndex at = currentIndex();
    if (editTriggers() == NoEditTriggers || !at.isValid() || !(at.flags() & Qt::ItemIsEditable) || !shown(at))
        return false;
    const QString raw = QGuiApplication::clipboard()->text();
    if (raw.isEmpty()) return true;
    const QString cell = pastedCell(raw);
    const QString why = cellBlockRefusal(at.data().toString(), 0, 0, cell);
    if (!why.isEmpty())
        ShowMessage(why, window());
    else
        model()->setData(at, cell, Qt::EditRole);
    return true;
}

}  // namespace korrimet
