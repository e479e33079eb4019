#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "common/widgets/numeric_box.h"
#include "common/widgets/press.h"
#include "common/widgets/qt_text.h"
#include "common/widgets/tool_registry.h"
#include "common/widgets/tool_window.h"
#include "tools/fuel/annual_sulphur.h"

namespace korrimet::fuel {
namespace {

const char* const kHelpText =
    "计算依据：《环境保护计算手册》中二氧化硫排放量的计算。\n"
    "煤中的全硫分包括有机硫、硫铁矿和硫酸盐。有机硫和硫铁矿可以燃烧，生成二氧化硫；"
    "硫酸盐不参与燃烧，留在灰渣中。可燃硫一般占全硫分的70%～90%，平均取80%。\n"
    "由硫的燃烧反应式 S＋O2＝SO2 可知，1kg硫燃烧生成2kg二氧化硫，故每吨煤、每1%的硫分"
    "产生二氧化硫 1000×80%×2×1% ＝16kg：\n"
    "    G1＝16×B×S\n"
    "    G ＝G1×(100－η)/100\n"
    "式中：B--年耗煤量，T；S--煤的硫含量，%；η--脱硫设施处理效率，%。\n"
    "具体各地煤的含硫量请点查看帮助！";

class AnnualSulphurWindow : public ToolWindow {
public:
    static constexpr const char* kClassName = "燃料燃烧SO2计算";
    static constexpr const char* kCaption = "燃料燃烧SO2计算";

    // Window-level Singles, kg: kept while the window is closed and opened again.
    struct State {
        float produced = 0, emitted = 0;
    };

    explicit AnnualSulphurWindow(State& state) : ToolWindow(kClassName, kCaption, 9000, 3660), s_(state) {
        FormBuilder f = form();
        f.label("Label1", "煤燃烧SO2排放量计算", 240, 120, 4200, 360)->setFont(songti(12));
        f.label("Label2", "年耗煤量（T）：", 240, 780, 2400, 300);
        coal_ = f.textBox("Text1", 2640, 720, 1800, 360);
        f.label("Label3", "煤的硫含量（%）：", 240, 1260, 2400, 300);
        sulphur_ = f.textBox("Text2", 2640, 1200, 1800, 360);
        f.label("Label4", "脱硫设施处理效率（%）：", 240, 1740, 2400, 300);
        efficiency_ = f.textBox("Text3", 2640, 1680, 1800, 360);
        compute_ = f.button("Command2", "计算", 2640, 2220, 1335, 435);
        QLabel* resultLabel = f.label("Label5", "全年SO2排放量（T）：", 240, 2880, 2400, 300);
        resultLabel->setFont(songti(10.5, true));
        result_ = f.textBox("Text6", 2640, 2820, 1800, 345, " ");
        help_ = f.memo("Text7", 4680, 720, 4080, 2700, QString::fromUtf8(kHelpText));

        for (LineBox* box : {coal_, sulphur_, efficiency_}) {
            box->setFont(songti(10.5, true));
            setTextColor(box, kDarkGreen);
            attachNumericBox(box);
        }
        result_->setFont(songti(9, true));
        setTextColor(result_, kDarkGreen);

        setTabOrder(coal_, efficiency_);
        setTabOrder(efficiency_, sulphur_);
        setTabOrder(sulphur_, result_);
        setTabOrder(result_, compute_);
        setTabOrder(compute_, help_);
        coal_->setFocus();

        connect(compute_, &QPushButton::clicked, this, [this] { compute(); });
    }

private:
    void compute() {
        Press press(this);
        double coal = 0, sulphur = 0, efficiency = 0;
        press.read(coal, coal_, Range::NonNegative);
        press.read(sulphur, sulphur_, Range::Percent);
        press.read(efficiency, efficiency_, Range::Percent);
        // A formula runs only on entries that stand, so it fails only for itself.
        if (press.ok() && press([&] { s_.produced = SulphurDioxideProduced(coal, sulphur); }))
            press([&] { s_.emitted = SulphurDioxideEmitted(efficiency, s_.produced); });
        press.put(result_, [&] { return NumberText(Tonnes(s_.emitted)); });
    }

    State& s_;
    LineBox *coal_, *sulphur_, *efficiency_;
    QLineEdit* result_;
    QPlainTextEdit* help_;
    QPushButton* compute_;
};

}  // namespace
}  // namespace korrimet::fuel

using korrimet::fuel::AnnualSulphurWindow;
KORRIMET_REGISTER_TOOL(AnnualSulphurWindow);
