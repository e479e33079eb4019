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
    "计算依据：《环境保护计算手册》蒸发废量的计算；"
    "蒸发是借加热作用使溶液的溶剂气化，以提高溶液中的溶质浓度，或者使溶质检出的物理操作过程，"
    "在石油化工、轻工等行业中大量采用蒸发工艺。";

class EvaporationGasWindow : public ToolWindow {
public:
    static constexpr const char* kClassName = "蒸发废气排放量";
    static constexpr const char* kCaption = "蒸发废气排放量";
    using State = Evaporation;

    explicit EvaporationGasWindow(State& state)
        : ToolWindow(QString::fromUtf8(kClassName), QString::fromUtf8(kCaption), 8460, 4125), s_(state) {
        FormBuilder f = form();
        f.label("Label1", "蒸发废气的计算", 240, 120, 4800, 360)->setFont(songti(12));
        // "蒸后前" is how the form labels the concentration after evaporation.
        const char* captions[] = {"溶液的初始重量（Kg/h）：", "溶液蒸发前的重量百分比浓度：",
                                  "溶液蒸后前的重量百分比浓度："};
        inputs_ = placeInputColumn(f, captions, {720, 540, 3240, 3480, 1680, kDarkGreen});
        f.label("Label3", "溶液的蒸发量（Kg/h）：", 240, 2445, 3240, 300);
        result_ = f.textBox("Text6", 3480, 2400, 1680, 375, " ");
        result_->setFont(songti(9, true));
        setTextColor(result_, kDarkGreen);
        compute_ = f.button("Command2", "计算", 3480, 3240, 1335, 435);
        basis_ = basisBox(f, "Text7", 5400, 720, 2820, 2055, QString::fromUtf8(kBasis));

        QWidget* order[] = {basis_, compute_, result_, inputs_[1], inputs_[2], inputs_[0]};
        for (int i = 0; i + 1 < 6; ++i) setTabOrder(order[i], order[i + 1]);
        inputs_[0]->setFocus();

        connect(compute_, &QPushButton::clicked, this, [this] { compute(); });
    }

private:
    void compute() {
        Press press(this);
        EvaporationInput in;
        press.read(in.feed, inputs_[0], Range::NonNegative);
        press.read(in.before, inputs_[1], Range::Percent);
        press.read(in.after, inputs_[2], Range::Percent);
        if (press.ok() && press.check(in.after > 0, QStringLiteral("蒸发后的浓度为0，无法计算蒸发量")))
            ComputeEvaporation(s_, in, press.steps());
        press.put(result_, [&] { return NumberText(s_.E); });
    }

    State& s_;
    std::array<QLineEdit*, 3> inputs_;
    QLineEdit* result_;
    QPushButton* compute_;
    QPlainTextEdit* basis_;
};

}  // namespace
}  // namespace korrimet::air_emission

using korrimet::air_emission::EvaporationGasWindow;
KORRIMET_REGISTER_TOOL(EvaporationGasWindow);
