#pragma once
#include <QLineEdit>
#include <QString>
#include <QStringList>
#include <span>

#include "common/steps.h"
#include "common/widgets/qt_text.h"
#include "common/widgets/tool_window.h"

namespace korrimet::fuel {

// The material-balance calculators (coal, oil, gas firing) share one shape:
// two columns of boxes with a "......?" button beside most of them, the
// method text of the provincial rules in a frame below, and live
// recomputation of each result from the current box texts.

// One row of a column: a box with its label and, beside it, the button that
// opens a reference page, shows a hint, or (with neither) does nothing.
struct BalanceRow {
    const char* box;
    const char* label;
    const char* text;  // default text; results start empty
    bool result;
    const char* button = nullptr;  // no button when null
    const char* page = nullptr;
    const char* hint = nullptr;
};

struct BalanceColumn {
    int left;        // twips
    int labelWidth;  // twips
    std::span<const BalanceRow> rows;
};

struct BalanceForm {
    const char* className;
    const char* caption;
    int width, height;  // client area, twips
    const char* titleName;
    const char* title;
    BalanceColumn left, right;
    int boxWidth;     // twips
    int buttonWidth;  // twips
    std::span<const char* const> methodLines;
    std::span<const char* const> largeBoxes;  // boxes in 10.5 points rather than 9
};

// The method text: lines joined by line breaks, ending with one; every line
// with visible text is indented by four blanks except the second, which
// continues the first.
QString balanceMethodText(std::span<const char* const> lines);

class BalanceWindow : public ToolWindow {
public:
    explicit BalanceWindow(const BalanceForm& form);

protected:
    QLineEdit* box(const char* name) const { return control<QLineEdit>(QString::fromUtf8(name)); }

    static double number(const QString& text) { return ParseNumber(text, Precision::Double); }

    // One result: its formula runs as one statement on the texts read
    // before; a failure leaves the value empty, which the mask shows as
    // zero does, and the masked text is written either way.
    template <class Formula>
    void recompute(const char* result, const char* mask, Formula formula) {
        double value = 0;
        Steps steps;
        steps([&] { value = formula(); });
        box(result)->setText(qtext(MaskText(value, mask)));
    }

private:
    void placeColumn(FormBuilder& f, const BalanceForm& form, const BalanceColumn& column, int& labelIndex);
};

}  // namespace korrimet::fuel
