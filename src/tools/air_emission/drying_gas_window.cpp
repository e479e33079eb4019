#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "common/widgets/press.h"
#include "common/widgets/tool_registry.h"
#include "common/widgets/tool_window.h"
#include "tools/air_emission/air_form.h"
#include "tools/air_emission/drying_evaporation.h"
#include "tools/air_emission/input_column.h"

namespace korrimet::air_emission {
namespace {

const char* const kBasis =
    "计算依据：《环境保护计算手册》干燥废气的计算。"
    "凡从固体物料中借热能使水分汽化而被惰性气体带走可以除去物料水分的方法，称为干燥。"
    "但是并不是所有的固体干燥的废气都要求统计，而只统计含有素有害物质干燥过程的蒸汽！";

class DryingGasWindow : public ToolWindow {
public:
    static constexpr const char* kClassName = "干燥废气计算";
    static constexpr const char* kCaption = "干燥废气计算";
    using State = Drying;

    explicit DryingGasWindow(State& state)
        : ToolWindow(QString::fromUtf8(kClassName), QString::fromUtf8(kCaption), 8430, 5205), s_(state) {
        FormBuilder f = form();
        f.label("Label1", "干燥废气的计算", 240, 120, 4800, 360)->setFont(songti(12));
        const char* captions[] = {"湿物料的初始重量（Kg）：", "物料干燥前的湿度（%）：", "物料干燥后的湿度（%）："};
        inputs_ = placeInputColumn(f, captions, {840, 600, 2880, 3120, 1800, kRed});
        f.label("Label3", "干燥工艺废气产生量（Kg）：", 240, 2925, 4200, 420)->setFont(heiti(14.25, true));
        result_ = f.textBox("Text6", 4440, 2880, 1920, 420, " ");
        result_->setFont(songti(9, true));
        setTextColor(result_, kRed);
        compute_ = f.button("Command2", "计算", 3120, 3900, 1335, 435);
        basis_ = basisBox(f, "Text7", 5160, 720, 3030, 1920, QString::fromUtf8(kBasis));

        QWidget* order[] = {inputs_[0], inputs_[2], inputs_[1], result_, compute_, basis_};
        for (int i = 0; i + 1 < 6; ++i) setTabOrder(order[i], order[i + 1]);
        inputs_[0]->setFocus();

        connect(compute_, &QPushButton::clicked, this, [this] { compute(); });
    }

private:
    void compute() {
        Press press(this);
        DryingInput in;
        press.read(in.weight, inputs_[0], Range::NonNegative);
        press.read(in.before, inputs_[1], Range::Percent);
        press.read(in.after, inputs_[2], Range::Percent);
        if (press.ok() && press.check(in.after != 100, QStringLiteral("干燥后的湿度为100%，物料中没有干物质")))
            ComputeDrying(s_, in, press.steps());
        press.put(result_, [&] { return NumberText(s_.G); });
    }

    State& s_;
    std::array<QLineEdit*, 3> inputs_;
    QLineEdit* result_;
    QPushButton* compute_;
    QPlainTextEdit* basis_;
};

}  // namespace
}  // namespace korrimet::air_emission

using korrimet::air_emission::DryingGasWindow;
KORRIMET_REGISTER_TOOL(DryingGasWindow);
