#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "common/widgets/press.h"
#include "common/widgets/stored_page.h"
#include "common/widgets/tool_registry.h"
#include "common/widgets/tool_window.h"
#include "tools/air_emission/air_form.h"
#include "tools/air_emission/incineration.h"

namespace korrimet::air_emission {
namespace {

class IncinerationWindow : public ToolWindow {
public:
    static constexpr const char* kClassName = "焚烧垃圾烟尘排放量";
    static constexpr const char* kCaption = "焚烧垃圾烟尘排放量";
    using State = Incineration;

    explicit IncinerationWindow(State& state)
        : ToolWindow(QString::fromUtf8(kClassName), QString::fromUtf8(kCaption), 8445, 5805),
          s_(state),
          factors_(storedFactorTable(":/air_emission/incineration_factors.txt")) {
        FormBuilder f = form();
        f.label("Label1", "焚烧垃圾相关污染物排放量的计算", 240, 120, 5000, 360)->setFont(songti(12));

        // Label2 is a control array on the form; its elements keep their numbers.
        auto top = [](int index) { return 720 + index * 540; };
        auto row = [&](int index, int element, const char* caption) {
            return f.label(QString("Label2(%1)").arg(element), caption, 240, top(index) + 45, 2880, 300);
        };
        row(0, 4, "请选择焚烧方式：");
        mode_ = f.combo("Combo4", 3120, top(0), 1920, 345, qitems({kIncinerator, kOpenBurning}), false);
        furnaceLabel_ = row(1, 3, "请选择焚烧炉类型：");
        furnace_ = f.combo("Combo1", 3120, top(1), 1920, 345, qitems(factors_.column(1, {kIncinerator})), false);
        row(2, 0, "请选择焚烧垃圾种类：");
        refuse_ = f.combo("Combo2", 3120, top(2), 1920, 345, qitems(factors_.column(1, {kOpenBurning})));
        row(3, 1, "请选择排放污染物种类：");
        pollutant_ = f.combo("Combo3", 3120, top(3), 1920, 345, qitems(factors_.column(2, {kOpenBurning})));
        efficiencyLabel_ = row(4, 2, "请输入污染物的处理效率（%）：");
        efficiency_ = f.textBox("Text1", 3120, top(4), 1920, 345, "90");
        row(5, 5, "焚烧垃圾的量(吨)：");
        amount_ = f.textBox("Text2", 3120, top(5), 1920, 345, "2000");

        compute_ = f.button("Command2", "计算", 3120, 4080, 1335, 435);
        f.label("Label3", "某种污染物排放量（kg）=", 240, 4785, 2880, 300);
        result_ = f.textBox("Text6", 3120, 4740, 1920, 345, " ");
        for (QWidget* w : std::initializer_list<QWidget*>{mode_, furnace_, refuse_, pollutant_, efficiency_, amount_,
                                                          result_})
            setTextColor(w, kRed);

        basisBox(f, "Text7", 5280, 720, 3045, 4365, resourceText(":/air_emission/incineration_basis.txt"))
            ->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

        connect(mode_, &QComboBox::activated, this, [this] { modeChosen(); });
        connect(compute_, &QPushButton::clicked, this, [this] { compute(); });
    }

private:
    // Open burning has no incinerator and no treatment.
    void modeChosen() {
        const bool incinerator = mode_->currentText().toStdString() != kOpenBurning;
        for (QWidget* w : std::initializer_list<QWidget*>{furnace_, furnaceLabel_, efficiencyLabel_, efficiency_})
            w->setVisible(incinerator);
    }

    void compute() {
        const IncinerationChoice choice{mode_->currentText().toStdString(), furnace_->currentText().toStdString(),
                                        refuse_->currentText().toStdString(),
                                        pollutant_->currentText().toStdString()};
        Press press(this);
        switch (IncinerationGapOf(choice, factors_)) {
        case IncinerationGap::None: break;
        case IncinerationGap::Mode: press.fail(QStringLiteral("请选择焚烧方式")); break;
        case IncinerationGap::Furnace: press.fail(QStringLiteral("请选择焚烧炉类型")); break;
        case IncinerationGap::Refuse: press.fail(QStringLiteral("请选择焚烧垃圾种类")); break;
        case IncinerationGap::Pollutant: press.fail(QStringLiteral("请选择排放污染物种类")); break;
        }
        const bool incinerator = choice.mode == kIncinerator;
        double efficiency = 0, amount = 0;
        if (incinerator) press.read(efficiency, efficiency_, Range::Percent);
        press.read(amount, amount_, Range::NonNegative);
        const std::optional<double> factor = IncinerationFactor(choice, factors_);
        if (press.ok() && factor) {
            if (incinerator)
                ComputeIncinerator(s_, *factor, efficiency, amount, press.steps());
            else
                ComputeOpenBurning(s_, *factor, amount, press.steps());
        }
        press.put(result_, [&] { return NumberText(s_.q); });
    }

    State& s_;
    const FactorTable& factors_;
    QComboBox *mode_, *furnace_, *refuse_, *pollutant_;
    QLabel *furnaceLabel_, *efficiencyLabel_;
    QLineEdit *efficiency_, *amount_, *result_;
    QPushButton* compute_;
};

}  // namespace
}  // namespace korrimet::air_emission

using korrimet::air_emission::IncinerationWindow;
KORRIMET_REGISTER_TOOL(IncinerationWindow);
