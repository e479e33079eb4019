#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "common/stores.h"
#include "common/widgets/numeric_box.h"
#include "common/widgets/press.h"
#include "common/widgets/qt_text.h"
#include "common/widgets/tool_registry.h"
#include "common/widgets/tool_window.h"
#include "tools/fuel/flue_gas.h"

namespace korrimet::fuel {
namespace {

const char* const kHelpText =
    "计算依据：《环境保护计算手册》。先求燃料燃烧所需的理论空气量，再求烟气量；"
    "适用于手烧炉、链条炉、煤粉炉、沸腾炉、油炉、气炉及其他炉型燃用的固体、液体和气体燃料。\n"
    "α0 炉膛空气过剩系数参考值：\n"
    "手烧炉：1.4\n"
    "链条炉、振动炉排、往复炉排：1.3\n"
    "煤粉炉：1.2-1.25\n"
    "沸腾炉：1.05-1.1\n"
    "油炉：1.15-1.2\n"
    "气炉：1.05-1.2\n"
    "其他炉：1.3-1.7\n"
    "漏风系数Δα的选择:\n"
    "炉膛：0.1\n"
    "对流管束：0.15\n"
    "过热器：0.05\n"
    "省煤器：0.1\n"
    "空气预热器：0.1\n"
    "除尘器：0.05\n"
    "钢烟道(每10米)：0.01\n"
    "砖烟道(每10米)：0.05";

class FlueGasWindow : public ToolWindow {
public:
    static constexpr const char* kClassName = "燃料燃烧燃气产生量";
    static constexpr const char* kCaption = "燃料燃烧时产生的燃气量的计算";

    // Window-level Singles: kept while the window is closed and opened again.
    struct State {
        float q = 0, excessAir = 0, leakage = 0, v0 = 0, vy = 0;
    };

    explicit FlueGasWindow(State& state)
        : ToolWindow(QString::fromUtf8(kClassName), QString::fromUtf8(kCaption), 10800, 5160), s_(state) {
        FormBuilder f = form();
        f.label("Label1", "每kg燃料燃烧时产生的烟气量计算", 240, 120, 5400, 360)->setFont(songti(12));
        f.label("Label2", "请选择燃料类型：", 240, 660, 2760, 300);
        combo_ = f.combo("Combo1", 3000, 600, 2400, 345, {"固体燃料", "液体燃料", "气体燃料", "天燃气"});
        f.label("Label3", "燃料热值的选取(以KJ为单位)：", 240, 1140, 2760, 300);
        q_ = f.textBox("Text1", 3000, 1080, 2400, 360);
        f.label("Label4", "α0(空气过剩系数)选取：", 240, 1620, 2760, 300);
        excessAir_ = f.textBox("Text2", 3000, 1560, 2400, 360);
        f.label("Label5", "Δα(漏风系数)选取：", 240, 2100, 2760, 300);
        leakage_ = f.textBox("Text3", 3000, 2040, 2400, 360);
        compute_ = f.button("Command2", "计算", 3000, 2580, 1335, 435);
        // Wide enough for the longest basis, "每千标立方米…".
        perKgLabel_ = f.label("Label6", {}, 240, 3240, 3300, 300);
        perKg_ = f.textBox("Text4", 3540, 3180, 1860, 345);
        f.label("Label7", "标立方米", 5520, 3240, 1000, 300);
        perTonneLabel_ = f.label("Label8", {}, 240, 3720, 3300, 300);
        perTonne_ = f.textBox("Text6", 3540, 3660, 1860, 345);
        f.label("Label9", "标立方米", 5520, 3720, 1000, 300);
        f.label("Label10", "注：当燃料类型为天燃气时，漏风系数可以不填写，程序自动取值为0", 240, 4320, 9000, 300);
        help_ = f.memo("Text5", 6600, 600, 3960, 3420, QString::fromUtf8(kHelpText));

        for (QWidget* w : {static_cast<QWidget*>(combo_), static_cast<QWidget*>(perKg_),
                           static_cast<QWidget*>(perTonne_)}) {
            w->setFont(songti(9, true));
            setTextColor(w, kDarkGreen);
        }
        for (LineBox* box : {q_, excessAir_, leakage_}) {
            box->setFont(songti(10.5, true));
            setTextColor(box, kDarkGreen);
            attachNumericBox(box);
        }

        setTabOrder(excessAir_, leakage_);
        setTabOrder(leakage_, perKg_);
        setTabOrder(perKg_, q_);
        setTabOrder(q_, help_);
        setTabOrder(help_, perTonne_);
        setTabOrder(perTonne_, compute_);
        setTabOrder(compute_, combo_);
        excessAir_->setFocus();

        showBasis();
        connect(combo_, &QComboBox::currentTextChanged, this, [this] { showBasis(); });
        connect(compute_, &QPushButton::clicked, this, [this] { compute(); });
    }

private:
    // Gas fuels are measured by volume: their heat value and flue gas are per
    // standard cubic metre of gas, not per kilogram.
    void showBasis() {
        const auto fuel = FuelClassOf(combo_->currentText().toStdString());
        const bool byVolume = fuel == FuelClass::Gas || fuel == FuelClass::NaturalGas;
        const char* perUnit = byVolume ? "每标立方米燃料燃烧时产生的烟气量=" : "每kg燃料燃烧时产生的烟气量=";
        const char* perThousand = byVolume ? "每千标立方米燃料燃烧时产生的烟气量=" : "每T燃料燃烧时产生的烟气量=";
        if (perKgLabel_->text() == QString::fromUtf8(perUnit)) return;
        // A result shown must not be read in the other unit.
        perKg_->clear();
        perTonne_->clear();
        perKgLabel_->setText(QString::fromUtf8(perUnit));
        perTonneLabel_->setText(QString::fromUtf8(perThousand));
    }

    // Natural gas needs no leakage entry: its box is set to 0 and not read.
    void compute() {
        Press press(this);
        const auto fuel = FuelClassOf(combo_->currentText().toStdString());
        press.check(fuel.has_value(), QStringLiteral("请选择燃料类型!"));
        press.read(s_.q, q_, Range::Positive);
        press.read(s_.excessAir, excessAir_, Range::Positive);
        if (fuel == FuelClass::NaturalGas) {
            leakage_->setText("0");
            s_.leakage = 0;
        } else {
            press.read(s_.leakage, leakage_, Range::NonNegative);
        }
        if (press.ok()) {
            press([&] { s_.v0 = single(TheoreticalAir(*fuel, s_.q)); });
            press([&] { s_.vy = single(FlueGasVolume(*fuel, s_.q, s_.excessAir, s_.leakage, s_.v0)); });
        }
        press.put(perKg_, [&] { return NumberText(s_.vy); });
        press.put(perTonne_, [&] { return NumberText(single(s_.vy * 1000.0)); });
    }

    State& s_;
    QComboBox* combo_;
    LineBox *q_, *excessAir_, *leakage_;
    QLineEdit *perKg_, *perTonne_;
    QLabel *perKgLabel_, *perTonneLabel_;
    QPlainTextEdit* help_;
    QPushButton* compute_;
};

}  // namespace
}  // namespace korrimet::fuel

using korrimet::fuel::FlueGasWindow;
KORRIMET_REGISTER_TOOL(FlueGasWindow);
