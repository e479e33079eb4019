#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabBar>

#include "common/widgets/live_recompute.h"
#include "common/widgets/qt_text.h"
#include "common/widgets/tool_registry.h"
#include "common/widgets/tool_window.h"
#include "platform/message_service.h"
#include "tools/risk/pool_evaporation.h"

namespace korrimet::risk {
namespace {

const QStringList kTabs{"闪蒸蒸发", "热量蒸发", "质量蒸发", "总蒸发量"};

const QString kFlashFailure =
    QStringLiteral("闪蒸量无法计算：各项须为数值，液体的气化热和闪蒸蒸发时间不能为0，请检查输入！");

std::string text(const QLineEdit* box) { return box->text().toStdString(); }

class PoolEvaporationWindow : public ToolWindow {
public:
    static constexpr const char* kClassName = "风险评价蒸发量";
    static constexpr const char* kCaption = "风险评价蒸发量";

    PoolEvaporationWindow()
        : ToolWindow(QString::fromUtf8(kClassName), QString::fromUtf8(kCaption), 7155, 4800) {
        FormBuilder f = form();
        f.label("Label1", "蒸发量的计算", 240, 150, 6615, 360)->setFont(songti(12));

        tabs_ = f.place(new QTabBar, "TabStrip1", 240, 600, 6615, 375);
        tabs_->setExpanding(false);
        tabs_->setDrawBase(false);
        for (const QString& caption : kTabs) tabs_->addTab(caption);
        tabs_->setTabToolTip(3, "总蒸发量必须在前面三种蒸发量计算完毕后，再输入相应时间，后计算！");
        auto* body = f.place(new QFrame, "TabStrip1Body", 240, 960, 6615, 3045);
        body->setFrameShape(QFrame::StyledPanel);

        // A page: labels on the left, boxes on the right, one row every 375 twips.
        auto page = [&](const char* name) {
            QGroupBox* frame = f.frame(name, "", 360, 1020, 6375, 2925);
            frames_.push_back(frame);
            return FormBuilder(frame);
        };
        int labelIndex = 2;
        auto row = [&](FormBuilder& p, int k, const char* name, const QString& label, const char* value,
                       bool result = false) {
            const int top = 150 + 375 * k;
            QLabel* l = p.label(QStringLiteral("Label%1").arg(labelIndex++), label, 240, top + 45, 3600, 300);
            QLineEdit* box = p.textBox(name, 3960, top, 1800, 330, value);
            if (result) {
                l->setFont(songti(9, true));
                box->setFont(songti(9, true));
            }
            return box;
        };

        FormBuilder flash = page("Frame1");
        QLineEdit* mass = row(flash, 0, "Text1", "液体泄漏总量，Kg：", "10");
        flash_ = {row(flash, 1, "Text2", "闪蒸蒸发时间，S：", "30"),
                  row(flash, 2, "Text3", "液体的定压比热，J/(kg·K)：", "1000"),
                  row(flash, 3, "Text4", "泄漏前液体的温度，K：", "300"),
                  row(flash, 4, "Text5", "液体在常压下的沸点，K：", "80"),
                  row(flash, 5, "Text6", "液体的气化热，J/kg：", "5000")};
        mass_ = mass;
        q1_ = row(flash, 6, "Text7", "闪蒸量，kg/S：", "0", true);

        FormBuilder heat = page("Frame2");
        QLineEdit* t0 = row(heat, 0, "Text8", "环境温度，k：", "300");
        QLineEdit* tb = row(heat, 1, "Text9", "沸点温度；k：", "275");
        QLineEdit* area = row(heat, 2, "Text10", "液池面积，m2：", "10");
        QLineEdit* h = row(heat, 3, "Text11", "液体气化热，J/kg：", "12000");
        heat.label(QStringLiteral("Label%1").arg(labelIndex++), "请选择地面类型：", 240, 150 + 375 * 4 + 45, 3600, 300);
        ground_ = heat.combo("Combo1", 3960, 150 + 375 * 4, 1800, 330, {"水泥地", "土地", "干土地", "湿地", "砂砾地"});
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

        FormBuilder total = page("Frame4");
        times_ = {row(total, 0, "Text20", "闪蒸蒸发时间，s:", ""), row(total, 1, "Text21", "热量蒸发时间，s:", "")};
        QLabel* longLabel = total.label(QStringLiteral("Label%1").arg(labelIndex++),
                                        "从液体泄漏到液体全部处理完毕的时间，s:", 240, 150 + 375 * 2 + 45, 1380, 780);
        longLabel->setWordWrap(true);
        longLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        times_.push_back(total.textBox("Text22", 3960, 150 + 375 * 3, 1800, 330));
        total_ = row(total, 5, "Text23", "液体蒸发总量，kg:", "", true);

        auto* note = f.memo("Text24", 150, 4125, 6765, 540,
                            "不推荐用此处公式计算质量蒸发，风险评价导则公式传闻有问，但导则未改！此\n"
                            "处也未修正，此处算出的结果偏大！");
        note->setReadOnly(true);
        note->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

        showPage(0);
        connect(tabs_, &QTabBar::currentChanged, this, [this] {
            const int page = kTabs.indexOf(tabs_->tabText(tabs_->currentIndex()));
            if (page >= 0) showPage(page);
        });

        auto* live = new LiveRecompute(this);
        live->onChange({mass}, [this] { computeFlash(false); });
        live->onChange({flash_[0], flash_[1], flash_[2], flash_[3], flash_[4]}, [this] { computeFlash(true); })
            .onClick({q1_}, [this] { computeFlash(true); });
        live->onChange({t0, tb, area, h, t}, [this] { computeHeat(); }).onPick(ground_, [this] { computeHeat(); });
        live->onChange({massInputs_[0], massInputs_[1], massInputs_[2], massInputs_[3], massInputs_[4]},
                       [this] { computeMass(); })
            .onClick({q3_}, [this] { computeMass(); })
            .onPick(stability_, [this] { computeMass(); });
        live->onChange({times_[0], times_[1], times_[2]}, [this] { computeTotal(); })
            .onClick({total_}, [this] { computeTotal(); });
    }

private:
    void showPage(int page) {
        for (int i = 0; i < static_cast<int>(frames_.size()); ++i) frames_[i]->setVisible(i == page);
    }

