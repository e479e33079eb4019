#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "common/widgets/live_recompute.h"
#include "common/widgets/picture_page.h"
#include "common/widgets/model_input.h"
#include "common/widgets/press.h"
#include "common/widgets/qt_text.h"
#include "common/widgets/tool_registry.h"
#include "common/widgets/tool_window.h"
#include "tools/solid_waste/sludge.h"

namespace korrimet::solid_waste {
namespace {

constexpr int kWidth = 5760, kHeight = 6720;
constexpr int kLabelLeft = 120, kLabelWidth = 3300, kBoxLeft = 3480, kBoxWidth = 2040, kRowHeight = 315;
constexpr int kFirstRow = 780, kRowStep = 420;

class SettlingSludgeWindow : public ToolWindow {
public:
    static constexpr const char* kClassName = "沉淀池污泥量";
    static constexpr const char* kCaption = "沉淀池污泥量";

    SettlingSludgeWindow() : ToolWindow(kClassName, kCaption, kWidth, kHeight) {
        setFont(songti(9));
        FormBuilder f = form();
        QLabel* title = f.label("Label1", "沉淀池污泥量的计算", 0, 180, kWidth, 420);
        title->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        title->setFont(songti(12, true));

        QLineEdit* flow = row(f, "Text1", "Label2", "废水流量（米^3/日）：", 0, "1500");
        QLineEdit* in = row(f, "Text2", "Label3", "进水SS浓度（公斤/米^3）：", 1, "30");
        QLineEdit* out = row(f, "Text3", "Label4", "出水SS浓度（公斤/米^3）：", 2, "20");
        QLineEdit* water = row(f, "Text4", "Label5", "污泥含水率（%）：", 3, "10");
        QLineEdit* density = row(f, "Text5", "Label6", "污泥密度（吨/米^3）：", 4, "300");
        QLineEdit* volume = row(f, "Text6", "Label7", "污泥产生量（米^3/天）：", 5, "");

        const int frameTop = kFirstRow + 6 * kRowStep + 60;
        QGroupBox* frame = f.frame("Frame1", "计算依据：《环境统计报表填报指南》P82", 120, frameTop, kWidth - 240,
                                   kHeight - frameTop - 120);
        FormBuilder inFrame(frame);
        pictureView(inFrame, "Image1", ":/solid_waste/pages/settling_sludge_method.html", 120, 300,
                    frame->width() * 15 - 240, frame->height() * 15 - 420);

        auto* live = new LiveRecompute(this);
        live->onChange({flow, in, out, water, density}, [this] { compute(); });
        live->onClick({volume}, [this] { compute(); });
    }

private:
    QLineEdit* row(FormBuilder& f, const char* box, const char* label, const char* caption, int n, const char* text) {
        const int top = kFirstRow + n * kRowStep;
        QLabel* l = f.label(label, QString::fromUtf8(caption), kLabelLeft, top + 30, kLabelWidth, kRowHeight);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        QLineEdit* b = f.textBox(box, kBoxLeft, top, kBoxWidth, kRowHeight, QString::fromUtf8(text));
        setTextColor(b, kDarkGreen);
        return b;
    }

    QLineEdit* box(const char* name) const { return control<QLineEdit>(QString::fromUtf8(name)); }

    // Live: a failed entry clears and marks the volume, with no message box.
    void compute() {
        Press press(this, PressMode::Live);
        SettlingInputs in;
        press.read(in.flow, box("Text1"), Range::NonNegative);
        const bool inflow = press.read(in.inflowSolids, box("Text2"), Range::NonNegative);
        if (press.read(in.outflowSolids, box("Text3"), Range::NonNegative) && inflow)
            press.check(in.outflowSolids <= in.inflowSolids, QStringLiteral("出水SS浓度不能大于进水SS浓度"));
        if (press.read(in.water, box("Text4"), Range::Percent))
            press.check(in.water < 100, QStringLiteral("“%1”须小于100").arg(inputName(box("Text4"))));
        press.read(in.density, box("Text5"), Range::Positive);
        float v = 0;
        if (press.ok()) press([&] { v = SettlingSludgeVolume(in); });
        press.put(box("Text6"), [&] { return NumberText(v); });
    }
};

}  // namespace
}  // namespace korrimet::solid_waste

using korrimet::solid_waste::SettlingSludgeWindow;
KORRIMET_REGISTER_TOOL(SettlingSludgeWindow);
