#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

#include "common/widgets/help_button.h"
#include "common/widgets/loop_progress.h"
#include "common/widgets/press.h"
#include "common/widgets/numeric_box.h"
#include "common/widgets/qt_text.h"
#include "common/widgets/tool_registry.h"
#include "common/widgets/tool_window.h"
#include "common/widgets/window_run.h"
#include "platform/message_service.h"
#include "tools/risk/protection_distance.h"

namespace korrimet::risk {
namespace {

const QString kNoRowMessage = QStringLiteral("你的输入或选择有误，请检查你的输入或选择！");

const QString kNote = QStringLiteral(
    " 1、防护距离在1000米以上，程序会自动试算，后重新选取ABCD值，后再计算！"
    " 2、本程序计算结果与常用的卫生防护距离计算程序对比核算,"
    "防护距离1000米内,核算结果误差在0.05米内；防护距离在1000米以上，核算结果误差在10米以内；"
    "产生误差原因是在计算机叠加过程中产生！不是参数选取有误！");

QString searchFailure(const ProtectionRun& run, float lastTested) {
    switch (run.end) {
        case SearchEnd::Met: return {};
        case SearchEnd::NoQuotient:
            return QStringLiteral("无组织排放量和标准浓度限值都必须大于0，请检查输入！");
        case SearchEnd::BelowStart:
            if (run.start == 0) return QStringLiteral("卫生防护距离小于0.01米，逐步试算无法求得，请检查输入！");
            return QStringLiteral("按%1米以上的系数重新试算时，防护距离小于%1米，逐步试算无法求得，请检查输入或选择！")
                .arg(qtext(NumberText(run.start)));
        case SearchEnd::SteppedOver:
            return QStringLiteral("防护距离过小（约%1米），按0.01米逐步试算时越过了满足精度的距离，无法求得，请检查输入！")
                .arg(qtext(NumberText(lastTested)));
        case SearchEnd::OutOfRange:
            return QStringLiteral("卫生防护距离超过%1米，已超出可试算的范围，请检查输入！")
                .arg(qtext(NumberText(lastTested)));
    }
    return {};
}

class ProtectionDistanceWindow : public ToolWindow {
public:
    static constexpr const char* kClassName = "卫生防护距离计算工具";
    static constexpr const char* kCaption = "卫生防护距离计算工具";
    using State = ProtectionState;

    explicit ProtectionDistanceWindow(State& state)
        : ToolWindow(QString::fromUtf8(kClassName), QString::fromUtf8(kCaption), 5070, 5340), s_(state) {
        FormBuilder f = form();
        f.label("Label1", "卫生防护距离计算", 120, 150, 4830, 360)->setFont(songti(12, true));
        // The frame encloses the box column only; the labels stand left of it. Its
        // top lies 30 twips above the drawn 600, so the boxes clear its title and
        // stay in line with their labels.
        constexpr int kFrameLeft = 2640, kFrameTop = 570;
        FormBuilder box(f.frame("Frame1", "参数输入", kFrameLeft, kFrameTop, 2175, 3285));
        auto label = [&](int index, const QString& caption, int top) {
            return f.label(QStringLiteral("Label2_%1").arg(index), caption, 120, top + 45, 2460, 300);
        };
        auto input = [&](const char* name, int top, const char* text) {
            LineBox* e = box.textBox(name, 3000 - kFrameLeft, top - kFrameTop, 1455, 330, text);
            attachNumericKeyFilter(e);
            return e;
        };
        auto choice = [&](const char* name, int top, const QStringList& items) {
            return box.combo(name, 3000 - kFrameLeft, top - kFrameTop, 1455, 330, items);
        };

        qc_ = input("Text7", 840, "0.05");
        label(5, "无组织排放量Kg/h）：", 840)->setBuddy(qc_);
        cm_ = input("Text1", 1320, "0.03");
        label(0, "标准浓度限值（mg/M^3）：", 1320)->setBuddy(cm_);
        area_ = input("Text8", 1800, "200");
        label(6, "生产单元占地面积（M^2）：", 1800)->setBuddy(area_);
        // The lists stand in the frame, their captions outside it: each
        // caption names its list in a message.
        wind_ = choice("Combo1", 2280, {"大于4", "大于2小于4", "小于2"});
        label(1, "请选择风速（m/s）：", 2280)->setBuddy(wind_);
        share_ = choice("Combo2", 3360, {"大于允许1/3", "小于允许1/3"});
        shareLabel_ = label(2, "排气筒的污染物排放量：", 3360);
        shareLabel_->setBuddy(share_);
        basis_ = choice("Combo3", 3360, {"急性指标", "慢性指标"});
        basisLabel_ = label(3, "有害物质容许浓度指标按：", 3360);
        basisLabel_->setBuddy(basis_);
        stacks_ = choice("Combo4", 2760, {"有", "无"});
        label(4, "排放同种有害气体的排气筒：", 2760)->setBuddy(stacks_);
        showClassChoice(true, false);

        f.label("Label3", "卫生防护距离(M)：", 120, 4125, 2460, 300);
        result_ = f.textBox("Text6", 2640, 4080, 2175, 330, " ");
        QPushButton* compute = compute_ = f.button("Command2", "计    算", 120, 4560, 1335, 400);
        QPushButton* clear = f.button("Command1", "清   除", 1680, 4560, 1215, 400);
        helpButton(f, "Command3", "说  明", 3000, 4560, 1815, 400, kNote);
        // A search may take seconds: the bar shows how far it has come.
        bar_ = f.place(new LoopProgress, "ProgressBar1", 120, 5070, 4830, 195);
        bar_->setLoopMax(2000);
        run_ = new WindowRun(this);

        connect(stacks_, &QComboBox::activated, this, [this] {
            const QString text = stacks_->currentText();
            showClassChoice(text == "有", text == "无");
        });
        connect(compute, &QPushButton::clicked, this, [this] { computeDistance(); });
        // The entries get the smallest value; the result box no distance, since no search gave one.
        connect(clear, &QPushButton::clicked, this, [this] {
            const QString tiny = qtext(NumberText(0.00001));
            for (QLineEdit* e : {qc_, area_, cm_}) e->setText(tiny);
            result_->clear();
            Press::unmark(result_);
        });
    }

private:
    void showClassChoice(bool share, bool basis) {
        share_->setVisible(share);
        shareLabel_->setVisible(share);
        basis_->setVisible(basis);
        basisLabel_->setVisible(basis);
    }

