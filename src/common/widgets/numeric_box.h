#pragma once
#include <QString>

namespace korrimet {

class LineBox;

inline const QString kSecondPointMessage = QStringLiteral("数据输入错误,请检查输入");
inline const QString kNotNumericMessage = QStringLiteral("数据输入错误,请检查是否在数值输入状态");

// Lets through only the characters of an unsigned or leading-minus decimal
// number: typed, committed by an input method, pasted and dropped text alike
// (see line_box.h for what every single-line box does besides).
// Editing and navigation keys pass without a word.
void attachNumericKeyFilter(LineBox* box);
// Selects the whole text when the user clicks or tabs into the box.
void attachSelectAllOnFocus(LineBox* box);
inline void attachNumericBox(LineBox* box) {
    attachNumericKeyFilter(box);
    attachSelectAllOnFocus(box);
}

// The filter's verdict on inserting `typed` into `text` in place of the
// selection [selStart, selStart + selLength): an empty string when it
// passes, the refusal message otherwise.
QString numericInsertRefusal(const QString& text, int selStart, int selLength, const QString& typed);

}  // namespace korrimet
