#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>

#include "common/widgets/press.h"
#include "common/widgets/qt_text.h"
#include "common/widgets/report_box.h"
#include "common/widgets/stored_page.h"
#include "common/widgets/stored_table.h"
#include "common/widgets/tool_registry.h"
#include "common/widgets/tool_window.h"
#include "tools/air_guideline/mixing_layer.h"

namespace korrimet::air_guideline {
namespace {

const MixingTables& mixingTables() {
    static const MixingTables tables{
        loadStoredTable(":/air_guideline/data/mixing_regions.txt", LoadMixingRegions),
        loadStoredTable(":/air_guideline/data/mixing_coefficients.txt", LoadMixingCoefficients),
    };
    return tables;
}

class MixingLayerWindow : public ToolWindow {
public:
    static constexpr const char* kClassName = "混合层高度计算1";
    static constexpr const char* kCaption = "混合层高度计算";

    MixingLayerWindow() : ToolWindow(QString::fromUtf8(kClassName), QString::fromUtf8(kCaption), 6045, 4680) {
        FormBuilder f = form();
        // Created in tab order.
        f.label("Label1", "地面10米高处风速 U10 [m/s]：", 195, 225, 2900, 270);
        u10_ = f.textBox("Text1", 3120, 180, 1200, 315, "2");
        f.label("Label2", "大气稳定度等级：", 195, 645, 2900, 270);
        stability_ = f.combo("Combo1", 3120, 600, 1200, 315);
        f.label("Label3", "本地区的地理纬度：", 195, 1065, 2900, 270);
        degrees_ = f.textBox("Text2", 3120, 1020, 900, 315, "27");
        f.label("Label4", "度", 4080, 1065, 300, 270);
        minutes_ = f.textBox("Text3", 4440, 1020, 900, 315, "0");
        f.label("Label5", "分", 5400, 1065, 300, 270);
        f.label("Label6", "本地所属行政区域：", 195, 1485, 2900, 270);
        region_ = f.combo("Combo2", 3120, 1440, 2220, 315);
        compute_ = f.button("Command1", "刷新结果", 195, 1920, 1575, 375);
        report_ = f.richText("RichTextBox1", 195, 2460, 5655, 1815);
        setStoredNote(report_, resourceText(":/air_guideline/data/mixing_layer_note.html"));

        // The minutes box stands after the label "度": messages name both by the latitude.
        degrees_->setProperty("inputName", QStringLiteral("本地区的地理纬度（度）"));
        minutes_->setProperty("inputName", QStringLiteral("本地区的地理纬度（分）"));

        for (const MixingCoefficientRow& row : mixingTables().coefficients) stability_->addItem(qtext(row.stability));
        for (const MixingRegion& r : mixingTables().regions) region_->addItem(qtext(r.name));
        for (QComboBox* c : {stability_, region_}) {
            c->setCurrentIndex(-1);
            c->clearEditText();
        }
        connect(compute_, &QPushButton::clicked, this, [this] { compute(); });
    }

private:
    void compute() {
        MixingLayerInput in;
        in.u10 = u10_->text().toStdString();
        in.stability = stability_->currentText().toStdString();
        in.degrees = degrees_->text().toStdString();
        in.minutes = minutes_->text().toStdString();
        in.region = region_->currentText().toStdString();

        Press press(this);
        std::optional<double> u10, latitude;
        double v = 0, degrees = 0, minutes = 0;
        if (press.read(v, u10_, Range::NonNegative)) u10 = v;
        // The latitude may carry its unit: "27度" or "27°", "30分" or "30′".
        const bool degreesRead = press.read(degrees, degrees_, Range::Any, Reading::OwnUnit);
        const bool minutesRead = press.read(minutes, minutes_, Range::NonNegative, Reading::OwnUnit) &&
                                 press.check(minutes < 60, QStringLiteral("地理纬度的分须小于60"));
        if (degreesRead && minutesRead) {
            const double phi = LatitudeOf(degrees, minutes);
            // f vanishes at the equator: the formulas have no value there.
            if (press.check(phi <= 90, QStringLiteral("地理纬度须在-90～90度之间")) &&
                press.check(phi != 0, QStringLiteral("纬度为0时地转参数f为0，无法计算混合层高度")))
                latitude = phi;
        }
        const MixingLayerOutcome out = MixingLayerReport(in, u10, latitude, mixingTables());
        if (press.ok() && !out.failure.empty()) press.fail(QStringLiteral("混合层高度无法计算：") + qtext(out.failure));
        setReport(report_, joinReportLines(out.lines));
    }

    QLineEdit *u10_, *degrees_, *minutes_;
    QComboBox *stability_, *region_;
    QPushButton* compute_;
    QTextEdit* report_;
};

}  // namespace
}  // namespace korrimet::air_guideline

using korrimet::air_guideline::MixingLayerWindow;
KORRIMET_REGISTER_TOOL(MixingLayerWindow);
