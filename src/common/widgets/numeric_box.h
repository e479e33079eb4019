#pragma once
#include <QString>

class QComboBox;
class QLineEdit;

namespace korrimet {

inline const QString kSecondPointMessage = QStringLiteral("数据输入错误,请检查输入");
inline const QString kNotNumericMessage = QStringLiteral("数据输入错误,请检查是否在数值输入状态");

// Every single-line box: a pasted or dropped text (keys, middle button, the
// context menu's 粘贴) arrives without the blanks, tabs and line ends around
// it, so a cell copied from a spreadsheet arrives as its value.
void attachLineBoxInput(QLineEdit* box);
// The same for the box of an editable list.
void attachLineBoxInput(QComboBox* list);

// Lets through only the characters of an unsigned or leading-minus decimal
// number; typed, committed by an input method, pasted (keys, middle button,
// the context menu's 粘贴) and dropped text alike, a pasted or dropped text
// without the blanks and line breaks around it.
// Editing and navigation keys pass without a word.
void attachNumericKeyFilter(QLineEdit* box);
// Selects the whole text when the user clicks or tabs into the box.
void attachSelectAllOnFocus(QLineEdit* box);
inline void attachNumericBox(QLineEdit* box) {
    attachNumericKeyFilter(box);
    attachSelectAllOnFocus(box);
}

// The filter's verdict on inserting `typed` into `text` in place of the
// selection [selStart, selStart + selLength): an empty string when it
// passes, the refusal message otherwise.
QString numericInsertRefusal(const QString& text, int selStart, int selLength, const QString& typed);

}  // namespace korrimet
