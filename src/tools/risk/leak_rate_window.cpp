#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <vector>

#include "common/widgets/live_recompute.h"
#include "common/widgets/qt_text.h"
#include "common/widgets/stored_page.h"
#include "common/widgets/tool_registry.h"
#include "common/widgets/tool_window.h"
#include "platform/message_service.h"
#include "tools/risk/leak_rate.h"

namespace korrimet::risk {
namespace {

QString lines(const QStringList& l, bool breakAfterLast = false) {
    return l.join('\n') + (breakAfterLast ? "\n" : "");
}
QString spaces(int n) { return QString(n, ' '); }

// A labelled input box whose text is read as a Single before the computation starts.
struct Input {
    QString label;
    QLineEdit* box;
    float* target;
};

// Reads every box in order; the first that holds no number is named in a
// message and gets the focus, and nothing is computed.
bool readInputs(QWidget* window, const std::vector<Input>& inputs) {
    for (const Input& in : inputs) {
        auto value = TryParseNumber(in.box->text(), Precision::Single);
        if (!value) {
            QString name = in.label;
            if (name.startsWith("请输入")) name.remove(0, 3);
            if (name.endsWith("：")) name.chop(1);
            ShowMessage(QString("“%1”中不是有效的数值，请检查输入后重新计算！").arg(name), window);
            in.box->setFocus();
            in.box->selectAll();
            return false;
        }
        *in.target = static_cast<float>(*value);
    }
    return true;
}

// One labelled input row inside the parameter frame.
QLineEdit* inputRow(FormBuilder& f, int index, const QString& label, const QString& name, const QString& text,
                    int top, int labelWidth, int boxWidth) {
    f.label(QString("Label%1").arg(index), label, 120, top + 45, labelWidth, 300);
    return f.textBox(name, 120 + labelWidth, top, boxWidth, 330, text);
}

void formulaPanel(FormBuilder& f, const QString& resource, int left, int pictureHeight, const QString& legend,
                  int legendTop, int legendWidth, int legendHeight) {
    f.label("Label3", "计算公式：", left, 720, 1500, 300);
    // Shown as a picture: no frame, no scrolling.
    QTextBrowser* picture = storedPage(f, "Image1", resource, left, 1080, legendWidth, pictureHeight);
    picture->setFrameShape(QFrame::NoFrame);
    picture->document()->setDocumentMargin(2);
    picture->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    picture->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QLabel* l = f.label("Label2", legend, left, legendTop, legendWidth, legendHeight);
    l->setTextFormat(Qt::PlainText);
    l->setFont(songti(8));
}

class LiquidLeakWindow : public ToolWindow {
public:
    static constexpr const char* kClassName = "液体泄漏速度";
    static constexpr const char* kCaption = "液体泄漏速度";

