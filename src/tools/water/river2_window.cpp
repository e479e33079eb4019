#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "common/steps.h"
#include "common/stores.h"
#include "common/widgets/grid_run.h"
#include "common/widgets/loop_progress.h"
#include "common/widgets/qt_text.h"
#include "common/widgets/result_file_viewer.h"
#include "common/widgets/stored_page.h"
#include "common/widgets/tool_registry.h"
#include "common/widgets/tool_window.h"
#include "platform/message_service.h"
#include "tools/water/river2.h"

namespace korrimet::water {
namespace {

const QString kResultFile = QStringLiteral("河二模式计算结果.txt");
const QString kResultWindow = QStringLiteral("河二模式计算结果");
const QString kHelpWindow = QStringLiteral("河二帮助");
const QString kButtonTip = QStringLiteral("用于持久性污染物的平直河流混合过程段，不考虑纵向弥散,即Mx=0。");

float readSingle(const QLineEdit* box) { return single(ParseNumber(box->text(), Precision::Single)); }

class River2Window : public ToolWindow {
public:
    static constexpr const char* kClassName = "二维稳态混合模式_河2";
    static constexpr const char* kCaption = "二维稳态混合模式_河2";

    River2Window() : ToolWindow(QString::fromUtf8(kClassName), QString::fromUtf8(kCaption), 9600, 6240) {
        FormBuilder f = form();
        // Two columns of label and box inside a frame, rows 480 twips apart.
        auto field = [](FormBuilder& fb, int index, int column, int row, const QString& label,
                        const QString& text) {
            const int left = column == 0 ? 120 : 4800, top = 330 + row * 480;
            fb.label(QStringLiteral("Label%1").arg(index), label, left, top + 30, 3300, 300);
            return fb.textBox(QStringLiteral("Text%1").arg(index), left + 3300, top, 1080, 330, text);
        };

        FormBuilder f1(f.frame("Frame1", "参数输入：", 120, 60, 9360, 2280));
        inputs_[0] = field(f1, 1, 0, 0, "河流上游污染物浓度Ch（mg/L）：", "0.1");
        inputs_[1] = field(f1, 2, 0, 1, "污染物排放浓度Cp（mg/L）：", "100");
        inputs_[2] = field(f1, 3, 0, 2, "平均水深H（M）：", "0.5");
        inputs_[3] = field(f1, 4, 0, 3, "横向混合系数My（M^2/S）：", "5");
        inputs_[4] = field(f1, 5, 1, 0, "表示河流中断面平均流速μ（m/s）：", "0.2");
        inputs_[5] = field(f1, 6, 1, 1, "废水排放量Qp（m^3/s）：", "1");
        inputs_[6] = field(f1, 7, 1, 2, "河流宽度B（m）：", "100");
        inputs_[7] = field(f1, 8, 1, 3, "排放口离岸边距离a（m）：", "0");

        FormBuilder f2(f.frame("Frame2", "某点计算结果：", 120, 2400, 9360, 1380));
        pointX_ = field(f2, 9, 0, 0, "计算点离排放口流线距离X（m）：", "10");
        pointY_ = field(f2, 10, 1, 0, "计算点离排放口横向距离Y（m）：", "10");
        resultLabel_ = f2.label("Label11", "C（10，10）（mg/L）：", 120, 870, 3300, 300);
        result_ = f2.textBox("Text11", 3420, 840, 1800, 330);
        QPushButton* point = f2.button("Command1", "计  算  结  果", 6000, 810, 2160, 400);

        FormBuilder f3(f.frame("Frame3", "网格计算结果：", 120, 3840, 9360, 1920));
        rangeX_ = field(f3, 12, 0, 0, "计算点离排放口流线范围XL（m）：", "3000");
        rangeY_ = field(f3, 13, 1, 0, "计算点离排放口横向范围YL（m）：", "100");
        stepX_ = field(f3, 14, 0, 1, "计算点离排放口流线网格Xc（m）：", "100");
        stepY_ = field(f3, 15, 1, 1, "计算点离排放口横向网格Yc（m）：", "10");
        QPushButton* grid = f3.button("Command2", "计  算  结  果", 3420, 1350, 2160, 400);
        QPushButton* help = f3.button("Command3", "用前查看帮助系统", 6000, 1350, 2160, 400);

        bar_ = f.place(new LoopProgress, "ProgressBar1", 120, 5880, 9360, 195);

        point->setToolTip(kButtonTip);
        grid->setToolTip(kButtonTip);
        connect(point, &QPushButton::clicked, this, [this] { computePoint(); });
        connect(grid, &QPushButton::clicked, this, [this] { computeGrid(); });
        connect(help, &QPushButton::clicked, this, [] { OpenTool(kHelpWindow); });
        for (QLineEdit* box : {pointX_, pointY_})
            connect(box, &QLineEdit::textChanged, this, [this] { relabelPoint(); });
    }

private:
    River2Inputs readInputs(Steps& steps) const {
        River2Inputs in;
        float* targets[] = {&in.ch, &in.cp, &in.h, &in.my, &in.u, &in.qp, &in.b, &in.a};
        for (int i = 0; i < 8; ++i) steps([&] { *targets[i] = readSingle(inputs_[i]); });
        return in;
    }

