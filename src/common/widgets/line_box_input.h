#pragma once
#include <QString>
#include <functional>

class QAbstractItemView;
class QComboBox;
class QLineEdit;

namespace korrimet {

inline const QString kCellBlockMessage = QStringLiteral("粘贴的内容不止一个单元格，请只复制一个单元格！");

// Every single-line box: a pasted or dropped text (keys, middle button, the
// context menu's 粘贴) arrives without the blanks, tabs and line ends around
// it, so a cell copied from a spreadsheet arrives as its value. One Ctrl+Z
// takes back one paste, drop or input-method commit. A composition given up,
// or left when the focus leaves, gives back what it took from the box.
void attachLineBoxInput(QLineEdit* box);
// The same for the box of an editable list.
void attachLineBoxInput(QComboBox* list);

// A box's verdict on putting `inserted` into `text` in place of the selection
// [selStart, selStart + selLength): an empty string when it passes, the
// refusal message otherwise.
using InsertionRule =
    std::function<QString(const QString& text, int selStart, int selLength, const QString& inserted)>;
// Judges every character typed into `box` (editing and navigation keys
// aside), committed by an input method, pasted or dropped by `rule`; a
// refused one changes nothing and shows its message.
void setInsertionRule(QLineEdit* box, InsertionRule rule);

// What a paste or a drop puts into a single-line box. Line ends or tabs
// inside stay, for the reading to refuse: a row or a column of cells is no
// single value.
inline QString pastedCell(const QString& text) { return text.trimmed(); }

// The cells of an editable table: a cell's editor is a single-line box as
// above, and the paste keys on an editable cell with no editor open put the
// pasted cell into it. A block of several cells is refused with a message.
void attachCellInput(QAbstractItemView* table);

}  // namespace korrimet