    LiquidLeakWindow() : ToolWindow(QString::fromUtf8(kClassName), QString::fromUtf8(kCaption), 8445, 4500) {
        FormBuilder top = form();
        top.label("Label1", "风险评价液体泄漏量的计算", 240, 120, 6000, 360)->setFont(songti(12, true));
        FormBuilder f(top.frame("Frame1", "参数输入", 240, 600, 4095, 2745));
        struct Row {
            const char *label, *name, *text;
            float* target;
        };
        const Row rows[] = {
            {"A--裂口面积（m^2）：", "Text1", "0.02", &in_.area},
            {"Cd--液体泄漏系数：", "Text7", "0.62", &in_.discharge},
            {"P--容器介质压力（Pa）：", "Text2", "120000", &in_.pressure},
            {"P0--环境压力（Pa）：", "Text3", "101325", &in_.ambient},
            {"h--裂口之上液位高度（m）：", "Text4", "5", &in_.height},
            {"ρ--液体密度（Kg/m3）：", "Text5", "800", &in_.density},
        };
        int k = 0;
        for (const Row& r : rows) {
            QLineEdit* box = inputRow(f, 10 + k, r.label, r.name, r.text, 300 + 390 * k, 2760, 1095);
            inputs_.push_back({r.label, box, r.target});
            ++k;
        }
        // Converted in the order of the computation, not of the screen.
        std::swap(inputs_[0], inputs_[1]);
        auto* compute = top.button("Command1", "计算", 240, 3450, 4035, 360);
        top.label("Label4", "QL--液体泄漏速度（Kg/s）：", 240, 4020, 2520, 300);
        result_ = top.textBox("Text6", 2760, 3975, 1575, 330);
        setTextColor(result_, kDarkGreen);
        formulaPanel(top, ":/risk/leak_liquid_formula.html", 4920, 690,
                     lines({"式中：", spaces(5) + "QL--液体泄漏速度，kg/s；",
                            spaces(5) + "Cd--液体泄漏系数，此值常用0.6-0.64。", spaces(5) + "A--裂口面积，m2；",
                            spaces(5) + "P--容器内介质压力，Pa；", spaces(5) + "P0--环境压力，Pa；" + spaces(3),
                            spaces(5) + "g --重力加速度。" + spaces(21) + "ρ--液体密度（Kg/m3）" + spaces(16) +
                                "h --裂口之上液位高度，m。",
                            spaces(5) + "本法的限制条件：液体在喷口内不应有急剧蒸发。"},
                           true),
                     1800, 3255, 2430);

        connect(compute, &QPushButton::clicked, this, [this] {
            if (readInputs(this, inputs_)) result_->setText(qtext(NumberText(LiquidLeakRate(in_))));
        });
    }

private:
    LiquidLeak in_;
    std::vector<Input> inputs_;
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
        auto row = [&](int k, const char* label, const char* name, const char* text, float* target) {
            QLineEdit* box = inputRow(f, 10 + k, label, name, text, 300 + 390 * k, 2700, 1395);
            inputs_.push_back({label, box, target});
        };
        row(0, "请输入裂口面积（m2）：", "Text1", "0.02", &s_.area);
        row(1, "请输入容器介质压力（Pa）：", "Text2", "12000", &s_.pressure);
        row(2, "请输入环境压力（Pa）：", "Text3", "10100", &s_.ambient);
        row(3, "气体分子量（m）：", "Text4", "80", &s_.molarMass);
        row(4, "气体温度（K）：", "Text5", "500", &s_.temperature);
        f.label("Label15", "请选择裂口形状：", 120, 300 + 390 * 5 + 45, 2700, 300);
        shape_ = f.combo("Combo1", 2820, 300 + 390 * 5, 1395, 330, {"圆形", "三角形", "长方形"});
        row(6, "气体绝热指数（热容比）：", "Text7", "1.5", &s_.kappa);
        auto* compute = top.button("Command1", "计算", 2040, 3600, 1335, 375);
        top.label("Label4", "气体泄漏速度（Kg/s）：", 240, 4245, 2400, 300);
        result_ = top.textBox("Text6", 2640, 4200, 1935, 330);
        setTextColor(result_, kDarkGreen);
        const QString indent = spaces(8);
        formulaPanel(top, ":/risk/leak_gas_formula.html", 5160, 900,
                     lines({"式中：", spaces(4) + "QG--气体泄漏速度，kg/s；", indent + "P--容器压力，Pa；",
                            indent + "Cd--气体泄漏系数；", "当裂口形状位圆形时取1.00，三角形时取0.95，长方形时取0.90；",
                            indent + "A--裂口面积，m2；", indent + "M--分子量；", indent + "R--气体常数，J/(mol·k)；",
                            indent + "TG--气体温度，K；",
                            indent + "Y --流出系数，" + spaces(25) +
                                "κ--气体的绝热指数（热容比），即定压热容Cp与定容热容CV之比，用来计算临界流；"}),
                     2040, 3495, 2535);

        connect(compute, &QPushButton::clicked, this, [this] {
            if (!readInputs(this, inputs_)) return;
            GasLeakRate(s_, shape_->currentText().toStdString());
            result_->setText(qtext(NumberText(s_.rate)));
        });
    }

private:
    State& s_;
    std::vector<Input> inputs_;
    QComboBox* shape_;
    QLineEdit* result_;
};

class TwoPhaseLeakWindow : public ToolWindow {
public:
    static constexpr const char* kClassName = "两相泄漏量计算";
    static constexpr const char* kCaption = "两相泄漏量计算";

