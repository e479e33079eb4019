#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "common/widgets/live_recompute.h"
#include "common/widgets/press.h"
#include "common/widgets/tool_registry.h"
#include "common/widgets/tool_window.h"
#include "tools/noise/sound_level.h"

namespace korrimet::noise {
namespace {

class LevelSumWindow : public ToolWindow {
public:
    static constexpr const char* kClassName = "噪声源叠加计算程序";
    static constexpr const char* kCaption = "噪声源叠加计算程序";
    LevelSumWindow() : ToolWindow(QString::fromUtf8(kClassName), QString::fromUtf8(kCaption), 7440, 4200) {
        FormBuilder f = form();
        f.label("Label1", "噪声源叠加计算", 240, 180, 3600, 360)->setFont(songti(12, true));
        const char* captions[5] = {"第一个噪声源：", "第二个噪声源：", "第三个噪声源：", "第四个噪声源：",
                                   "第五个噪声源："};
        for (int k = 0; k < 5; ++k) {
            f.label(QString("Label%1").arg(k + 2), captions[k], 240, 780 + 420 * k, 1680, 300);
            levels_[k] = f.textBox(QString("Text%1").arg(k + 1), 1920, 720 + 420 * k, 1200, 330, "0");
        }
        f.label("Label7", "叠加结果=", 240, 2940, 1680, 300);
        result_ = f.textBox("Text6", 1920, 2880, 1200, 330);
        f.label("Label8", "dB（A）", 3200, 2940, 800, 300);
        f.memo("Text7", 4200, 720, 3000, 2490,
               "计算依据：《环境评价上岗培训教材》P181页；最多可算5个噪声源相互叠加后的结果；\n"
               "注意：当噪声源少于5个，其它的噪声源值请输入0\n");
        auto* compute = f.button("Command2", "计算", 1920, 3480, 1095, 420);
        auto* clear = f.button("Command1", "清除", 3240, 3480, 1095, 420);
        setTextColor(result_, kDarkGreen);

        connect(compute, &QPushButton::clicked, this, [this] {
            Press press(this);
            std::array<float, 5> levels{};
            for (int k = 0; k < 5; ++k) press.read(levels[k], levels_[k]);
            press.put(result_, [&] { return EnergySumText(levels); });
        });
        // No source is left, so there is no sum to show.
        connect(clear, &QPushButton::clicked, this, [this] {
            for (QLineEdit* box : levels_) box->setText("0");
            result_->clear();
            Press::unmark(result_);
        });
    }

private:
    std::array<QLineEdit*, 5> levels_{};
    QLineEdit* result_;
};

class AttenuationWindow : public ToolWindow {
public:
    static constexpr const char* kClassName = "噪声源衰减计算程序";
    static constexpr const char* kCaption = "噪声源衰减计算程序";
    AttenuationWindow() : ToolWindow(QString::fromUtf8(kClassName), QString::fromUtf8(kCaption), 7200, 2880) {
        FormBuilder f = form();
        f.label("Label1", "噪声源衰减计算", 240, 180, 3600, 360)->setFont(songti(12, true));
        f.label("Label2", "点声源：", 240, 780, 2160, 300);
        source_ = f.textBox("Text1", 2400, 720, 1200, 330, "75");
        f.label("Label3", "距点声源X米处：", 240, 1260, 2160, 300);
        distance_ = f.textBox("Text2", 2400, 1200, 1200, 330, "50");
        f.label("Label4", "距点声源X米处结果=", 240, 1740, 2160, 300);
        result_ = f.textBox("Text6", 2400, 1680, 1200, 330, " ");
        f.memo("Text7", 3960, 720, 3000, 1290,
               "计算依据：《环境评价上岗培训教\n材》P185页；计算距点声源X米处衰减结果值！\n");
        setTextColor(result_, kDarkGreen);

        auto run = [this] {
            Press press(this, PressMode::Live);
            float source = 0, distance = 0;
            press.read(distance, distance_, Range::Positive);
            press.read(source, source_);
            press.put(result_, [&] { return AttenuationText(source, distance); });
        };
        (new LiveRecompute(this))->onChange({source_, distance_}, run).onClick({result_}, run);
    }

private:
    QLineEdit *source_, *distance_, *result_;
};

class DifferenceWindow : public ToolWindow {
public:
    static constexpr const char* kClassName = "分贝相减运算1";
    static constexpr const char* kCaption = "分贝相减运算";

    DifferenceWindow() : ToolWindow(QString::fromUtf8(kClassName), QString::fromUtf8(kCaption), 6240, 2400) {
        FormBuilder f = form();
        f.label("Label1", "分贝相减运算", 240, 180, 3600, 360)->setFont(songti(12, true));
        f.label("Label2", "被减数[dB]", 480, 900, 1200, 300);
        f.label("Label3", "减数[dB]", 2520, 900, 1200, 300);
        f.label("Label4", "差[dB]", 4560, 900, 1200, 300);
        minuend_ = f.textBox("Text1", 480, 1260, 1200, 360, "68");
        subtrahend_ = f.textBox("Text2", 2520, 1260, 1200, 360, "65");
        result_ = f.textBox("Text3", 4560, 1260, 1200, 360);
        // The minus sign between the first two boxes, the equals sign before the result.
        line(f, "Line1", 1920, 1440);
        line(f, "Line2", 3960, 1380);
        line(f, "Line3", 3960, 1500);
        setTextColor(result_, kDarkGreen);

        auto run = [this] {
            Press press(this, PressMode::Live);
            double a = 0, b = 0;
            press.read(a, minuend_);
            press.read(b, subtrahend_);
            press.put(result_, [&] { return DifferenceText(a, b); });
        };
        (new LiveRecompute(this))->onChange({minuend_, subtrahend_}, run).onClick({result_}, run);
    }

private:
    static void line(FormBuilder& f, const QString& name, int left, int top) {
        auto* l = f.place(new QFrame, name, left, top, 360, 30);
        l->setFrameShape(QFrame::HLine);
        l->setLineWidth(2);
    }

    QLineEdit *minuend_, *subtrahend_, *result_;
};

}  // namespace
}  // namespace korrimet::noise

using korrimet::noise::AttenuationWindow;
using korrimet::noise::DifferenceWindow;
using korrimet::noise::LevelSumWindow;
KORRIMET_REGISTER_TOOL(LevelSumWindow);
KORRIMET_REGISTER_TOOL(AttenuationWindow);
KORRIMET_REGISTER_TOOL(DifferenceWindow);
