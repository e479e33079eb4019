#include "common/widgets/cell_table.h"

#include <QClipboard>
#include <QGuiApplication>
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
        // The cell takes the editor's text as the focus leaves, before the
        // editor itself sees it go: a composition ends first.
        if (event->type() == QEvent::FocusOut)
            if (auto* box = qobject_cast<LineBox*>(watched)) box->abandonComposition();
        return QStyledItemDelegate::eventFilter(watched, event);
    }
};

}  // namespace

QString cellBlockRefusal(const QString&, int, int, const QString& inserted) {
    return holdsSeveralCells(inserted) ? kCellBlockMessage : QString();
}

CellTable::CellTable(int rows, int columns, QWidget* parent) : QTableWidget(rows, columns, parent) {
    setItemDelegate(new CellEditors(this));
}

void CellTable::keepCurrentCellShown() {
    if (!currentIndex().isValid() || !isIndexHidden(currentIndex())) return;
    // Leaving the cell hands an open editor's text over and closes it.
    setCurrentIndex(QModelIndex());
    clearSelection();
}

void CellTable::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste) && pasteIntoCurrentCell()) return event->accept();
    QTableWidget::keyPressEvent(event);
}

bool CellTable::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    if (index.isValid() && isIndexHidden(index)) return false;
    return QTableWidget::edit(index, trigger, event);
}

// A cell takes a paste as it takes typing: only a shown input cell, only while the table is edited.
bool CellTable::pasteIntoCurrentCell() {
    const QModelIndex at = currentIndex();
    if (editTriggers() == NoEditTriggers || !at.isValid() || !(at.flags() & Qt::ItemIsEditable) ||
        isIndexHidden(at))
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
