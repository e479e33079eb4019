#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>

#include "common/number_text.h"
#include "common/widgets/press.h"
#include "common/widgets/qt_text.h"
#include "common/widgets/report_box.h"
#include "common/widgets/stored_page.h"
#include "common/widgets/stored_table.h"
#include "common/widgets/tool_registry.h"
#include "common/widgets/tool_window.h"
#include "tools/air_guideline/plume_rise.h"

namespace korrimet::air_guideline {
namespace {

const QString kWindSpeedTool = QStringLiteral("烟囱出口风速计算1");

const GradientPresetTable& gradientPresets() {
    static const GradientPresetTable table =
        loadStoredTable(":/air_guideline/data/gradient_presets.txt", LoadGradientPresets);
    return table;
}

const RiseCoefficientTable& riseCoefficients() {
    static const RiseCoefficientTable table =
        loadStoredTable(":/air_guideline/data/rise_coefficients.txt", LoadRiseCoefficients);
    return table;
}

class PlumeRiseWindow : public ToolWindow {
public:
    static constexpr const char* kClassName = "烟气抬升高度计算1";
    static constexpr const char* kCaption = "烟气抬升高度计算";

    PlumeRiseWindow() : ToolWindow(QString::fromUtf8(kClassName), QString::fromUtf8(kCaption), 10500, 8760) {
        FormBuilder f = form();
        QGroupBox* stack = f.frame("Frame1", "污染源参数", 120, 60, 4800, 3480);
        FormBuilder s(stack);
        s.label("Label1", "烟筒几何高度    H [  m  ]：", 120, 345, 3000, 270);
        height_ = s.textBox("Text1", 3240, 300, 1400, 315, "60");
        s.label("Label2", "烟筒出口直径    H [  m  ]：", 120, 795, 3000, 270);
        diameter_ = s.textBox("Text2", 3240, 750, 1400, 315, "1");
        s.label("Label3", "烟筒出口烟气量  Qv[m^3/s]：", 120, 1245, 3000, 270);
        flow_ = s.textBox("Text3", 3240, 1200, 1400, 315, "10");
        s.label("Label4", "烟筒出口烟气温度Ts[  ℃ ]：", 120, 1695, 3000, 270);
        gasTemperature_ = s.textBox("Text4", 3240, 1650, 1400, 315, "100");

        QGroupBox* air = f.frame("Frame2", "污染源参数", 5040, 60, 5340, 3480);
        FormBuilder a(air);
        a.label("Label5", "大气稳定度等级           ：", 120, 345, 3000, 270);
        QStringList classes;
        for (const GradientPreset& p : gradientPresets()) classes << qtext(p.stability);
        stability_ = a.combo("Combo1", 3240, 300, 1440, 315, classes, /*editable=*/false);
        a.label("Label6", "地面风速(10米) U10[ m/s ]：", 120, 795, 3000, 270);
        windSpeed10_ = a.textBox("Text7", 3240, 750, 1440, 315, "2");
        a.label("Label7", "烟筒出口风速     U[ m/s ]：", 120, 1245, 3000, 270);
        outletWindSpeed_ = a.textBox("Text6", 3240, 1200, 1440, 315, "3");
        windSpeedTool_ = a.button("Command1", "...", 4740, 1200, 420, 315);
        a.label("Label8", "环境大气温度     T[  ℃ ]：", 120, 1695, 3000, 270);
        airTemperature_ = a.textBox("Text5", 3240, 1650, 1440, 315, "15");
        a.label("Label9", "大气温度梯度   dTdZ[ K/m]：", 120, 2145, 3000, 270);
        gradient_ = a.textBox("Text8", 3240, 2100, 1440, 315, "-0.0098");
        a.label("Label10", "大气比标压      Pa[ atm ]：", 120, 2595, 3000, 270);
        pressureRatio_ = a.textBox("Text9", 3240, 2550, 1440, 315, "1");
        a.label("Label11", "项目所在位置：", 120, 3015, 1500, 270);
        rural_ = a.option("Option1", "农村或城市远郊", 1620, 2985, 1800, 330);
        a.option("Option2", "城市或城市近郊", 3480, 2985, 1800, 330);

        compute_ = f.button("Command2", "刷新结果", 120, 3660, 1575, 375);
        report_ = f.richText("RichTextBox1", 120, 4155, 10260, 4500);
        setStoredNote(report_, resourceText(":/air_guideline/data/plume_rise_note.html"));

        rural_->setChecked(true);
        connect(stability_, &QComboBox::activated, this, [this] { presetGradient(); });
        connect(windSpeedTool_, &QPushButton::clicked, this, [] { OpenTool(kWindSpeedTool); });
        connect(compute_, &QPushButton::clicked, this, [this] { compute(); });
    }

private:
    void presetGradient() {
        if (const std::optional<double> g = GradientPresetOf(gradientPresets(), stability_->currentText().toStdString()))
            gradient_->setText(qtext(NumberText(*g)));
    }

