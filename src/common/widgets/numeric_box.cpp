#include "common/widgets/numeric_box.h"

#include "common/widgets/line_box.h"

namespace korrimet {

QString numericInsertRefusal(const QString& text, int selStart, int selLength, const QString& typed) {
    // Each character is judged against the box as it would stand when typed.
    QString current = text;
    int caret = selStart;
    int selection = selLength;
    for (QChar c : typed) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
        } else if (c == QLatin1Char('.')) {
            if (current.contains(QLatin1Char('.'))) return kSecondPointMessage;
        } else if (c == QLatin1Char('-')) {
            if (caret != 0 || current.contains(QLatin1Char('-'))) return kNotNumericMessage;
        } else {
            return kNotNumericMessage;
        }
        current.replace(caret, selection, c);
        ++caret;
        selection = 0;
    }
    return {};
}

void attachNumericKeyFilter(LineBox* box) {
    box->setInsertionRule(numericInsertRefusal);
    box->setAttribute(Qt::WA_InputMethodEnabled, true);
}

void attachSelectAllOnFocus(LineBox* box) { box->setSelectAllOnFocus(true); }

}  // namespace korrimet
