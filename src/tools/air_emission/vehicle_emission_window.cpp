#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTextBrowser>

#include "common/widgets/live_recompute.h"
#include "common/widgets/press.h"
#include "common/widgets/stored_page.h"
#include "common/widgets/tool_registry.h"
#include "common/widgets/tool_window.h"
#include "tools/air_emission/leak_vehicle.h"

namespace korrimet::air_emission {
namespace {

class VehicleEmissionWindow : public ToolWindow {
public:
    static constexpr const char* kClassName = "机动车污染物排放";
    static constexpr const char* kCaption = "机动车污染物排放";

    VehicleEmissionWindow()
        : ToolWindow(QString::fromUtf8(kClassName), QString::fromUtf8(kCaption), 9345, 5745) {
        FormBuilder f = form();
        // The factor table as drawn in the handbook: 583 × 265 pixels.
        storedPage(f, "Picture1", ":/air_emission/vehicle_factors.html", 300, 120, 583 * 15, 265 * 15);

        QGroupBox* frame = f.frame("Frame1", "机动车排放污染物计算： 《八五环境统计手册》P298", 300, 4320, 8745, 1200);
        FormBuilder in(frame);
        in.label("Label1", "排放系数：", 240, 480, 1080, 300);
        factor_ = in.textBox("Text4", 1320, 420, 1560, 345, "169");
        in.label("Label2", "燃油量：", 3120, 480, 900, 300);
        fuel_ = in.textBox("Text5", 4020, 420, 1560, 345, "256");
        in.label("Label3", "污染物排放量：", 5820, 480, 1440, 300);
        result_ = in.textBox("Text6", 7260, 420, 1320, 345);

        auto recompute = [this] { this->recompute(); };
        (new LiveRecompute(this))->onChange({factor_, fuel_}, recompute).onClick({result_}, recompute);
    }

private:
    void recompute() {
        Press press(this, PressMode::Live);
        double factor = 0, fuel = 0;
        press.read(factor, factor_, Range::NonNegative);
        press.read(fuel, fuel_, Range::NonNegative);
        float amount = 0;
        if (press.ok()) VehicleEmission(amount, factor, fuel, press.steps());
        press.put(result_, [&] { return NumberText(amount); });
    }

    QLineEdit *factor_, *fuel_, *result_;
};

}  // namespace
}  // namespace korrimet::air_emission

using korrimet::air_emission::VehicleEmissionWindow;
KORRIMET_REGISTER_TOOL(VehicleEmissionWindow);
