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
class QPushButton;

namespace korrimet {

class LoopProgress;
class Press;
class WindowRun;

// A point whose value a formula could not give (X of 0 or below, an overflow).
inline const QString kGridPointRefused = QStringLiteral(
    "该点浓度无法计算：计算点距离X须为大于0的数值，河流水深H、流速μ和横向混合系数My不能为0，请检查输入！");

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
// point's label and the bar are the same for all. While a grid runs,
// `Command2` reads "取  消" and stops it, as Esc does.
class GridModelForm : public ToolWindow {
    Q_OBJECT
public:
    explicit GridModelForm(const GridModelLayout& layout);

    QLineEdit* box(int index) const;

protected:
    // Every entry is read through the press, which names each that fails;
    // nothing is computed from an entry that failed.
    // The text of C(X, Y) for `Text11`; nullopt when the press failed (and
    // the box is cleared).
    virtual std::optional<std::string> pointText(Press& press) = 0;
    // The cell formula of a run, from the model inputs; nullopt when the
    // press failed, which refuses the run.
    virtual std::optional<GridCell> gridCell(Press& press) = 0;

    LoopProgress* bar() const { return bar_; }
    WindowRun* run() const { return run_; }

private:
    void computePoint();
    void computeGrid();

    GridModelLayout layout_;
    WindowRun* run_;
    QLabel* resultLabel_;
    QPushButton* gridButton_;
    LoopProgress* bar_;
};

// The help window of a grid model: its stored document as rich text in `OLE1`.
class GridModelHelp : public ToolWindow {
    Q_OBJECT
public:
    GridModelHelp(const QString& className, const QString& caption, const QString& page);
};

}  // namespace korrimet