    void compute() {
        PlumeRiseInput in;
        in.height = height_->text().toStdString();
        in.diameter = diameter_->text().toStdString();
        in.flow = flow_->text().toStdString();
        in.gasTemperature = gasTemperature_->text().toStdString();
        in.windSpeed10 = windSpeed10_->text().toStdString();
        in.outletWindSpeed = outletWindSpeed_->text().toStdString();
        in.airTemperature = airTemperature_->text().toStdString();
        in.gradient = gradient_->text().toStdString();
        in.pressureRatio = pressureRatio_->text().toStdString();
        in.stability = stability_->currentText().toStdString();
        in.location = rural_->isChecked() ? SiteLocation::Rural : SiteLocation::Urban;

        // The entries that choose the formula must all be sound.
        Press press(this);
        PlumeRiseNumbers n;
        press.read(n.pressureRatio, pressureRatio_, Range::Positive);
        if (press.read(n.gasTemperature, gasTemperature_))
            press.check(n.gasTemperature > -kZeroCelsius, QStringLiteral("烟气温度须高于-273.15℃"));
        if (press.read(n.airTemperature, airTemperature_))
            press.check(n.airTemperature > -kZeroCelsius, QStringLiteral("环境大气温度须高于-273.15℃"));
        press.read(n.flow, flow_, Range::NonNegative);
        press.read(n.outletWindSpeed, outletWindSpeed_, Range::NonNegative);
        double qh = 0;
        if (press.ok())
            press(QStringLiteral("烟气热释放率 Qh"),
                  [&] { qh = HeatRelease(n.pressureRatio, n.flow, n.gasTemperature, n.airTemperature); });
        if (!press.ok()) {
            setReport(report_, press.message());
            return;
        }

        const RisePath path =
            ChooseRisePath(in.stability, n.outletWindSpeed, qh, n.gasTemperature - n.airTemperature);
        auto readIfNumber = [&](std::optional<double>& target, QLineEdit* box, Range range) {
            double v = 0;
            if (press.read(v, box, range)) target = v;
        };
        readIfNumber(n.height, height_, Range::NonNegative);
        if (RiseNeedsDiameter(path)) readIfNumber(n.diameter, diameter_, Range::Positive);
        if (RiseNeedsGradient(path)) readIfNumber(n.gradient, gradient_, Range::Any);
        const PlumeRiseOutcome out = PlumeRiseReport(in, n, riseCoefficients());
        // A failed entry is named already; otherwise tell why no rise came out.
        if (press.ok() && !out.riseFailure.empty())
            press.fail(QStringLiteral("烟气抬升高度ΔH和有效高度He无法计算：") + qtext(out.riseFailure));
        setReport(report_, joinReportLines(out.lines, "\n", true));
    }

    QLineEdit *height_, *diameter_, *flow_, *gasTemperature_, *windSpeed10_, *outletWindSpeed_, *airTemperature_,
        *gradient_, *pressureRatio_;
    QComboBox* stability_;
    QRadioButton* rural_;
    QPushButton *windSpeedTool_, *compute_;
    QTextEdit* report_;
};

}  // namespace
}  // namespace korrimet::air_guideline

using korrimet::air_guideline::PlumeRiseWindow;
KORRIMET_REGISTER_TOOL(PlumeRiseWindow);
