#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "common/widgets/model_input.h"
#include "common/widgets/numeric_box.h"
#include "common/widgets/press.h"
#include "common/widgets/tool_registry.h"
#include "common/widgets/tool_window.h"
#include "tools/air_emission/air_form.h"
#include "tools/air_emission/kiln_gas.h"

namespace korrimet::air_emission {
namespace {

const char* const kBasis =
    "计算依据：《环境保护计算手册》石灰窑废气量的计算。"
    "其中，石灰窑气中CO2所占的体积百分比浓度一般在25%-30%之间波动！";

class LimeKilnWindow : public ToolWindow {
public:
    static constexpr const char* kClassName = "石灰窑废气产生量";
    static constexpr const char* kCaption = "石灰窑废气产生量";
    using State = LimeKiln;

    explicit LimeKilnWindow(State& state)
        : ToolWindow(QString::fromUtf8(kClassName), QString::fromUtf8(kCaption), 8190, 5355), s_(state) {
        FormBuilder f = form();
        f.label("Label1", "石灰窑废气量的计算", 240, 120, 4800, 360)->setFont(songti(12));
        const char* captions[] = {"石灰窑年产量(t)：", "生产1吨石灰耗燃料量(kg)：", "燃料炭含量（%）：",
                                  "废气回收利用率（%）：", "窑气中CO2所占体积百分数（%）："};
        for (int i = 0; i < 5; ++i) {
            const int top = 720 + i * 480;
            f.label(QString("Label%1").arg(5 + i), captions[i], 240, top + 45, 3000, 300);
            inputs_[i] = f.textBox(QString("Text%1").arg(1 + i), 3300, top, 1560, 360);
        }
        f.label("Label3", "石灰窑全年排放废气量=", 240, 3285, 3000, 300);
        result_ = f.textBox("Text6", 3300, 3240, 1560, 360, " ");
        f.label("Label4", "标立方米", 4980, 3285, 1000, 300);
        compute_ = f.button("Command2", "计算", 3300, 4080, 1335, 435);
        basis_ = basisBox(f, "Text7", 5160, 720, 2790, 2400, QString::fromUtf8(kBasis));

        for (int i = 0; i < 5; ++i) {
            inputs_[i]->setFont(songti(i < 3 ? 10.5 : 9, true));
            setTextColor(inputs_[i], kDarkGreen);
            attachNumericBox(inputs_[i]);
        }
        result_->setFont(songti(9, true));
        setTextColor(result_, kDarkGreen);

        QWidget* order[] = {inputs_[0], inputs_[2], inputs_[1], inputs_[3], inputs_[4], result_, compute_, basis_};
        for (int i = 0; i + 1 < 8; ++i) setTabOrder(order[i], order[i + 1]);
        inputs_[0]->setFocus();

        connect(compute_, &QPushButton::clicked, this, [this] { compute(); });
    }

private:
    void compute() {
        Press press(this);
        LimeKilnInput in;
        press.read(in.output, inputs_[0], Range::NonNegative);
        press.read(in.fuelPerTonne, inputs_[1], Range::NonNegative);
        press.read(in.carbon, inputs_[2], Range::Percent);
        press.read(in.recovery, inputs_[3], Range::Percent);
        if (press.read(in.co2Share, inputs_[4], Range::Percent))
            press.check(in.co2Share, Range::Positive, inputName(inputs_[4]));
        if (press.ok()) ComputeLimeKiln(s_, in, press.steps());
        press.put(result_, [&] { return NumberText(s_.Q); });
    }

    State& s_;
    LineBox* inputs_[5];
    QLineEdit* result_;
    QPushButton* compute_;
    QPlainTextEdit* basis_;
};

}  // namespace
}  // namespace korrimet::air_emission

using korrimet::air_emission::LimeKilnWindow;
KORRIMET_REGISTER_TOOL(LimeKilnWindow);
