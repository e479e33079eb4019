#include "common/widgets/grid_model_form.h"

#include <QGroupBox>
#include <algorithm>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "common/steps.h"
#include "common/widgets/press.h"
#include "common/stores.h"
#include "common/widgets/grid_run.h"
#include "common/widgets/loop_progress.h"
#include "common/widgets/model_input.h"
#include "common/widgets/qt_text.h"
#include "common/widgets/stored_page.h"
#include "common/widgets/tool_registry.h"
#include "common/widgets/window_run.h"
#include "platform/message_service.h"

namespace korrimet {
namespace {

constexpr int kRowHeight = 480;
constexpr int kWidth = 9600;

int inputRows(const GridModelLayout& layout) {
    int rows = 0;
    for (const GridModelInput& in : layout.inputs) rows = std::max(rows, in.row + 1);
    return rows;
}

}  // namespace

GridModelForm::GridModelForm(const GridModelLayout& layout)
    : ToolWindow(layout.className, layout.caption, kWidth, 6240 + (inputRows(layout) - 4) * kRowHeight),
      layout_(layout),
      run_(new WindowRun(this)) {
    FormBuilder f = form();
    const int frame1Height = inputRows(layout) * kRowHeight + 360;
    FormBuilder f1(f.frame("Frame1", "参数输入：", 120, 60, 9360, frame1Height));
    for (const GridModelInput& in : layout.inputs)
        modelField(f1, in.index, in.column, in.row, in.label, in.text)->setToolTip(in.toolTip);

    const int top2 = 60 + frame1Height + 60;
    FormBuilder f2(f.frame("Frame2", "某点计算结果：", 120, top2, 9360, 1380));
    QLineEdit* pointX = modelField(f2, 9, 0, 0, "计算点离排放口流线距离X（m）：", "10");
    QLineEdit* pointY = modelField(f2, 10, 1, 0, "计算点离排放口横向距离Y（m）：", "10");
    resultLabel_ = f2.label("Label11", "C（10，10）（mg/L）：", 120, 870, 3300, 300);
    resultLabel_->setBuddy(f2.textBox("Text11", 3420, 840, 1800, 330));
    QPushButton* point = f2.button("Command1", "计  算  结  果", 6000, 810, 2160, 400);

    const int top3 = top2 + 1380 + 60;
    FormBuilder f3(f.frame("Frame3", "网格计算结果：", 120, top3, 9360, 1920));
    modelField(f3, 12, 0, 0, "计算点离排放口流线范围XL（m）：", "3000");
    modelField(f3, 13, 1, 0, "计算点离排放口横向范围YL（m）：", "100");
    modelField(f3, 14, 0, 1, "计算点离排放口流线网格Xc（m）：", "100");
    modelField(f3, 15, 1, 1, "计算点离排放口横向网格Yc（m）：", "10");
    QPushButton* grid = gridButton_ = f3.button("Command2", "计  算  结  果", 3420, 1350, 2160, 400);
    QPushButton* help = f3.button("Command3", "用前查看帮助系统", 6000, 1350, 2160, 400);

    bar_ = f.place(new LoopProgress, "ProgressBar1", 120, top3 + 1920 + 120, 9360, 195);

    point->setToolTip(layout.buttonTip);
    grid->setToolTip(layout.buttonTip);
    connect(point, &QPushButton::clicked, this, [this] { computePoint(); });
    connect(grid, &QPushButton::clicked, this, [this] { computeGrid(); });
    if (!layout.helpWindow.isEmpty())
        connect(help, &QPushButton::clicked, this, [window = layout.helpWindow] { OpenTool(window); });
    // The label names the point as typed, so the result can be read with it.
    for (QLineEdit* b : {pointX, pointY})
        connect(b, &QLineEdit::textChanged, this, [this, pointX, pointY] {
            resultLabel_->setText(QStringLiteral("C（%1，%2）（mg/L）：").arg(pointX->text(), pointY->text()));
        });
    if (layout.barResetBox != 0)
        connect(box(layout.barResetBox), &QLineEdit::textChanged, this, [this] { bar_->reset(); });
}

QLineEdit* GridModelForm::box(int index) const { return control<QLineEdit>(QStringLiteral("Text%1").arg(index)); }

void GridModelForm::computePoint() {
    Press press(this);
    const std::optional<std::string> text = pointText(press);
    if (text && press.ok()) press.put(box(11), [&] { return *text; });
    else press.clear(box(11));
}

void GridModelForm::computeGrid() {
    if (run_->busy()) return;
    double xl = 0, yl = 0, xc = 0, yc = 0;
    std::optional<GridCell> cell;
    {
        Press press(this);
        cell = gridCell(press);
        press.read(xl, box(12));
        press.read(yl, box(13));
        press.read(xc, box(14));
        press.read(yc, box(15));
        if (!cell || !press.ok()) {
            // The grid on show belongs to other entries.
            discardResultFile(layout_.resultFile, layout_.resultWindow);
            return;
        }
    }
    auto rowDone = [this, xl](double x) {
        Steps steps;
        bar_->setLoopMin(0);
        steps([&] { bar_->setLoopMax(single(xl)); });
        bar_->setVisible(true);
        steps([&] { bar_->setLoopValue(single(x)); });
    };
    auto plan = [xl, yl, xc, yc] { return PlanGrid({10, xl, xc}, {0, yl, yc}); };
    startGridRun(*run_, gridButton_, plan, *cell, rowDone, layout_.resultFile,
                 layout_.resultWindow, [this, xl] {
                     Steps steps;
                     steps([&] { bar_->setLoopValue(single(xl)); });
                 });
}

GridModelHelp::GridModelHelp(const QString& className, const QString& caption, const QString& page)
    : ToolWindow(className, caption, 12600, 7800) {
    FormBuilder f = form();
    storedPage(f, "OLE1", page, 0, 0, 12600, 7800);
}

}  // namespace korrimet
