#pragma once
#include <QString>
#include <QTableWidget>

namespace korrimet {

inline const QString kCellBlockMessage = QStringLiteral("粘贴的内容不止一个单元格，请只复制一个单元格！");

// The verdict on putting `inserted` into a cell: a block of several cells
// (tabs or line ends between them) is refused, however it comes in.
QString cellBlockRefusal(const QString& text, int selStart, int selLength, const QString& inserted);

// An editable table whose cells are single-line boxes: a cell's editor is a
// LineBox, and the paste keys on an editable cell with no editor open put the
// pasted cell into it. Keys, pastes and editors act only on shown cells.
class CellTable : public QTableWidget {
    Q_OBJECT
public:
    CellTable(int rows, int columns, QWidget* parent = nullptr);

    // After rows or columns were hidden: the current cell is a shown one, or none.
    void keepCurrentCellShown();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;

private:
    bool pasteIntoCurrentCell();
};

}  // namespace korrimet
