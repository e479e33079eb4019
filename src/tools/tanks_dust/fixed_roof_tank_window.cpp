#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "common/widgets/help_button.h"
#include "common/widgets/model_input.h"
#include "common/widgets/press.h"
#include "common/widgets/qt_text.h"
#include "common/widgets/tool_registry.h"
#include "common/widgets/tool_window.h"
#include "platform/message_service.h"
#include "tools/tanks_dust/fixed_roof_tank.h"

namespace korrimet::tanks::fixed_roof {
namespace {

const char* const kNote =
    "储存有机液体的基本罐型有固定顶罐、浮顶罐、可变蒸气空间罐和压力罐等五种，而固定顶罐是一种最普通的罐型，"
    "在国内最常被使用，是储存有机液体的普通罐型，一般认为是最低的接受水平，特别是在加油站和石油库用于储存汽油和柴油。"
    "\n";
const char* const kResultHelp = "当计算结果为0或未知时，请检查你的各项参数输入，是不是有为0或未知的参数！";
const char* const kZeroMessage = "请检查你的各项参数的输入，你输入的参数中有为0的选项!请重新输入";
const QString kMethodPage = QStringLiteral("固顶贮罐呼吸排放量和工作排放量资料");

// Layout in twips: labels end where their boxes begin, help buttons follow.
constexpr int kBoxLeft = 4920, kBoxWidth = 1320, kRowHeight = 315, kHelpLeft = 6300, kHelpWidth = 600;
constexpr int kFirstRow = 1080, kRowStep = 390;

class FixedRoofTankWindow : public ToolWindow {
public:
    static constexpr const char* kClassName = "固定顶罐的呼吸排放量和工作排放量";
    static constexpr const char* kCaption = "固定顶罐的呼吸排放量和工作排放量";

    FixedRoofTankWindow() : ToolWindow(QString::fromUtf8(kClassName), QString::fromUtf8(kCaption), 10560, 6600) {
        setFont(songti(9));
        FormBuilder f = form();
        f.label("Label1", "固定顶罐的呼吸排放量和工作排放量的计算", 120, 120, 6780, 375)->setFont(songti(12));

        f.label("Label14", "请选择贮罐贮存的有机溶液的种类：", 120, 645, 3240, 255);
        crude_ = f.option("Option1", "", 3360, 615, 255, 300);
        f.label("Label15", "石油原油", 3615, 645, 1000, 255);
        other_ = f.option("Option2", "", 4680, 615, 255, 300);
        f.label("Label16", "其他有机液体", 4935, 645, 1500, 255);

        struct Input {
            const char *name, *label, *text, *help, *helpText;
        };
        const Input inputs[] = {
            {"Text1", "M-储罐内蒸气的分子量：", "150", nullptr, nullptr},
            {"Text2", "P-在大量液体状态下，真实的蒸气压力（Pa）：", "10100", nullptr, nullptr},
            {"Text3", "D-罐的直径（m）：", "", "Command7", "输入直径时，系统自动计算小直径罐的调节因子"},
            {"Text4", "H-平均蒸气空间高度（m）：", "0.3", nullptr, nullptr},
            {"Text5", "△T-一天之内的平均温度差（℃）：", "15", nullptr, nullptr},
            {"Text6", "FP-涂层因子（无量纲）：", "1.25", "Command1", "涂层因子（无量纲），根据油漆状况取值在1~1.5之间"},
            {"Text7", "C-用于小直径罐的调节因子（无量纲）：", "", "Command2",
             "用于小直径罐的调节因子（无量纲）;直径在0~9m之间的罐体，C=1-0.0123(D-9)^2  ; 罐径大于9m的C=1；"},
            {"Text8", "KC-产品因子：", "", "Command3", "产品因子（石油原油KC取0.65，其他的有机液体取1.0）"},
            {"Text10", "K-固顶贮罐年周转次数（次）：", "", "Command6", "输入周转次数，系统自动计算周转因子"},
            {"Text9", "KN-周转因子（无量纲）：", "", "Command4",
             "取值按年周转次数（K）确定。K<=36,KN=1；36<K<=220,KN=11.467×K^-0.7026；K>220,KN=0.26"},
        };
        int row = 0;
        for (const Input& in : inputs) {
            const int top = kFirstRow + kRowStep * row;
            QLabel* l = f.label(QStringLiteral("Label%1").arg(row + 2), QString::fromUtf8(in.label), 120, top,
                                kBoxLeft - 120, kRowHeight);
            l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            f.textBox(in.name, kBoxLeft, top, kBoxWidth, kRowHeight, QString::fromUtf8(in.text));
            if (in.help)
                helpButton(f, in.help, "......?", kHelpLeft, top, kHelpWidth, kRowHeight, QString::fromUtf8(in.helpText));
            ++row;
        }

        const int computeTop = kFirstRow + kRowStep * row + 60;
        auto* compute = f.button("Command8", "刷新结果", kBoxLeft, computeTop, kBoxWidth, 375);
        const int resultTop = computeTop + 510;
        breathing_ = resultRow(f, "Label13", "LB-固定顶罐的呼吸排放量（Kg/a）：", "Text11", resultTop);
        helpButton(f, "Command9", "......?", kHelpLeft, resultTop, kHelpWidth, kRowHeight, QString::fromUtf8(kResultHelp));
        working_ = resultRow(f, "Label12", "LW-固定顶罐的工作损失（Kg/m3投入量）：", "Text12", resultTop + kRowStep);
        helpButton(f, "Command10", "......?", kHelpLeft, resultTop + kRowStep, kHelpWidth, kRowHeight,
                   QString::fromUtf8(kResultHelp));

        QGroupBox* frame = f.frame("Frame1", "说明", 7080, 600, 3360, 4140);
        FormBuilder in(frame);
        in.memo("Text13", 120, 300, 3120, 3720, QString::fromUtf8(kNote));
        auto* method = f.button("Command5", "查看资料原文", 7080, 4920, 3360, 435);

        connect(crude_, &QRadioButton::clicked, this, [this] { productFactor(kCrudeOilProductFactor); });
        connect(other_, &QRadioButton::clicked, this, [this] { productFactor(kOtherLiquidProductFactor); });
        connect(box(3), &QLineEdit::textChanged, this, [this] { derive(3, 7, SmallDiameterFactorText); });
        connect(box(10), &QLineEdit::textChanged, this, [this] { derive(10, 9, TurnoverFactorText); });
        connect(compute, &QPushButton::clicked, this, [this] { losses(); });
        connect(method, &QPushButton::clicked, this, [] { OpenTool(kMethodPage); });

        // Form_Load: crude oil is the kind chosen at first.
        crude_->setChecked(true);
        productFactor(kCrudeOilProductFactor);
    }

private:
    QLineEdit* resultRow(FormBuilder& f, const char* labelName, const char* label, const char* name, int top) {
        QLabel* l = f.label(labelName, QString::fromUtf8(label), 120, top, kBoxLeft - 120, kRowHeight);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        QLineEdit* box = f.textBox(name, kBoxLeft, top, kBoxWidth, kRowHeight);
        for (QWidget* w : {static_cast<QWidget*>(l), static_cast<QWidget*>(box)}) {
            w->setFont(songti(9, true));
            setTextColor(w, kDarkGreen);
        }
        return box;
    }