    TwoPhaseLeakWindow() : ToolWindow(QString::fromUtf8(kClassName), QString::fromUtf8(kCaption), 8565, 5040) {
        FormBuilder top = form();
        top.label("Label1", "风险评价液气两相泄漏量的计算", 240, 120, 6000, 360)->setFont(songti(12, true));
        FormBuilder f(top.frame("Frame1", "参数输入", 120, 600, 4575, 3255));
        const std::pair<const char*, const char*> rows[] = {
            {"请输入裂口面积（m2）：", "Text1"},      {"操作压力或容器压力（Pa）：", "Text2"},
            {"两相混合物定压比热J/(kg·K)：", "Text3"}, {"两相混合物的温度，K：", "Text4"},
            {"液体在临界压力下的沸点，K：", "Text5"},  {"液体气化热，J/Kg：", "Text7"},
            {"液体蒸发的蒸气密度，kg/m3：", "Text8"},  {"液体密度，kg/m3：", "Text9"},
        };
        const TwoPhaseTexts defaults;
        const std::string* texts[] = {&defaults.area,         &defaults.pressure,         &defaults.heatCapacity,
                                      &defaults.temperature,  &defaults.boilingPoint,     &defaults.vaporisationHeat,
                                      &defaults.vapourDensity, &defaults.liquidDensity};
        for (int k = 0; k < 8; ++k)
            boxes_[k] = inputRow(f, 10 + k, rows[k].first, rows[k].second, qtext(*texts[k]), 270 + 370 * k, 2940,
                                 1395);
        top.label("Label4", "两相流泄速度（Kg/s）：", 120, 4245, 2400, 300);
        result_ = top.textBox("Text6", 2520, 4200, 2040, 330);
        setTextColor(result_, kDarkGreen);
        warning_ = top.label("FlashWarning", "", 120, 4620, 8300, 300);
        setTextColor(warning_, kRed);
        const QString indent = spaces(8);
        formulaPanel(top, ":/risk/leak_two_phase_formula.html", 5040, 450,
                     lines({"式中：", spaces(4) + "QLG--两相流泄漏速度，kg/s；", indent + "Cd--两相流泄漏系数，可取0.8；",
                            indent + "A --裂口面积，m2；", indent + "P --操作压力或容器压力，Pa；",
                            indent + "PC --临界压力，Pa，可取PC=0.55P；",
                            spaces(7) + "ρm--两相混合物的平均密度，kg/m3；" + spaces(36) +
                                "注意：当FV＞1时，表明液体将全部蒸发成气体，这时应按气体泄漏计算；如果FV很小，则可近似地按液"
                                "体泄漏公式计算。"}),
                     1560, 3255, 3135);

        auto run = [this] { compute(); };
        (new LiveRecompute(this))
            ->onChange({boxes_[0], boxes_[1], boxes_[2], boxes_[3], boxes_[4], boxes_[5], boxes_[6], boxes_[7]}, run)
            .onClick({result_}, run);
    }

private:
    void compute() {
        auto s = [&](int k) { return boxes_[k]->text().toStdString(); };
        TwoPhaseTexts in{s(0), s(1), s(2), s(3), s(4), s(5), s(6), s(7)};
        TwoPhaseLeak leak = TwoPhaseLeakRate(in);
        // Outside 0..1 the flashing fraction has no physical meaning, nor has the rate built on it.
        const QString fv = qtext(NumberText(leak.vapourFraction));
        switch (CheckFlashFraction(leak)) {
        case FlashFraction::Valid:
            warning_->clear();
            result_->setText(qtext(NumberText(leak.rate)));
            break;
        case FlashFraction::AboveOne:
            warning_->setText("FV=" + fv + "＞1，液体将全部蒸发成气体，不能按两相流计算，请按气体泄漏计算！");
            result_->clear();
            break;
        case FlashFraction::BelowZero:
            warning_->setText("FV=" + fv + "＜0，两相混合物温度低于沸点，液体不会闪蒸，请按液体泄漏计算！");
            result_->clear();
            break;
        }
    }

    std::array<QLineEdit*, 8> boxes_{};
    QLineEdit* result_;
    QLabel* warning_;
};

}  // namespace
}  // namespace korrimet::risk

using korrimet::risk::GasLeakWindow;
using korrimet::risk::LiquidLeakWindow;
using korrimet::risk::TwoPhaseLeakWindow;
KORRIMET_REGISTER_TOOL(LiquidLeakWindow);
KORRIMET_REGISTER_TOOL(GasLeakWindow);
KORRIMET_REGISTER_TOOL(TwoPhaseLeakWindow);