    void computeDistance() {
        if (run_->busy()) return;
        const std::string cm = cm_->text().toStdString(), qc = qc_->text().toStdString(),
                          area = area_->text().toStdString();
        const std::string wind = wind_->currentText().toStdString(), stacks = stacks_->currentText().toStdString(),
                          share = share_->currentText().toStdString(), basis = basis_->currentText().toStdString();
        {
            // A box that holds no number must not leave the previous click's value in play,
            // and a distance from the low-wind row is none for choices that match no row.
            Press press(this);
            float v = 0;
            press.read(v, qc_, Range::Positive);
            press.read(v, cm_, Range::Positive);
            press.read(v, area_, Range::NonNegative);
            press.check(ChooseProtectionCoefficients(ProtectionBand::UpTo1000, {wind, stacks, share, basis}).has_value(),
                        kNoRowMessage);
            if (!press.ok()) {
                press.clear(result_);
                return;
            }
        }
        result_->clear();
        Press::unmark(result_);
        struct Outcome {
            State state;
            ProtectionRun run;
            bool noRow = false;  // said once, after the run
        };
        // The search works on a copy of the window's values; they take its
        // values only when it ends, not when it is cancelled.
        auto work = [state = s_, cm, qc, area, wind, stacks, share, basis](RunControl& control) {
            Outcome out{state, {}, false};
            out.run = ComputeProtectionDistance(
                out.state, {cm, qc, area, {wind, stacks, share, basis}}, [&] { out.noRow = true; },
                [&](float l) {
                    control.check();
                    control.setProgress(l);
                });
            return out;
        };
        auto progress = [this](double l) { showSearchedDistance(static_cast<float>(l)); };
        auto done = [this](Outcome out) {
            s_ = out.state;
            bar_->setLoopValue(bar_->loopMax());
            // No distance met the tolerance (or a band had no row): show none rather than the last one tried.
            const QString failure = out.noRow ? kNoRowMessage : searchFailure(out.run, s_.lc);
            if (failure.isEmpty()) {
                result_->setText(qtext(NumberText(s_.lc)));
                Press::unmark(result_);
            } else {
                ShowMessage(failure, this);
                Press::mark(result_, failure);
            }
        };
        showSearchedDistance(0);
        run_->start<Outcome>(compute_, work, done, progress);
    }

    // The bar shows the distance searched on a scale of 2000 m, doubled as
    // often as a long search needs, so it moves whatever the distance.
    void showSearchedDistance(float l) {
        float scale = 2000;
        while (l > scale && scale < kProtectionSearchLimit) scale *= 2;
        bar_->setLoopMax(scale);
        bar_->setLoopValue(std::min(l, scale));
    }

    WindowRun* run_;
    State& s_;
    QLineEdit *qc_, *cm_, *area_, *result_;
    QPushButton* compute_;
    LoopProgress* bar_;
    QComboBox *wind_, *stacks_, *share_, *basis_;
    QLabel *shareLabel_, *basisLabel_;
};

}  // namespace
}  // namespace korrimet::risk

using korrimet::risk::ProtectionDistanceWindow;
KORRIMET_REGISTER_TOOL(ProtectionDistanceWindow);