    void computePoint() {
        Steps steps;
        River2Inputs in = readInputs(steps);
        float x = 0, y = 0;
        steps([&] { x = readSingle(pointX_); });
        steps([&] { y = readSingle(pointY_); });
        result_->setText(qtext(MaskText(River2Concentration(in, x, y).c, kRiver2PointMask)));
    }

    void computeGrid() {
        Steps steps;
        const River2Inputs in = readInputs(steps);
        auto xl = TryParseNumber(rangeX_->text(), Precision::Double);
        auto yl = TryParseNumber(rangeY_->text(), Precision::Double);
        auto xc = TryParseNumber(stepX_->text(), Precision::Double);
        auto yc = TryParseNumber(stepY_->text(), Precision::Double);
        if (!xl || !yl || !xc || !yc) {
            ShowMessage(kGridNotNumberMessage, this);
            return;
        }
        const GridPlan plan = PlanGrid({10, *xl, *xc}, {0, *yl, *yc});
        auto afterRow = [&](double x) {
            bar_->setLoopMin(0);
            steps([&] { bar_->setLoopMax(single(*xl)); });
            bar_->setVisible(true);
            steps([&] { bar_->setLoopValue(single(x)); });
        };
        const bool runs = plan.status == GridPlan::Status::Ready;
        runGridFile(this, plan, River2Cell(in), afterRow, kResultFile, kResultWindow);
        if (runs) steps([&] { bar_->setLoopValue(single(*xl)); });
    }

    void relabelPoint() {
        resultLabel_->setText(QStringLiteral("C（%1，%2）（mg/L）：").arg(pointX_->text(), pointY_->text()));
    }

    QLineEdit* inputs_[8];
    QLineEdit *pointX_, *pointY_, *result_, *rangeX_, *rangeY_, *stepX_, *stepY_;
    QLabel* resultLabel_;
    LoopProgress* bar_;
};

class River2ResultWindow : public ResultFileViewer {
public:
    static constexpr const char* kClassName = "河二模式计算结果";
    static constexpr const char* kCaption = "河二模式计算结果";

    River2ResultWindow()
        : ResultFileViewer(QString::fromUtf8(kClassName), QString::fromUtf8(kCaption), kResultFile,
                           QStringLiteral("数据可以复制到WORD中，后在WORD采用文字转换为表格的方式获得规范数据表格！")) {}
};

class River2HelpWindow : public ToolWindow {
public:
    static constexpr const char* kClassName = "河二帮助";
    static constexpr const char* kCaption = "河二帮助";

    River2HelpWindow() : ToolWindow(QString::fromUtf8(kClassName), QString::fromUtf8(kCaption), 12600, 7800) {
        FormBuilder f = form();
        storedPage(f, "OLE1", ":/water/river2_help.html", 0, 0, 12600, 7800);
    }
};

}  // namespace
}  // namespace korrimet::water

using korrimet::water::River2HelpWindow;
using korrimet::water::River2ResultWindow;
using korrimet::water::River2Window;
KORRIMET_REGISTER_TOOL(River2Window);
KORRIMET_REGISTER_TOOL(River2ResultWindow);
KORRIMET_REGISTER_TOOL(River2HelpWindow);
