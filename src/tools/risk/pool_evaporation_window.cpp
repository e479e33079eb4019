#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabBar>
#include <initializer_list>
#include <utility>
#include <vector>

#include "common/value_range.h"
#include "common/widgets/live_recompute.h"
#include "common/widgets/press.h"
#include "common/widgets/qt_text.h"
#include "common/widgets/tool_registry.h"
#include "common/widgets/tool_window.h"
#include "tools/risk/pool_evaporation.h"

namespace korrimet::risk {
namespace {

const QStringList kTabs{"闪蒸蒸发", "热量蒸发", "质量蒸发", "总蒸发量"};
constexpr Range kAmount = Range::NonNegative, kPositive = Range::Positive;


class PoolEvaporationWindow : public ToolWindow {
public:
    static constexpr const char* kClassName = "风险评价蒸发量";
    static constexpr const char* kCaption = "风险评价蒸发量";

    PoolEvaporationWindow()
        : ToolWindow(QString::fromUtf8(kClassName), QString::fromUtf8(kCaption), 7155, 5340) {
        FormBuilder f = form();
        f.label("Label1", "蒸发量的计算", 240, 150, 6615, 360)->setFont(songti(12));

        tabs_ = f.place(new QTabBar, "TabStrip1", 240, 600, 6615, 375);
        tabs_->setExpanding(false);
        tabs_->setDrawBase(false);
        for (const QString& caption : kTabs) tabs_->addTab(caption);
        tabs_->setTabToolTip(3, "总蒸发量必须在前面三种蒸发量计算完毕后，再输入相应时间，后计算！");
        auto* body = f.place(new QFrame, "TabStrip1Body", 240, 960, 6615, 3645);
        body->setFrameShape(QFrame::StyledPanel);

        // A page: labels on the left, boxes on the right, one row every 375 twips,
        // and at the bottom the reason why its result cannot be computed.
        auto page = [&](const char* name, int statusTop = 2775) {
            QGroupBox* frame = f.frame(name, "", 360, 1020, 6375, 3525);
            frames_.push_back(frame);
            FormBuilder p(frame);
            QLabel* status =
                p.label(QStringLiteral("Status%1").arg(frames_.size()), "", 240, statusTop, 5900, 3480 - statusTop);
            status->setWordWrap(true);
            status->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            status_.push_back(status);
            return p;
        };
        int labelIndex = 2;
        auto row = [&](FormBuilder& p, int k, const char* name, const QString& label, const char* value,
                       bool result = false) {
            const int top = 150 + 375 * k;
            QLabel* l = p.label(QStringLiteral("Label%1").arg(labelIndex++), label, 240, top + 45, 3600, 300);
            QLineEdit* box = p.textBox(name, 3960, top, 1800, 330, value);
            l->setBuddy(box);
            if (result) {
                l->setFont(songti(9, true));
                box->setFont(songti(9, true));
            }
            return box;
        };

        FormBuilder flash = page("Frame1");
        flash_ = {row(flash, 0, "Text1", "液体泄漏总量，Kg：", "10"), row(flash, 1, "Text2", "闪蒸蒸发时间，S：", "30"),
                  row(flash, 2, "Text3", "液体的定压比热，J/(kg·K)：", "1000"),
                  row(flash, 3, "Text4", "泄漏前液体的温度，K：", "300"),
                  row(flash, 4, "Text5", "液体在常压下的沸点，K：", "80"),
                  row(flash, 5, "Text6", "液体的气化热，J/kg：", "5000")};
        // Empty until computed: the stored entries flash more than all the liquid.
        q1_ = row(flash, 6, "Text7", "闪蒸量，kg/S：", "", true);

        FormBuilder heat = page("Frame2");
        QLineEdit* t0 = row(heat, 0, "Text8", "环境温度，k：", "300");
        QLineEdit* tb = row(heat, 1, "Text9", "沸点温度；k：", "275");
        QLineEdit* area = row(heat, 2, "Text10", "液池面积，m2：", "10");
        QLineEdit* h = row(heat, 3, "Text11", "液体气化热，J/kg：", "12000");
        QLabel* groundLabel = heat.label(QStringLiteral("Label%1").arg(labelIndex++), "请选择地面类型：", 240,
                                         150 + 375 * 4 + 45, 3600, 300);
        ground_ = heat.combo("Combo1", 3960, 150 + 375 * 4, 1800, 330, {"水泥地", "土地", "干土地", "湿地", "砂砾地"});
        groundLabel->setBuddy(ground_);
        QLineEdit* t = row(heat, 5, "Text13", "蒸发时间，s", "20");
        heat_ = {t0, tb, area, h, t};
        q2_ = row(heat, 6, "Text12", "热量蒸发速度，kg/s", "", true);

        FormBuilder massPage = page("Frame3");
        massPage.label(QStringLiteral("Label%1").arg(labelIndex++), "选择稳定度条件：", 240, 150 + 45, 3600, 300);
        stability_ = massPage.combo("Combo2", 3960, 150, 1800, 330, {"不稳定A,B", "中性C", "稳定E,F"});
        massInputs_ = {row(massPage, 1, "Text14", "液体表面蒸气压，Pa:", "2000"),
                       row(massPage, 2, "Text15", "泄漏物质分子量M:", "350"),
                       row(massPage, 3, "Text16", "风速，m/s:", "2"),
                       row(massPage, 4, "Text17", "液池半径，m:", "10"),
                       row(massPage, 5, "Text19", "环境温度，k:", "80")};
        q3_ = row(massPage, 6, "Text18", "质量蒸发速度，kg/s:", "", true);

        FormBuilder total = page("Frame4", 2400);
        times_ = {row(total, 0, "Text20", "闪蒸蒸发时间，s:", ""), row(total, 1, "Text21", "热量蒸发时间，s:", "")};
        QLabel* longLabel = total.label(QStringLiteral("Label%1").arg(labelIndex++),
                                        "从液体泄漏到液体全部处理完毕的时间，s:", 240, 150 + 375 * 2 + 45, 1380, 780);
        longLabel->setWordWrap(true);
        longLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        times_.push_back(total.textBox("Text22", 3960, 150 + 375 * 3, 1800, 330));
        longLabel->setBuddy(times_.back());
        total_ = row(total, 5, "Text23", "液体蒸发总量，kg:", "", true);

        auto* note = f.memo("Text24", 150, 4665, 6765, 540,
                            "分子量按g/mol输入，计算时按风险评价导则公式的要求换算为kg/mol。");
        note->setReadOnly(true);
        note->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

        showPage(0);
        connect(tabs_, &QTabBar::currentChanged, this, [this] {
            const int page = kTabs.indexOf(tabs_->tabText(tabs_->currentIndex()));
            if (page >= 0) showPage(page);
        });

        auto* live = new LiveRecompute(this);
        live->onChange({flash_[0], flash_[1], flash_[2], flash_[3], flash_[4], flash_[5]}, [this] { computeFlash(); })
            .onClick({q1_}, [this] { computeFlash(); });
        live->onChange({t0, tb, area, h, t}, [this] { computeHeat(); }).onPick(ground_, [this] { computeHeat(); });
        live->onChange({massInputs_[0], massInputs_[1], massInputs_[2], massInputs_[3], massInputs_[4]},
                       [this] { computeMass(); })
            .onClick({q3_}, [this] { computeMass(); })
            .onPick(stability_, [this] { computeMass(); });
        // The total always adds the stage results as they are shown.
        live->onChange({times_[0], times_[1], times_[2], q1_, q2_, q3_}, [this] { computeTotal(); })
            .onClick({total_}, [this] { computeTotal(); });
    }

private:
    void showPage(int page) {
        for (int i = 0; i < static_cast<int>(frames_.size()); ++i) frames_[i]->setVisible(i == page);
    }

