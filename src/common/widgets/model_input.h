#pragma once
#include <QString>

class QLineEdit;
class QWidget;

namespace korrimet {

class FormBuilder;

// An input of a model window inside a frame: `Label<index>` and `Text<index>`
// (the label's buddy) in one of two columns, rows 480 twips apart from 0.
QLineEdit* modelField(FormBuilder& frame, int index, int column, int row, const QString& label,
                      const QString& text);

// How messages name an input: its "inputName" property; else the text of the
// label whose buddy it is, or of the label in front of it on its row (or just
// above it), without closing colons; the box's name when it has no label.
QString inputName(const QWidget* box);


}  // namespace korrimet
