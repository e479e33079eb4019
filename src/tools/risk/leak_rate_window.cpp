#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <array>
#include <utility>

#include "common/value_range.h"
#include "common/widgets/live_recompute.h"
#include "common/widgets/press.h"
#include "common/widgets/qt_text.h"
#include "common/widgets/stored_page.h"
#include "common/widgets/tool_registry.h"
#include "common/widgets/tool_window.h"
#include "tools/risk/leak_rate.h"

namespace korrimet::risk {
namespace {

// One labelled input row inside the parameter frame.
QLineEdit* inputRow(FormBuilder& f, int index, const QString& label, const QString& name, const QString& text,
                    int top, int labelWidth, int boxWidth) {
    QLabel* l = f.label(QString("Label%1").arg(index), label, 120, top + 45, labelWidth, 285);
    QLineEdit* box = f.textBox(name, 120 + labelWidth, top, boxWidth, 330, text);
    l->setBuddy(box);
    return box;
}

// The formula picture and, below it, the table of its symbols.
void formulaPanel(FormBuilder& f, const QString& formula, const QString& legend, int left, int pictureHeight,
                  int legendTop, int legendWidth, int legendHeight) {
    f.label("Label3", "计算公式：", left, 720, 1500, 300);
    // Shown as a picture: no frame, no scrolling.
    QTextBrowser* picture = storedPage(f, "Image1", formula, left, 1080, legendWidth, pictureHeight);
    picture->setFrameShape(QFrame::NoFrame);
    picture->document()->setDocumentMargin(2);
    picture->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    picture->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QLabel* l = f.label("Label2", resourceText(legend), left, legendTop, legendWidth, legendHeight);
    l->setTextFormat(Qt::RichText);
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

class LiquidLeakWindow : public ToolWindow {
public:
    static constexpr const char* kClassName = "液体泄漏速度";
    static constexpr const char* kCaption = "液体泄漏速度";

    LiquidLeakWindow() : ToolWindow(QString::fromUtf8(kClassName), QString::fromUtf8(kCaption), 8445, 4500) {
        FormBuilder top = form();
        top.label("Label1", "风险评价液体泄漏量的计算", 240, 120, 6000, 360)->setFont(songti(12, true));
        FormBuilder f(top.frame("Frame1", "参数输入", 240, 600, 4095, 2745));
        const std::pair<const char*, const char*> rows[] = {
            {"A--裂口面积（m^2）：", "0.02"},       {"Cd--液体泄漏系数：", "0.62"},
            {"P--容器介质压力（Pa）：", "120000"},   {"P0--环境压力（Pa）：", "101325"},
            {"h--裂口之上液位高度（m）：", "5"},     {"ρ--液体密度（Kg/m3）：", "800"},
        };
        const char* names[] = {"Text1", "Text7", "Text2", "Text3", "Text4", "Text5"};
        for (int k = 0; k < 6; ++k)
            boxes_[k] = inputRow(f, 10 + k, rows[k].first, names[k], rows[k].second, 300 + 390 * k, 2760, 1095);
        auto* button = top.button("Command1", "计算", 240, 3450, 4035, 360);
        top.label("Label4", "QL--液体泄漏速度（Kg/s）：", 240, 4020, 2520, 300);
        result_ = top.textBox("Text6", 2760, 3975, 1575, 330);
        setTextColor(result_, kDarkGreen);
        formulaPanel(top, ":/risk/leak_liquid_formula.html", ":/risk/leak_liquid_legend.html", 4920, 690, 1800, 3255,
                     2655);
        connect(button, &QPushButton::clicked, this, [this] { compute(); });
    }

private:
    void compute() {
        Press press(this);
        LiquidLeak in;
        press.read(in.area, boxes_[0], Range::NonNegative);
        press.read(in.discharge, boxes_[1], Range::Fraction);
        press.read(in.pressure, boxes_[2], Range::NonNegative);
        press.read(in.ambient, boxes_[3], Range::NonNegative);
        press.read(in.height, boxes_[4], Range::NonNegative);
        press.read(in.density, boxes_[5], Range::Positive);
        // Entries that failed would only fail the formula again: say them alone.
        float rate = 0;
        if (press.ok()) rate = LiquidLeakRate(in, press.steps());
        press.put(result_, [&] { return NumberText(rate); });
    }

    std::array<QLineEdit*, 6> boxes_{};
    QLineEdit* result_;
};

class GasLeakWindow : public ToolWindow {
public:
    static constexpr const char* kClassName = "气体泄漏量";
    static constexpr const char* kCaption = "气体泄漏量";
    using State = GasLeakState;

    explicit GasLeakWindow(State& state)
        : ToolWindow(QString::fromUtf8(kClassName), QString::fromUtf8(kCaption), 9180, 4740), s_(state) {
        FormBuilder top = form();
        top.label("Label1", "风险评价气体泄漏量的计算", 240, 120, 6000, 300)->setFont(songti(12, true));
        FormBuilder f(top.frame("Frame1", "参数输入", 240, 480, 4335, 3015));
        auto row = [&](int k, const char* label, const char* name, const char* text) {
            return inputRow(f, 10 + k, label, name, text, 300 + 390 * k, 2700, 1395);
        };
        boxes_ = {row(0, "请输入裂口面积（m2）：", "Text1", "0.02"),
                  row(1, "请输入容器介质压力（Pa）：", "Text2", "12000"),
                  row(2, "请输入环境压力（Pa）：", "Text3", "10100"), row(3, "气体分子量（g/mol）：", "Text4", "80"),
                  row(4, "气体温度（K）：", "Text5", "500"), row(6, "气体绝热指数（热容比）：", "Text7", "1.5")};
        f.label("Label15", "请选择裂口形状：", 120, 300 + 390 * 5 + 45, 2700, 300);
        shape_ = f.combo("Combo1", 2820, 300 + 390 * 5, 1395, 330, {"圆形", "三角形", "长方形"});
        auto* button = top.button("Command1", "计算", 2040, 3600, 1335, 375);
        top.label("Label4", "气体泄漏速度（Kg/s）：", 240, 4245, 2400, 300);
        result_ = top.textBox("Text6", 2640, 4200, 1935, 330);
        setTextColor(result_, kDarkGreen);
        formulaPanel(top, ":/risk/leak_gas_formula.html", ":/risk/leak_gas_legend.html", 5160, 900, 2040, 3855,
                     2640);
        connect(button, &QPushButton::clicked, this, [this] { compute(); });
    }

private:
    void compute() {
        Press press(this);
        press.read(s_.area, boxes_[0], Range::NonNegative);
        press.read(s_.pressure, boxes_[1], Range::Positive);
        press.read(s_.ambient, boxes_[2], Range::NonNegative);
        press.read(s_.molarMass, boxes_[3], Range::Positive);
        press.read(s_.temperature, boxes_[4], Range::Positive);
        // Cp/Cv of every gas exceeds 1; at 1 the outflow formula divides by zero.
        if (press.read(s_.kappa, boxes_[5])) press.check(s_.kappa > 1, "“气体绝热指数（热容比）”须大于1");
        if (press.ok()) GasLeakRate(s_, shape_->currentText().toStdString(), press.steps());
        press.put(result_, [&] { return NumberText(s_.rate); });
    }

    State& s_;
    std::array<QLineEdit*, 6> boxes_{};
    QComboBox* shape_;
    QLineEdit* result_;
};

class TwoPhaseLeakWindow : public ToolWindow {
public:
    static constexpr const char* kClassName = "两相泄漏量计算";
    static constexpr const char* kCaption = "两相泄漏量计算";

    TwoPhaseLeakWindow() : ToolWindow(QString::fromUtf8(kClassName), QString::fromUtf8(kCaption), 8565, 5385) {
        FormBuilder top = form();
        top.label("Label1", "风险评价液气两相泄漏量的计算", 240, 120, 6000, 360)->setFont(songti(12, true));
        FormBuilder f(top.frame("Frame1", "参数输入", 120, 600, 4575, 3255));
        const std::array<std::array<const char*, 3>, 8> rows{{
            {"请输入裂口面积（m2）：", "Text1", "0.02"},
            {"操作压力或容器压力（Pa）：", "Text2", "12000"},
            {"两相混合物定压比热J/(kg·K)：", "Text3", "10100"},
            {"两相混合物的温度，K：", "Text4", "300"},
            {"液体在临界压力下的沸点，K：", "Text5", "260"},
            {"液体气化热，J/Kg：", "Text7", "500"},
            {"液体蒸发的蒸气密度，kg/m3：", "Text8", "1000"},
            {"液体密度，kg/m3：", "Text9", "1200"},
        }};
        for (int k = 0; k < 8; ++k)
            boxes_[k] = inputRow(f, 10 + k, rows[k][0], rows[k][1], rows[k][2], 270 + 370 * k, 2940, 1395);
        top.label("Label4", "两相流泄速度（Kg/s）：", 120, 4245, 2400, 300);
        result_ = top.textBox("Text6", 2520, 4200, 2040, 330);
        setTextColor(result_, kDarkGreen);
        // Why the rate cannot be computed, said while typing.
        status_ = top.label("FlashWarning", "", 120, 4620, 8300, 690);
        status_->setWordWrap(true);
        status_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        formulaPanel(top, ":/risk/leak_two_phase_formula.html", ":/risk/leak_two_phase_legend.html", 5040, 450, 1560,
                     3255, 3000);

        auto run = [this] { compute(); };
        (new LiveRecompute(this))
            ->onChange({boxes_[0], boxes_[1], boxes_[2], boxes_[3], boxes_[4], boxes_[5], boxes_[6], boxes_[7]}, run)
            .onClick({result_}, run);
    }

private:
    void compute() {
        Press press(this, PressMode::Live);
        press.setStatus(status_);
        TwoPhaseInputs in;
        double* targets[] = {&in.area,         &in.pressure,         &in.heatCapacity,  &in.temperature,
                             &in.boilingPoint, &in.vaporisationHeat, &in.vapourDensity, &in.liquidDensity};
        for (int k = 0; k < 8; ++k) press.read(*targets[k], boxes_[k], k < 2 ? Range::NonNegative : Range::Positive);
        TwoPhaseLeak leak;
        if (press.ok()) leak = TwoPhaseLeakRate(in, press.steps());
        press.put(result_, [&] { return NumberText(leak.rate); });
    }

    std::array<QLineEdit*, 8> boxes_{};
    QLineEdit* result_;
    QLabel* status_;
};

}  // namespace
}  // namespace korrimet::risk

using korrimet::risk::GasLeakWindow;
using korrimet::risk::LiquidLeakWindow;
using korrimet::risk::TwoPhaseLeakWindow;
KORRIMET_REGISTER_TOOL(LiquidLeakWindow);
KORRIMET_REGISTER_TOOL(GasLeakWindow);
KORRIMET_REGISTER_TOOL(TwoPhaseLeakWindow);
