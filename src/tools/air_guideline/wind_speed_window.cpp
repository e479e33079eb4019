#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>

#include "common/widgets/press.h"
#include "common/widgets/qt_text.h"
#include "common/widgets/report_box.h"
#include "common/widgets/stored_page.h"
#include "common/widgets/stored_table.h"
#include "common/widgets/tool_registry.h"
#include "common/widgets/tool_window.h"
#include "tools/air_guideline/wind_speed.h"

namespace korrimet::air_guideline {
namespace {

const WindExponentTable& exponents() {
    static const WindExponentTable table =
        loadStoredTable(":/air_guideline/data/wind_exponents.txt", LoadWindExponents);
    return table;
}

class WindSpeedWindow : public ToolWindow {
public:
    static constexpr const char* kClassName = "烟囱出口风速计算1";
    static constexpr const char* kCaption = "烟囱出口风速计算";

    WindSpeedWindow() : ToolWindow(QString::fromUtf8(kClassName), QString::fromUtf8(kCaption), 6000, 6480) {
        FormBuilder f = form();
        QGroupBox* inputs = f.frame("Frame1", "", 120, 60, 5760, 3420);
        FormBuilder in(inputs);
        in.label("Label1", "地面10米高处风速 U10 [m/s]：", 180, 300, 3300, 270);
        u10_ = in.textBox("Text1", 3600, 255, 1500, 315, "2");
        in.label("Label2", "烟囱几何高度       H [ m ]：", 180, 720, 3300, 270);
        height_ = in.textBox("Text2", 3600, 675, 1500, 315, "60");
        in.label("Label3", "风幂指数", 180, 1140, 1080, 270);
        direct_ = in.option("Option1", "直接输入    ：", 1320, 1110, 2200, 330);
        exponent_ = in.textBox("Text3", 3600, 1095, 1500, 315, "0.2");
        standard_ = in.option("Option2", "按国标推荐值：", 1320, 1530, 2200, 330);

        QGroupBox* table = in.frame("Frame2", "", 1200, 1920, 4380, 1380);
        FormBuilder t(table);
        t.label("Label4", "大气稳定度等级：", 120, 240, 1800, 270);
        QStringList classes;
        for (const WindExponentRow& row : exponents()) classes << qtext(row.stability);
        stability_ = t.combo("Combo1", 2400, 195, 1500, 315, classes, /*editable=*/false);
        t.label("Label5", "项目所在位置  ：", 120, 660, 1800, 270);
        rural_ = t.option("Option3", "农村或城市远郊", 2400, 630, 1900, 330);
        urban_ = t.option("Option4", "城市或城市近郊", 2400, 960, 1900, 330);

        compute_ = f.button("Command1", "刷新结果", 120, 3600, 1575, 375);
        report_ = f.richText("RichTextBox1", 120, 4095, 5760, 2265);
        setStoredNote(report_, resourceText(":/air_guideline/data/wind_speed_note.html"));

        connect(standard_, &QRadioButton::toggled, this, [this](bool on) { setStandardMode(on); });
        connect(compute_, &QPushButton::clicked, this, [this] { compute(); });
        direct_->setChecked(true);
        setStandardMode(false);
        rural_->setChecked(true);
    }

private:
    // Direct input enables the typed exponent; the standard values enable the table's choices.
    void setStandardMode(bool standard) {
        rural_->setEnabled(standard);
        urban_->setEnabled(standard);
        stability_->setEnabled(standard);
        exponent_->setEnabled(!standard);
    }

    void compute() {
        WindSpeedInput in;
        in.u10 = u10_->text().toStdString();
        in.height = height_->text().toStdString();
        in.exponent = exponent_->text().toStdString();
        in.standardExponent = standard_->isChecked();
        in.stability = stability_->currentText().toStdString();
        in.location = rural_->isChecked() ? SiteLocation::Rural : SiteLocation::Urban;

        Press press(this);
        double u10 = 0, height = 0, p = 0, u = 0;
        if (in.standardExponent) {
            const std::optional<double> found = WindExponent(exponents(), in.stability, in.location);
            if (!found) {
                press.fail(QStringLiteral("未选择大气稳定度等级"));
                setReport(report_, qtext(kNoExponentText));
                return;
            }
            p = *found;
        }
        press.read(u10, u10_, Range::NonNegative);
        press.read(height, height_, Range::NonNegative);
        if (!in.standardExponent) press.read(p, exponent_);
        if (press.ok()) press(QStringLiteral("烟囱出口处平均风速 U"), [&] { u = OutletWindSpeed(u10, height, p); });
        setReport(report_, press.ok() ? joinReportLines(WindSpeedReport(in, u, p)) : press.message());
    }

    QLineEdit *u10_, *height_, *exponent_;
    QRadioButton *direct_, *standard_, *rural_, *urban_;
    QComboBox* stability_;
    QPushButton* compute_;
    QTextEdit* report_;
};

}  // namespace
}  // namespace korrimet::air_guideline

using korrimet::air_guideline::WindSpeedWindow;
KORRIMET_REGISTER_TOOL(WindSpeedWindow);