    QLineEdit* box(int n) const { return findChild<QLineEdit*>(QStringLiteral("Text%1").arg(n)); }

    void productFactor(const char* kc) { box(8)->setText(QString::fromUtf8(kc)); }

    // C from D, KN from K while the user types: cleared and marked with the
    // reason while the entry is empty, no number or negative.
    void derive(int entry, int target, std::string (*factor)(double)) {
        Press press(this, PressMode::Live);
        double v = 0;
        press.read(v, box(entry), Range::NonNegative);
        press.put(box(target), [&] { return factor(v); });
    }

    // 刷新结果: one message names every entry that is empty, no number or out
    // of range; a zero among them is pointed out and computed as it stands.
    // The working loss uses neither D, H, ΔT, FP nor C.
    void losses() {
        Press press(this);
        double m = 0, p = 0, d = 0, h = 0, dt = 0, fp = 0, c = 0, kc = 0, kn = 0;
        press.read(m, box(1), Range::NonNegative);
        if (press.read(p, box(2), Range::NonNegative))
            press.check(p < kVapourPressureLimit, QStringLiteral("“%1”须小于100910").arg(inputName(box(2))));
        press.read(kc, box(8), Range::NonNegative);
        press.read(kn, box(9), Range::NonNegative);
        press.put(working_, [&] { return ResultMaskText(WorkingLoss(m, p, kn, kc), "#########.######"); });
        press.read(d, box(3), Range::NonNegative);
        press.read(h, box(4), Range::NonNegative);
        press.read(dt, box(5), Range::NonNegative);
        press.read(fp, box(6), Range::NonNegative);
        press.read(c, box(7), Range::NonNegative);
        press.put(breathing_, [&] { return ResultMaskText(BreathingLoss(m, p, d, h, dt, fp, c, kc), "#########.######"); });
        if (press.ok() && (m == 0 || p == 0 || d == 0 || h == 0 || dt == 0 || fp == 0 || c == 0 || kc == 0 || kn == 0))
            ShowMessage(QString::fromUtf8(kZeroMessage), this);
    }

    QRadioButton *crude_, *other_;
    QLineEdit *breathing_ = nullptr, *working_ = nullptr;
};

}  // namespace
}  // namespace korrimet::tanks::fixed_roof

using korrimet::tanks::fixed_roof::FixedRoofTankWindow;
KORRIMET_REGISTER_TOOL(FixedRoofTankWindow);
