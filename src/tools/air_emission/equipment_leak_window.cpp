#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QTextBrowser>
#include <algorithm>

#include "common/widgets/live_recompute.h"
#include "common/widgets/press.h"
#include "common/widgets/stored_page.h"
#include "common/widgets/tool_registry.h"
#include "common/widgets/tool_window.h"
#include "tools/air_emission/air_form.h"
#include "tools/air_emission/leak_vehicle.h"

namespace korrimet::air_emission {
namespace {

class EquipmentLeakWindow : public ToolWindow {
public:
    static constexpr const char* kClassName = "不严密处散发量计算";
    static constexpr const char* kCaption = "不严密处散发量计算";

    EquipmentLeakWindow() : ToolWindow(QString::fromUtf8(kClassName), QString::fromUtf8(kCaption), 5625, 5985) {
        FormBuilder f = form();
        f.label("Label1", "生产设备和管道不严处有害气体散发量", 240, 120, 5145, 360)->setFont(songti(12));
        struct Row {
            const char* caption;
            const char* text;
        };
        const Row rows[] = {{"设备和管道内部容积V：（m^3）：", "20"},
                            {"安全系数K：（1-2之间）：", "1.5"},
                            {"随设备压力而定的系数内C：", "0.169"},
                            {"有害气体或蒸汽的分子量M：", "34"},
                            {"设备内部有害气体或蒸汽的温度T：（℃）：", "100"},
                            {"设备不严密处散发量Gc：（Kg/小时）：", ""}};
        QLineEdit* boxes[6];
        for (int i = 0; i < 6; ++i) {
            const int top = 600 + i * 420;
            f.label(QString("Label%1").arg(2 + i), rows[i].caption, 240, top + 30, 3600, 300);
            boxes[i] = f.textBox(QString("Text%1").arg(1 + i), 3900, top, 1440, 345, rows[i].text);
        }
        std::copy(boxes, boxes + 5, inputs_);
        result_ = boxes[5];
        result_->setFont(songti(9, true));
        setTextColor(result_, kDarkGreen);

        QGroupBox* frame = f.frame("Frame1", "计算来源：《八五环境统计手册》P83", 120, 3240, 5385, 2625);
        FormBuilder inFrame(frame);
        QTextBrowser* help =
            storedPage(inFrame, "Text7", ":/air_emission/leak_pressure_coefficients.html", 90, 300, 5205, 2235);
        help->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        setBackground(help, palette().color(QPalette::ToolTipBase));

        // Wired after the default texts, so opening the window computes nothing.
        auto recompute = [this] { this->recompute(); };
        (new LiveRecompute(this))
            ->onChange({inputs_[0], inputs_[1], inputs_[2], inputs_[3], inputs_[4]}, recompute)
            .onClick({result_}, recompute);
    }

private:
    // While the user types: a bad entry clears and marks the result, no box pops up.
    void recompute() {
        Press press(this, PressMode::Live);
        LeakInput in;
        press.read(in.volume, inputs_[0], Range::NonNegative);
        press.read(in.safety, inputs_[1], Range::NonNegative);
        press.read(in.coefficient, inputs_[2], Range::NonNegative);
        press.read(in.molecular, inputs_[3], Range::NonNegative);
        if (press.read(in.temperature, inputs_[4]))
            press.check(in.temperature > -273, QStringLiteral("设备内部温度须高于-273℃"));
        float rate = 0;
        if (press.ok()) LeakRate(rate, in, press.steps());
        press.put(result_, [&] { return NumberText(rate); });
    }

    QLineEdit* inputs_[5];
    QLineEdit* result_;
};

}  // namespace
}  // namespace korrimet::air_emission

using korrimet::air_emission::EquipmentLeakWindow;
KORRIMET_REGISTER_TOOL(EquipmentLeakWindow);