    // Reads a page's boxes in order into their targets, each within its range.
    static void readEntries(Press& press, const std::vector<QLineEdit*>& boxes,
                            std::initializer_list<std::pair<double*, Range>> targets) {
        int k = 0;
        for (auto [target, range] : targets) press.read(*target, boxes[k++], range);
    }

    void computeFlash() {
        Press press(this, PressMode::Live);
        press.setStatus(status_[0]);
        FlashInputs in;
        readEntries(press, flash_,
                    {{&in.mass, kAmount}, {&in.time, kPositive}, {&in.heatCapacity, kPositive},
                     {&in.temperature, kPositive}, {&in.boilingPoint, kPositive}, {&in.vaporisationHeat, kPositive}});
        FlashEvaporationResult r;
        if (press.ok()) r = FlashEvaporation(in, press.steps());
        press.put(q1_, [&] { return NumberText(r.rate); });
    }

    void computeHeat() {
        Press press(this, PressMode::Live);
        press.setStatus(status_[1]);
        HeatInputs in;
        readEntries(press, heat_,
                    {{&in.ambient, kPositive}, {&in.boilingPoint, kPositive}, {&in.area, kAmount},
                     {&in.vaporisationHeat, kPositive}, {&in.time, kPositive}});
        float q2 = 0;
        if (press.ok()) q2 = HeatEvaporation(in, ground_->currentText().toStdString(), press.steps());
        press.put(q2_, [&] { return NumberText(q2); });
    }

    void computeMass() {
        Press press(this, PressMode::Live);
        press.setStatus(status_[2]);
        MassInputs in;
        readEntries(press, massInputs_,
                    {{&in.vapourPressure, kAmount}, {&in.molarMass, kPositive}, {&in.windSpeed, kAmount},
                     {&in.radius, kAmount}, {&in.ambient, kPositive}});
        float q3 = 0;
        if (press.ok()) q3 = MassEvaporation(in, stability_->currentText().toStdString(), press.steps());
        press.put(q3_, [&] { return NumberText(q3); });
    }

    void computeTotal() {
        Press press(this, PressMode::Live);
        press.setStatus(status_[3]);
        TotalInputs in;
        double* rates[] = {&in.flashRate, &in.heatRate, &in.massRate};
        const QLineEdit* shown[] = {q1_, q2_, q3_};
        const QStringList names{"闪蒸量", "热量蒸发速度", "质量蒸发速度"};
        QStringList missing;
        for (int k = 0; k < 3; ++k) {
            if (shown[k]->text().trimmed().isEmpty())
                missing << names[k];
            else
                press.read(*rates[k], shown[k], kAmount);
        }
        if (!missing.isEmpty()) press.fail("请先在前三页算出" + missing.join("、"));
        readEntries(press, times_, {{&in.flashTime, kAmount}, {&in.heatTime, kAmount}, {&in.massTime, kAmount}});
        double wp = 0;
        if (press.ok()) wp = TotalEvaporation(in, press.steps());
        press.put(total_, [&] { return NumberText(wp); });
    }

    QTabBar* tabs_;
    std::vector<QGroupBox*> frames_;
    std::vector<QLineEdit*> flash_, heat_, massInputs_, times_;
    QLineEdit *q1_, *q2_, *q3_, *total_;
    QComboBox *ground_, *stability_;
    std::vector<QLabel*> status_;
};

}  // namespace
}  // namespace korrimet::risk

using korrimet::risk::PoolEvaporationWindow;
KORRIMET_REGISTER_TOOL(PoolEvaporationWindow);
