#pragma once
#include <QLineEdit>
#include <QString>
#include <QStringList>
#include <initializer_list>
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

// One result: the boxes its formula reads, in order, with the fuel amount
// (`Text1`) first; the boxes besides `Text1` whose edit recomputes it; and
// the formula on the numbers read.
struct BalanceResult {
    const char* box;
    const char* mask;
    std::initializer_list<const char*> inputs;
    std::initializer_list<const char*> watched;
    double (*formula)(const double* values);
};

class BalanceWindow : public ToolWindow {
public:
    explicit BalanceWindow(const BalanceForm& form);

protected:
    QLineEdit* box(const char* name) const { return control<QLineEdit>(QString::fromUtf8(name)); }

    // Live recomputation: an edit of the fuel amount recomputes every
    // result in the given order, an edit of a watched box or a click into
    // the result box recomputes that one.
    void recomputeLive(std::span<const BalanceResult> results);

private:
    void recompute(const BalanceResult& result);
    void placeColumn(FormBuilder& f, const BalanceForm& form, const BalanceColumn& column, int& labelIndex);
};

}  // namespace korrimet::fuel
