#include "common/widgets/table_model_form.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>

#include "common/grid_result_file.h"
#include "common/steps.h"
#include "common/stores.h"
#include "common/widgets/loop_progress.h"
#include "common/widgets/model_input.h"
#include "common/widgets/qt_text.h"
#include "common/widgets/report_box.h"
#include "platform/message_service.h"

namespace korrimet {
namespace {

constexpr int kRowHeight = 480;
constexpr int kRangeHeight = 3600;

int lines(const TableModelLayout& layout) {
    return (static_cast<int>(layout.inputs.size()) + layout.extraSlots + 1) / 2;
}

}  // namespace

QString failedRowsMessage(std::size_t count, double firstX) {
    return QStringLiteral("有%1个计算点无法完整计算（第一个在距离%2处），其中出错的计算项按0计，"
                          "这些点的结果不可用，请检查输入参数！")
        .arg(count)
        .arg(qtext(NumberText(firstX)));
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
    QPushButton* refreshButton = f2.button("Command1", "刷新结果", 1260, 1860, 2160, 420);
    report_ = f2.richText("RichTextBox1", 4680, 300, 4560, kRangeHeight - 420);
    report_->setToolTip(QStringLiteral("本数据可以采用复制和粘帖的方式进行处理！"));
    report_->setLineWrapMode(QTextEdit::NoWrap);
    report_->setFont(fixedPitchFont(9));

    bar_ = f.place(new LoopProgress, "ProgressBar1", 120, top2 + kRangeHeight + 120, 9360, 195);

    connect(refreshButton, &QPushButton::clicked, this, [this] { refresh(); });
}

QLineEdit* TableModelForm::box(int index) const { return control<QLineEdit>(QStringLiteral("Text%1").arg(index)); }

int TableModelForm::slotLeft(int slot) const { return slot % 2 == 0 ? 120 : 4800; }
int TableModelForm::slotTop(int slot) const { return 330 + slot / 2 * kRowHeight; }

bool TableModelForm::requireSingles(std::initializer_list<std::pair<int, float*>> boxes) {
    for (auto [index, target] : boxes) {
        std::optional<float> v = requireSingle(this, box(index));
        if (!v) return false;
        *target = *v;
    }
    return true;
}

void TableModelForm::runTable() {
    std::optional<TableModel> model = prepare();
    if (!model) return;
    auto rmax = TryParseNumber(box(9)->text(), Precision::Double);
    auto rmin = TryParseNumber(box(5)->text(), Precision::Double);
    auto rl = TryParseNumber(box(8)->text(), Precision::Double);
    if (!rmax || !rmin || !rl) {
        ShowMessage(kTableNotNumberMessage, this);
        return;
    }
    const LoopPlan plan = PlanLoop({*rmin, *rmax, *rl}, kTableRowLimit);
    if (plan.status != LoopPlan::Status::Ready) {
        ShowMessage(plan.status == LoopPlan::Status::Endless ? kTableEndlessMessage : kTableTooLargeMessage, this);
        return;
    }

    Steps steps;
    TableRows rows = BuildTableRows(plan.values, model->row, [&](double x) {
        bar_->setLoopMin(0);
        steps([&] { bar_->setLoopMax(single(*rmax)); });
        bar_->setVisible(true);
        steps([&] { bar_->setLoopValue(single(x)); });
    });
    steps([&] { bar_->setLoopValue(single(*rmax)); });
    setReport(report_, qtext(model->head + rows.text));
    if (rows.failedRows > 0) ShowMessage(failedRowsMessage(rows.failedRows, rows.firstFailedX), this);
}

}  // namespace korrimet
