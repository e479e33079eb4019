#pragma once
#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "common/grid_result_file.h"
#include "common/widgets/result_file_viewer.h"
#include "common/widgets/tool_window.h"

class QLabel;
class QLineEdit;

namespace korrimet {

class LoopProgress;
class Steps;

inline const QString kGridResultTip =
    QStringLiteral("数据可以复制到WORD中，后在WORD采用文字转换为表格的方式获得规范数据表格！");

// One input of a river grid model: `Text<index>` with `Label<index>` beside
// it, in one of two columns of the input frame, rows counted from 0.
struct GridModelInput {
    int index = 0;
    int column = 0;
    int row = 0;
    QString label;
    QString text;
    QString toolTip;
};

struct GridModelLayout {
    QString className;
    QString caption;
    QString buttonTip;  // on both compute buttons
    std::vector<GridModelInput> inputs;
    QString resultFile;    // in the private result folder
    QString resultWindow;  // its viewer's class
    QString helpWindow;    // empty: the help button does nothing
    int barResetBox = 0;   // a box whose every change resets the bar; 0: none
};

// The window of the river grid models: model inputs in `Frame1`; one point
// (X `Text9`, Y `Text10`, result `Text11` under `Label11`, `Command1`) in
// `Frame2`; the grid (XL `Text12`, YL `Text13`, Xc `Text14`, Yc `Text15`,
// `Command2`, help `Command3`) in `Frame3`; `ProgressBar1` below. A model
// gives its layout and formulas; the grid run, its file and viewer, the
// point's label and the bar are the same for all.
class GridModelForm : public ToolWindow {
    Q_OBJECT
public:
    explicit GridModelForm(const GridModelLayout& layout);

    QLineEdit* box(int index) const;
    // A statement of its own: a box that holds no number leaves `target`.
    void readSingle(Steps& steps, int index, float& target) const;

protected:
    // The text of C(X, Y) for `Text11`; nullopt leaves the box as it was
    // (the user has been told why).
    virtual std::optional<std::string> pointText() = 0;
    // The cell formula of a run, from the model inputs; nullopt refuses the
    // run (the user has been told why).
    virtual std::optional<GridCell> gridCell() = 0;

    std::optional<float> requireSingle(int index);
    std::optional<double> requireDouble(int index);
    LoopProgress* bar() const { return bar_; }

private:
    void computePoint();
    void computeGrid();

    GridModelLayout layout_;
    QLabel* resultLabel_;
    LoopProgress* bar_;
};

// The help window of a grid model: its stored document as rich text in `OLE1`.
class GridModelHelp : public ToolWindow {
    Q_OBJECT
public:
    GridModelHelp(const QString& className, const QString& caption, const QString& page);
};

}  // namespace korrimet
