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
    "计算依据：《环境保护计算手册》白云石窑废气量的计算。"
    "白云石主要含碳酸钙和碳酸镁。煅烧后的白云石主要用做耐火材料。炼钢厂一般都有白云石窑。";

class DolomiteKilnWindow : public ToolWindow {
public:
    static constexpr const char* kClassName = "白云石窑废气量计算";
    static constexpr const char* kCaption = "白云石窑废气量计算";
    using State = DolomiteKiln;

    explicit DolomiteKilnWindow(State& state)
        : ToolWindow(QString::fromUtf8(kClassName), QString::fromUtf8(kCaption), 8430, 5130), s_(state) {
        FormBuilder f = form();
        f.label("Label1", "白云石窑废气量的计算", 240, 120, 5000, 420)->setFont(songti(14.25));
        struct Row {
            const char* box;
            const char* caption;
        };
        const Row rows[] = {{"Text1", "白云石窑年产熟白云石量(t)："}, {"Text2", "生产1吨白云石耗燃料量(kg)："},
                            {"Text3", "燃料炭含量（%）："},           {"Text4", "白云石中氧化镁含量（%）："},
                            {"Text5", "窑气中CO2所占体积百分数（%）："}, {"Text8", "白云石中氧化钙的含量（%）："}};
        LineBox* boxes[6];
        for (int i = 0; i < 6; ++i) {
            const int top = 720 + i * 450;
            f.label(QString("Label%1").arg(5 + i), rows[i].caption, 240, top + 45, 3000, 300);
            boxes[i] = f.textBox(rows[i].box, 3300, top, 1560, 360);
            boxes[i]->setFont(songti(i < 3 ? 10.5 : 9, true));
            setTextColor(boxes[i], kRed);
            attachNumericBox(boxes[i]);
        }
        output_ = boxes[0];
        fuel_ = boxes[1];
        carbon_ = boxes[2];
        magnesia_ = boxes[3];
        co2Share_ = boxes[4];
        lime_ = boxes[5];
        f.label("Label3", "白云石窑全年排放废气量=", 240, 3525, 3000, 300);
        result_ = f.textBox("Text6", 3300, 3480, 1560, 360, " ");
        result_->setFont(songti(9, true));
        setTextColor(result_, kRed);
        f.label("Label4", "标立方米", 4980, 3525, 1000, 300);
        compute_ = f.button("Command2", "计算", 3300, 4200, 1335, 435);
        basis_ = basisBox(f, "Text7", 5160, 720, 3030, 2610, QString::fromUtf8(kBasis));

        QWidget* order[] = {basis_, compute_, result_, co2Share_, magnesia_, fuel_, carbon_, output_, lime_};
        for (int i = 0; i + 1 < 9; ++i) setTabOrder(order[i], order[i + 1]);
        output_->setFocus();

        connect(compute_, &QPushButton::clicked, this, [this] { compute(); });
    }

private:
    void compute() {
        Press press(this);
        DolomiteKilnInput in;
        press.read(in.output, output_, Range::NonNegative);
        press.read(in.fuelPerTonne, fuel_, Range::NonNegative);
        press.read(in.carbon, carbon_, Range::Percent);
        const bool magnesiaRead = press.read(in.magnesia, magnesia_, Range::Percent);
        if (press.read(in.co2Share, co2Share_, Range::Percent))
            press.check(in.co2Share, Range::Positive, inputName(co2Share_));
        if (press.read(in.lime, lime_, Range::Percent) && magnesiaRead)
            press.check(in.magnesia + in.lime <= 100, QStringLiteral("白云石中氧化镁与氧化钙的含量之和不能超过100%"));
        if (press.ok()) ComputeDolomiteKiln(s_, in, press.steps());
        press.put(result_, [&] { return NumberText(s_.R); });
    }

    State& s_;
    QLineEdit *output_, *fuel_, *carbon_, *magnesia_, *co2Share_, *lime_, *result_;
    QPushButton* compute_;
    QPlainTextEdit* basis_;
};

}  // namespace
}  // namespace korrimet::air_emission

using korrimet::air_emission::DolomiteKilnWindow;
KORRIMET_REGISTER_TOOL(DolomiteKilnWindow);
