#pragma once
#include <QString>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/distance_table.h"
#include "common/value_range.h"
#include "common/widgets/tool_window.h"

class QGroupBox;
class QLineEdit;
class QPushButton;

namespace korrimet {

class LineView;
class LoopProgress;
class Press;
class WindowRun;

inline const QString kTableEndlessMessage = QStringLiteral("网格距离不能为0，否则计算无法结束，请检查输入！");
inline const QString kTableTooLargeMessage =
    QStringLiteral("计算点超过10万个，结果表格过大，请加大网格距离或缩小计算范围！");
inline const QString kTableNoRowsMessage =
    QStringLiteral("从最近距离Rmin按网格距离Rl走不到最远距离Rmax，表中没有计算点，请检查输入！");
QString failedRowsMessage(std::size_t count, double firstX);

// One model input `Text<index>` with `Label<index>` beside it.
struct TableModelInput {
    int index = 0;
    QString label;
    QString text;
};

struct TableModelLayout {
    QString className;
    QString caption;
    std::vector<TableModelInput> inputs;  // two a line, in this order
    int extraSlots = 0;                   // places the model fills itself after the inputs
    QString rmax, rl, rmin;               // stored texts of the range boxes
};

// The window of the distance-table models: model inputs in `Frame1`
// ("参数输入："); the range (Rmax `Text9`, Rl `Text8`, Rmin `Text5`), the
// button `Command1` ("刷新结果") and the report box `RichTextBox1` in
// `Frame2`; `ProgressBar1` below. A run tabulates the model's values from
// Rmin to Rmax by Rl into the report, replacing what it held, on a worker:
// meanwhile `Command1` reads "取  消" and stops it, as Esc does.
class TableModelForm : public ToolWindow {
    Q_OBJECT
public:
    explicit TableModelForm(const TableModelLayout& layout);

    QLineEdit* box(int index) const;

protected:
    struct TableModel {
        std::string head;  // title and column lines, each closed by a carriage return
        TableRow row;
    };
    // Reads the model inputs through press() and does what comes before the
    // loop; nullopt, or a failure in the press, refuses the run.
    virtual std::optional<TableModel> prepare() = 0;
    // What the button does; the table run unless the model says otherwise.
    virtual void refresh() { runTable(); }
    void runTable();

    struct Input {
        int index;
        float* target;
        Range range = Range::Any;
    };
    // Reads the boxes in the order given, each of which must hold a number
    // in its range; false when one does not (the press names each).
    bool readEntries(std::initializer_list<Input> boxes);
    // The press of the run going on; only valid inside prepare().
    Press& press() const { return *press_; }

    QGroupBox* inputFrame() const { return inputFrame_; }
    // The input frame's place number `slot`, counted as the inputs are.
    int slotLeft(int slot) const;
    int slotTop(int slot) const;

    LineView* report() const { return report_; }
    LoopProgress* bar() const { return bar_; }

private:
    void startTable(TableModel model, std::vector<double> xs, double rmax);

    QGroupBox* inputFrame_;
    QPushButton* refreshButton_;
    WindowRun* run_;
    LineView* report_;
    LoopProgress* bar_;
    Press* press_ = nullptr;
};

}  // namespace korrimet
