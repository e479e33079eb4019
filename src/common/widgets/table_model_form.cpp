#include "common/widgets/table_model_form.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

#include "common/grid_result_file.h"
#include "common/steps.h"
#include "common/stores.h"
#include "common/widgets/line_view.h"
#include "common/widgets/loop_progress.h"
#include "common/widgets/model_input.h"
#include "common/widgets/press.h"
#include "common/widgets/qt_text.h"
#include "common/widgets/window_run.h"

namespace korrimet {
namespace {

constexpr int kRowHeight = 480;
constexpr int kRangeHeight = 3600;

int lines(const TableModelLayout& layout) {
    return (static_cast<int>(layout.inputs.size()) + layout.extraSlots + 1) / 2;
}

}  // namespace

QString failedRowsMessage(std::size_t count, double firstX) {
    return QStringLiteral("有%1个计算点无法计算（第一个在距离%2处），表中标为“%3”，请检查输入参数！")
        .arg(count)
        .arg(qtext(NumberText(firstX)))
        .arg(QString::fromUtf8(kFailedRowText));
}

TableModelForm::TableModelForm(const TableModelLayout& layout)
    : ToolWindow(layout.className, layout.caption, 9600,
                 60 + lines(layout) * kRowHeight + 360 + 60 + kRangeHeight + 120 + 195 + 165) {
    FormBuilder f = form();
    const int frame1Height = lines(layout) * kRowHeight + 360;
    inputFrame_ = f.frame("Frame1", "参数输入：", 120, 60, 9360, frame1Height);
    FormBuilder f1(inputFrame_);
    for (std::size_t i = 0; i < layout.inputs.size(); ++i) {
        const TableModelInput& in = layout.inputs[i];
        modelField(f1, in.index, static_cast<int>(i % 2), static_cast<int>(i / 2), in.label, in.text);
    }

    const int top2 = 60 + frame1Height + 60;
    FormBuilder f2(f.frame("Frame2", "网格计算结果", 120, top2, 9360, kRangeHeight));
    modelField(f2, 9, 0, 0, "预测点距排放口最远距离Rmax（M）：", layout.rmax);
    modelField(f2, 8, 0, 1, "网格距离Rl（M）：", layout.rl);
    modelField(f2, 5, 0, 2, "预测点距排放口最近距离Rmin（M）：", layout.rmin);
    QPushButton* refreshButton = refreshButton_ = f2.button("Command1", "刷新结果", 1260, 1860, 2160, 420);
    // A table of up to 100,000 rows: only the lines in sight are laid out.
    report_ = f2.place(new LineView, "RichTextBox1", 4680, 300, 4560, kRangeHeight - 420);
    report_->setToolTip(QStringLiteral("本数据可以采用复制和粘帖的方式进行处理！"));
    report_->setFont(fixedPitchFont(9));
    run_ = new WindowRun(this);

    bar_ = f.place(new LoopProgress, "ProgressBar1", 120, top2 + kRangeHeight + 120, 9360, 195);

    connect(refreshButton, &QPushButton::clicked, this, [this] { refresh(); });
}

QLineEdit* TableModelForm::box(int index) const { return control<QLineEdit>(QStringLiteral("Text%1").arg(index)); }

int TableModelForm::slotLeft(int slot) const { return slot % 2 == 0 ? 120 : 4800; }
int TableModelForm::slotTop(int slot) const { return 330 + slot / 2 * kRowHeight; }

bool TableModelForm::readEntries(std::initializer_list<Input> boxes) {
    bool ok = true;
    for (const Input& in : boxes) ok = press_->read(*in.target, box(in.index), in.range) && ok;
    return ok;
}

void TableModelForm::runTable() {
    if (run_->busy()) return;
    Press press(this);
    press_ = &press;
    std::optional<TableModel> model = prepare();
    press_ = nullptr;
    double rmax = 0, rmin = 0, rl = 0;
    press.read(rmax, box(9));
    press.read(rmin, box(5));
    press.read(rl, box(8));
    // The table on show belongs to other entries, whatever this run gives.
    report_->setLines({});
    if (model && press.ok()) {
        LoopPlan plan = PlanLoop({rmin, rmax, rl}, kTableRowLimit);
        if (plan.status != LoopPlan::Status::Ready)
            press.fail(plan.status == LoopPlan::Status::Endless ? kTableEndlessMessage : kTableTooLargeMessage);
        else if (plan.values.empty())
            press.fail(kTableNoRowsMessage);
        else
            return startTable(std::move(*model), std::move(plan.values), rmax);
    }
    press.clear(report_);
}

void TableModelForm::startTable(TableModel model, std::vector<double> xs, double rmax) {
    struct Outcome {
        LineIndex lines;
        std::size_t failedRows = 0;
        double firstFailedX = 0;
    };
    auto work = [model = std::move(model), xs = std::move(xs)](RunControl& control) {
        // Every model gives its values downstream of the outfall: a distance
        // below 0 has none, whatever its formula would give there.
        const TableRow downstream = [&model](double x, std::vector<std::string>& values) {
            return x >= 0 && model.row(x, values);
        };
        TableRows rows = BuildTableRows(xs, downstream, [&](double x) {
            control.check();
            control.setProgress(x);
        });
        // The head and rows are copied once, into the bytes the box will hold.
        QByteArray bytes;
        bytes.reserve(static_cast<qsizetype>(model.head.size() + rows.text.size()));
        bytes.append(model.head.data(), static_cast<qsizetype>(model.head.size()));
        bytes.append(rows.text.data(), static_cast<qsizetype>(rows.text.size()));
        std::string().swap(rows.text);
        Outcome out;
        out.lines = IndexLines(std::move(bytes), true, &control);
        out.failedRows = rows.failedRows;
        out.firstFailedX = rows.firstFailedX;
        return out;
    };
    auto progress = [this, rmax](double x) {
        Steps bar;
        bar_->setLoopMin(0);
        bar([&] { bar_->setLoopMax(single(rmax)); });
        bar_->setVisible(true);
        bar([&] { bar_->setLoopValue(single(x)); });
    };
    auto done = [this, rmax](Outcome out) {
        Steps bar;
        bar([&] { bar_->setLoopValue(single(rmax)); });
        report_->setLines(std::move(out.lines));
        Press::unmark(report_);
        if (out.failedRows > 0) Press(this).fail(failedRowsMessage(out.failedRows, out.firstFailedX));
    };
    run_->start<Outcome>(refreshButton_, work, done, progress,
                         [report = QPointer<LineView>(report_)] {
                             if (report) Press::mark(report, kRunCancelledMessage);
                         });
}

}  // namespace korrimet
