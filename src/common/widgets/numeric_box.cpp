#include "common/widgets/numeric_box.h"

#include <QFocusEvent>
#include <QLineEdit>
#include <QTimer>

#include "common/widgets/line_box_input.h"

namespace korrimet {
namespace {

bool arrivesByTheUser(Qt::FocusReason reason) {
    return reason == Qt::MouseFocusReason || reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason;
}

class SelectAllOnFocus : public QObject {
public:
    explicit SelectAllOnFocus(QLineEdit* box) : QObject(box), box_(box) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        // Only the user's own move into the box: not the window becoming active
        // again after a message box, nor a closing popup, which would let the
        // next key replace the whole value.
        if (event->type() == QEvent::FocusIn && arrivesByTheUser(static_cast<QFocusEvent*>(event)->reason())) {
            // After the box's own focus handling, which may move the caret.
            QTimer::singleShot(0, box_, [box = box_] {
                if (box->hasFocus()) box->selectAll();
            });
            box_->selectAll();
        }
        return false;
    }

private:
    QLineEdit* box_;
};

}  // namespace

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

void attachNumericKeyFilter(QLineEdit* box) {
    setInsertionRule(box, numericInsertRefusal);
    box->setAttribute(Qt::WA_InputMethodEnabled, true);
}

void attachSelectAllOnFocus(QLineEdit* box) { box->installEventFilter(new SelectAllOnFocus(box)); }

}  // namespace korrimet
