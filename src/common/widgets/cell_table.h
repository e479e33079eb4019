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
// pasted cell into it. Keys, pastes and editors act only on shown cells, and
// the current cell is a shown one or none: hiding its row or column leaves
// it, its editor's text handed over as a click elsewhere would. An editor
// hands its text over only once its composition has given back what it took,
// and stays open across its own refusal.
class CellTable : public QTableWidget {
    Q_OBJECT
public:
    CellTable(int rows, int columns, QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void commitData(QWidget* editor) override;

private:
    bool shown(const QModelIndex& index) const;
    void leaveHiddenCurrentCell();
    bool pasteIntoCurrentCell();
};

}  // namespace korrimet
