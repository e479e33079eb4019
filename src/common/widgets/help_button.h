#pragma once
#include <QString>

class QAbstractButton;
class QPushButton;

namespace korrimet {

class FormBuilder;

// A small button whose click shows one fixed text in an OK-only box titled
// "Korrimet"; nothing else changes.
void attachHelpMessage(QAbstractButton* button, const QString& text);
QPushButton* helpButton(FormBuilder& form, const QString& name, const QString& caption, int l, int t, int w, int h,
                        const QString& text);

}  // namespace korrimet
