#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>

#include "common/widgets/live_recompute.h"
#include "common/widgets/press.h"
#include "common/widgets/qt_text.h"
#include "common/widgets/report_box.h"
#include "common/widgets/stored_page.h"
#include "common/widgets/tool_registry.h"
#include "common/widgets/tool_window.h"
#include "tools/water/metal_finishing.h"

namespace korrimet::water {
namespace {

std::vector<MetalFactor> storedFactors() {
    std::string error;
    auto factors =
        ParseMetalFinishingFactors(resourceText(":/water_tools/metal_finishing_factors.txt").toStdString(), &error);
    if (!factors) qWarning("metal finishing factors: %s", error.c_str());
    return factors.value_or(std::vector<MetalFactor>{});
}

class MetalFinishingWindow : public ToolWindow {
public:
    static constexpr const char* kClassName = "乡镇企业金属表面及热处理业排污量计算";
    static constexpr const char* kCaption = "乡镇企业金属表面及热处理业排污量计算";

    MetalFinishingWindow()
        : ToolWindow(QString::fromUtf8(kClassName), QString::fromUtf8(kCaption), 8400, 6600),
          factors_(storedFactors()) {
        FormBuilder f = form();
        f.label("Label1", "乡镇企业金属表面及热处理业排污量计算", 240, 120, 7920, 360)->setFont(songti(12));
        f.label("Label2", "请选择行业类别：", 240, 660, 2040, 300);
        process_ = f.combo("Combo1", 2280, 600, 2400, 345, {"氰化电镀", "镀铬", "线路板生产"});
        f.label("Label3", "输入原料或产品量：", 240, 1140, 2040, 300);
        quantity_ = f.textBox("Text1", 2280, 1080, 2400, 345);
        f.label("Label4", "说明：", 4920, 1140, 720, 300);
        prompt_ = f.textBox("Text2", 5640, 1080, 2520, 345);
        QGroupBox* frame = f.frame("Frame1", "产生的污染物", 240, 1620, 7920, 4800);
        FormBuilder inFrame(frame);
        report_ = inFrame.richText("RichTextBox1", 120, 300, 7680, 4380);

        // A pick shows what to type at once; the report follows the next edit.
        auto prompt = [this] { prompt_->setText(qtext(MetalFinishingPrompt(process_->currentText().toStdString()))); };
        connect(process_, &QComboBox::activated, this, prompt);
        connect(process_, &QComboBox::currentIndexChanged, this, prompt);
        (new LiveRecompute(this))->onChange({quantity_}, [this] { recompute(); });
    }

private:
    // While typing: an entry that is no number yet (emptied, a lone point)
    // clears the report and says why in its tip, without a message box.
    void recompute() {
        Press press(this, PressMode::Live);
        double quantity = 0;
        std::string text;
        if (press.read(quantity, quantity_, Range::NonNegative))
            press([&] { text = MetalFinishingReport(factors_, process_->currentText().toStdString(), quantity); });
        if (press.ok()) {
            setReport(report_, qtext(text));
            Press::unmark(report_);
        } else {
            setReport(report_, {});
            press.clear(report_);
        }
    }

    const std::vector<MetalFactor> factors_;
    QComboBox* process_;
    QLineEdit *quantity_, *prompt_;
    QTextEdit* report_;
};

}  // namespace
}  // namespace korrimet::water

using korrimet::water::MetalFinishingWindow;
KORRIMET_REGISTER_TOOL(MetalFinishingWindow);