    // An edit of the leaked amount meets a step that fails with a message,
    // and the shown result stays; the other triggers show 0 instead.
    void computeFlash(bool skipFailures) {
        const FlashEvaporationResult r =
            FlashEvaporation({text(mass_), text(flash_[0]), text(flash_[1]), text(flash_[2]), text(flash_[3]),
                              text(flash_[4])});
        if (r.failed && !skipFailures) {
            ShowMessage(kFlashFailure, this);
            return;
        }
        q1_->setText(qtext(NumberText(r.rate)));
    }

    void computeHeat() {
        const float q2 = HeatEvaporation({text(heat_[0]), text(heat_[1]), text(heat_[2]), text(heat_[3]),
                                          text(heat_[4])},
                                         ground_->currentText().toStdString());
        q2_->setText(qtext(NumberText(q2)));
    }

    void computeMass() {
        const std::optional<float> q3 =
            MassEvaporation({text(massInputs_[0]), text(massInputs_[1]), text(massInputs_[2]),
                             text(massInputs_[3]), text(massInputs_[4])},
                            stability_->currentText().toStdString());
        if (q3) q3_->setText(qtext(NumberText(*q3)));
    }

    void computeTotal() {
        const std::optional<double> wp = TotalEvaporation(
            {text(q1_), text(q2_), text(q3_), text(times_[0]), text(times_[1]), text(times_[2])});
        total_->setText(wp ? qtext(NumberText(*wp)) : QString());
    }

    QTabBar* tabs_;
    std::vector<QGroupBox*> frames_;
    QLineEdit* mass_;
    std::vector<QLineEdit*> flash_, heat_, massInputs_, times_;
    QLineEdit *q1_, *q2_, *q3_, *total_;
    QComboBox *ground_, *stability_;
};

}  // namespace
}  // namespace korrimet::risk

using korrimet::risk::PoolEvaporationWindow;
KORRIMET_REGISTER_TOOL(PoolEvaporationWindow);
