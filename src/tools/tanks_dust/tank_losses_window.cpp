#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/stores.h"
#include "common/widgets/live_recompute.h"
#include "common/widgets/model_input.h"
#include "common/widgets/press.h"
#include "common/widgets/qt_text.h"
#include "common/widgets/stored_table.h"
#include "common/widgets/tool_registry.h"
#include "common/widgets/tool_window.h"
#include "platform/message_service.h"
#include "platform/web_links.h"
#include "tools/tanks_dust/tank_losses.h"
#include "tools/tanks_dust/tank_losses_coefficients.h"
#include "tools/tanks_dust/tank_losses_layout.h"

namespace korrimet::tanks {
namespace {

constexpr int kDome = 0;

// The layout's column of a type: its arrays are in the order of TankType.
int column(TankType t) { return static_cast<int>(t); }

// The rows, captions, tips and help of each tank type.
const TankLossLayout& Layout() {
    static const TankLossLayout layout =
        loadStoredTable(QStringLiteral(":/tanks_dust/data/tank_losses_layout.txt"), LoadTankLossLayout);
    return layout;
}

class TankLossWindow : public ToolWindow {
public:
    static constexpr const char* kClassName = "各类贮罐大小呼吸量计算1";
    static constexpr const char* kCaption = "Korrimet之贮罐呼吸量计算单行版";

    TankLossWindow() : ToolWindow(QString::fromUtf8(kClassName), QString::fromUtf8(kCaption), 9135, 6645) {
        setFont(songti(9));
        build();
        load();
        wire();
    }

protected:
    // DoubleClickHelp: a box's message or coefficient table under the type on show.
    bool eventFilter(QObject* watched, QEvent* event) override {
        const BoxHelp* help = event->type() == QEvent::MouseButtonDblClick ? helpOf_.value(watched) : nullptr;
        if (const auto t = help ? type() : std::nullopt) {
            if (const std::string& m = help->message[column(*t)]; !m.empty()) ShowMessage(qtext(m), this);
            if (const std::string& table = help->table[column(*t)]; !table.empty()) OpenTool(qtext(table));
        }
        return ToolWindow::eventFilter(watched, event);
    }

private:
    // --- layout ---------------------------------------------------------

    void build() {
        FormBuilder f = form();
        FormBuilder c(f.frame("Frame1", "公用参数", 60, 0, 9015, 600));
        // The row is a pixel or two shorter than elsewhere to fit below the title of this low frame.
        l_[4] = c.label("Label4", "请选择贮罐类型：", 120, 255, 1560, 225);
        combo_ = c.combo("Combo1", 1680, 195, 1680, 285, {"拱顶罐", "浮顶油罐", "内浮顶油罐"});
        l_[3] = c.label("Label3", "油罐年周转量 Q[m^3/a]：", 3840, 255, 2400, 225);
        t_[2] = c.textBox("Text2", 6240, 195, 1500, 285);

        FormBuilder w(f.frame("Frame2", "大呼吸量计算", 60, 645, 4500, 4410));
        rows(w, 'W');
        rowLabel(w, 2, "确认以上参数输入无误吗?    ：", rowTop(10));
        compute_ = w.button("Command2", "确认计算", 3420, rowTop(10) - 15, 990, 315);
        row(w, 16, 15, rowTop(11));
        workingNote_ = w.label("Label30", "", 90, rowTop(12) + 30, 4320, 255);
        setTextColor(workingNote_, kRed);

        FormBuilder b(f.frame("Frame3", "小呼吸量计算", 4620, 645, 4455, 4410));
        rows(b, 'B');
        rowLabel(b, 28, "确认以上参数输入无误吗?    ：", rowTop(11));
        computeBreathing_ = b.button("Command3", "确认计算", 3420, rowTop(11) - 15, 990, 315);
        row(b, 29, 25, rowTop(12));

        FormBuilder t(f.frame("Frame4", "", 60, 5085, 4500, 525));
        row(t, 1, 1, 195);
        for (const TypeTexts& r : Layout().results) setCaption(r.number, qtext(r.of[kDome]));

        protection_ = f.button("Command1", "计算卫生防护距离请点击此处!", 4620, 5145, 4455, 435);
        note_ = f.memo("Text26", 60, 5655, 9015, 930, qtext(Layout().note) + ContactAddresses().mail);
        setBackground(note_, palette().color(QPalette::ToolTipBase));

        for (int n : {15, 25}) setTextColor(t_[n], kDarkGreen);
        setTextColor(t_[1], kRed);
    }

    static int rowTop(int i) { return 240 + i * 315; }

    // A result's label takes its caption with the others of its type.
    void rowLabel(FormBuilder& f, int n, const QString& caption, int top) {
        l_[n] = f.label(QStringLiteral("Label%1").arg(n), QString(), 90, top + 30, 3330, 255);
        l_[n]->setWordWrap(false);
        if (!caption.isEmpty()) setCaption(n, caption);
    }

    // The caption as a row of two cells; the box it names is named so in messages.
    void setCaption(int label, const QString& padded) {
        const CaptionCells cells = SplitCaption(padded.toStdString());
        const QString name = qtext(cells.name), symbol = qtext(cells.symbol), colon = QStringLiteral("：");
        l_[label]->setTextFormat(Qt::RichText);
        l_[label]->setText(QStringLiteral("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"0\"><tr><td>%1%2</td>"
                                          "<td align=\"right\">%3</td></tr></table>")
                               .arg(name.toHtmlEscaped(), symbol.isEmpty() ? colon : QString(),
                                    symbol.isEmpty() ? QString() : (symbol + colon).toHtmlEscaped()));
        const QString plain = symbol.isEmpty() ? name : name + QLatin1Char(' ') + symbol;
        l_[label]->setAccessibleName(plain + colon);
        if (const int box = boxOfLabel_.value(label); box > 0) t_[box]->setProperty("inputName", plain);
    }
    void row(FormBuilder& f, int label, int box, int top, const QString& caption = {}) {
        t_[box] = f.textBox(QStringLiteral("Text%1").arg(box), 3420, top, 990, 285);
        boxOfLabel_[label] = box;
        rowLabel(f, label, caption, top);
    }
    // The input rows of one frame, top to bottom.
    void rows(FormBuilder& f, char frame) {
        int i = 0;
        for (const LayoutRow& r : Layout().rows)
            if (r.frame == frame) row(f, r.label, r.box, rowTop(i++), qtext(r.atLoad));
    }

    // Form_Load: the stored 拱顶罐 layout, without running the switch.
    void load() {
        combo_->setCurrentIndex(0);
        t_[2]->setText("100000");
        t_[8]->setText("51.6");
        for (const BoxTip& tip : Layout().tips)
            if (tip.atLoad) t_[tip.box]->setToolTip(qtext(*tip.atLoad));
        for (int n : {12, 13, 14, 15, 16, 29}) l_[n]->setToolTip("汽油取1,原油取0.75");
        for (const LayoutRow& r : Layout().rows)
            if (!r.shown[kDome]) showRow(r, false);
    }

    void wire() {
        auto* live = new LiveRecompute(this);
        for (const Coefficient& c : Coefficients())
            for (int n : c.on) live->onChange({t_[n]}, [this, &c] { derive(c); });
        for (int n : {15, 25}) live->onChange({t_[n]}, [this] { total(); });
        // The result boxes' tip promises that a click brings them up to date.
        live->onClick({t_[15]}, [this] { workingLoss(); });
        live->onClick({t_[25]}, [this] { breathingLoss(); });
        live->onPick(combo_, [this] { switchType(); });

        for (const BoxHelp& h : Layout().help) {
            helpOf_[t_[h.box]] = &h;
            t_[h.box]->installEventFilter(this);
        }
        connect(compute_, &QPushButton::clicked, this, [this] { workingLoss(); });
        connect(computeBreathing_, &QPushButton::clicked, this, [this] { breathingLoss(); });
        connect(protection_, &QPushButton::clicked, this, [] { OpenTool(QStringLiteral("卫生防护距离计算工具")); });
    }

    std::optional<TankType> type() const { return TankTypeOf(combo_->currentText().toStdString()); }

    // Writing a box runs its change handler, also when the text stays the same.
    void assign(int n, const QString& text) { setTextAndNotify(t_[n], text); }

    // Reads boxes in order, each with the unit of its caption ("30kPa" under P[Kpa]).
    struct Entry {
        double* target;
        int box;
        Range range = Range::NonNegative;
    };
    void read(Press& press, std::initializer_list<Entry> entries) {
        for (const Entry& e : entries) read(press, *e.target, e.box, e.range);
    }
    // A derived box left empty was not derived: the press names the entry it
    // comes from, or the condition that failed, not the box as not entered.
    bool read(Press& press, double& target, int box, Range range) {
        if (const Coefficient* c = t_[box]->text().trimmed().isEmpty() ? CoefficientOf(box, type()) : nullptr) {
            const int since = press.mark();
            std::array<double, 3> in{};
            for (std::size_t i = 0; i < c->inputs.size(); ++i) read(press, in[i], c->inputs[i].box, c->inputs[i].range);
            if (press.okSince(since)) press([&] { c->text(in.data()); });
            if (!press.okSince(since)) return false;
        }
        return press.read(target, t_[box], range, Reading::OwnUnit);
    }

    // --- Combo1_Click ---------------------------------------------------

    // The boxes it empties are as at load: what follows from them alone is
    // left empty without a mark.
    void switchType() {
        const auto t = type();
        if (!t) return;
        Press::Reset reset(this);
        const int to = column(*t);
        // Captions first: what the switch derives reads its boxes by their new names and units.
        layout(to);
        clearRepurposed(to);

        assign(2, "100000");
        for (int n : {5, 6, 7}) assign(n, "");
        assign(8, to == kDome ? qtext(NumberText(51.6)) : QString());
        for (int n : {9, 10, 11, 13, 14, 12}) assign(n, "");
        workingFailed_ = false;
        workingNote_->clear();
        assign(15, "");
        Press::unmark(t_[15]);
        assign(1, "");

        for (const BoxTip& tip : Layout().tips)
            if (tip.of[to]) t_[tip.box]->setToolTip(qtext(*tip.of[to]));
        shown_ = to;
    }

    void clearRepurposed(int to) {
        if (to == shown_) return;
        // The other type's failures are no concern of a box that means another thing now.
        for (const Coefficient& c : Coefficients())
            if (!c.derivedUnder(TankType(to))) Press::unmark(t_[c.box]);
        bool pStarCleared = false;
        for (const TypeTexts& m : Layout().meanings) {
            if (m.of[shown_] == m.of[to]) continue;
            assign(m.number, "");
            if (m.number == 18) pStarCleared = true;
        }
        breathingFailed_ = false;
        assign(25, "");
        Press::unmark(t_[25]);
        // P* follows Py and Pa, which keep their meaning under both floating roofs.
        if (pStarCleared && to != kDome && !(t_[23]->text().isEmpty() && t_[24]->text().isEmpty()))
            derive(VapourPressureFunctionCoefficient());
    }

    void layout(int to) {
        for (const LayoutRow& r : Layout().rows) {
            if (r.caption[to]) setCaption(r.label, qtext(*r.caption[to]));
            showRow(r, r.shown[to]);
        }
        for (const TypeTexts& r : Layout().results) setCaption(r.number, qtext(r.of[to]));
    }

    void showRow(const LayoutRow& r, bool visible) {
        l_[r.label]->setVisible(visible);
        t_[r.box]->setVisible(visible);
    }

    void derive(const Coefficient& c) {
        if (!c.derivedUnder(type())) return;
        Press press(this, PressMode::Live);
        std::array<double, 3> in{};
        for (std::size_t i = 0; i < c.inputs.size(); ++i)
            press.read(in[i], t_[c.inputs[i].box], c.inputs[i].range, Reading::OwnUnit);
        press.put(t_[c.box], [&] { return c.text(in.data()); });
    }

    // The sum of the two results as they stand; an empty one counts as 0,
    // one whose last press failed leaves no total, and so do two empty ones.
    void total() {
        if (!type()) return;
        Press press(this, PressMode::Live);
        press.check(!workingFailed_, QStringLiteral("大呼吸量无法计算"));
        press.check(!breathingFailed_, QStringLiteral("小呼吸量无法计算"));
        const bool noWorking = t_[15]->text().trimmed().isEmpty(), noBreathing = t_[25]->text().trimmed().isEmpty();
        if (noWorking && noBreathing) press.missing(QStringLiteral("大呼吸量与小呼吸量均未计算"));
        double lw = 0, ls = 0;
        if (!noWorking) read(press, {{&lw, 15}});
        if (!noBreathing) read(press, {{&ls, 25}});
        press.put(t_[1], [&] { return ResultMaskText(dbl(ls + lw), "####.###"); });
    }

    // --- compute buttons ------------------------------------------------

    void workingLoss() {
        const auto t = type();
        if (!t) return refuseType(t_[15], workingFailed_);
        Press press(this);
        double loss = 0;
        bool clamped = false;
        if (*t == TankType::DomeRoof) {
            double v1 = 0, k = 0, kt = 0, k1 = 0, py = 0, u = 0;
            read(press, {{&v1, 5}, {&k, 8, Range::Positive}, {&kt, 9}, {&k1, 10}, {&py, 11}});
            if (read(press, u, 14, Range::Positive)) {
                press.check(u != kMolarMassLimit, QStringLiteral("“%1”不能等于172.5（690-4u为0）").arg(inputName(t_[14])));
                clamped = u > kMolarMassLimit;
            }
            if (press.ok()) press([&] { loss = DomeRoofWorkingLoss(kt, k1, py, v1, u, k); });
        } else {
            double q = 0, d = 0, rho = 0, c = 0, nc = 0, fc = 0;
            read(press, {{&q, 2}, {&d, 5, Range::Positive}, {&rho, 7}, {&c, 6}});
            if (*t == TankType::InternalFloatingRoof) read(press, {{&nc, 8}, {&fc, 9}});
            if (press.ok()) press([&] {
                loss = *t == TankType::FloatingRoof ? FloatingRoofWorkingLoss(q, c, rho, d)
                                                    : InternalFloatingRoofWorkingLoss(q, c, rho, d, nc, fc);
            });
        }
        workingNote_->setText(clamped && press.ok() ? QStringLiteral("u大于172.5时(690-4u)小于0，大呼吸量按0计") : QString());
        workingFailed_ = !press.put(t_[15], [&] { return ResultMaskText(loss, "####.###"); });
        total();
    }

    void breathingLoss() {
        const auto t = type();
        if (!t) return refuseType(t_[25], breathingFailed_);
        Press press(this);
        double loss = 0;
        const std::string_view mask = *t == TankType::DomeRoof ? "####.###" : "##.####";
        switch (*t) {
            case TankType::DomeRoof: {
                DomeRoofBreathing in;
                read(press, {{&in.p, 3}, {&in.pa, 4, Range::Positive}});
                if (press.ok()) press.check(in.p < in.pa, QStringLiteral("罐内油品本体温度下蒸汽压P须小于当地大气压"));
                read(press,
                     {{&in.h, 16}, {&in.dt, 17}, {&in.fp, 18}, {&in.k2, 19}, {&in.k3, 20}, {&in.c1, 21}, {&in.d, 22}});
                if (press.ok()) press([&] { loss = DomeRoofBreathingLoss(in); });
                break;
            }
            case TankType::FloatingRoof: {
                double ft = 0, pStar = 0, mv = 0, d = 0, kc = 0, ff = 0;
                read(press, {{&ft, 3}, {&pStar, 18}, {&mv, 19}, {&d, 20}, {&kc, 21}, {&ff, 22}});
                if (press.ok()) press([&] { loss = FloatingRoofBreathingLoss(ff, ft, d, pStar, mv, kc); });
                break;
            }
            case TankType::InternalFloatingRoof: {
                double fd = 0, kd = 0, kc = 0, k8 = 0, pStar = 0, mv = 0, d = 0, kp = 0, fm = 0;
                read(press,
                     {{&fd, 3}, {&kd, 4}, {&kc, 16}, {&k8, 17}, {&pStar, 18}, {&mv, 19}, {&d, 20}, {&kp, 21}, {&fm, 22}});
                if (press.ok())
                    press([&] { loss = InternalFloatingRoofBreathingLoss(k8, kc, d, fm, fd, kd, pStar, mv, kp); });
                break;
            }
        }
        breathingFailed_ = !press.put(t_[25], [&] { return ResultMaskText(loss, mask); });
        total();
    }

    // A typed type that is none of the items computes nothing: the press
    // says so, and neither its result nor the total keeps a value of
    // another type.
    void refuseType(QLineEdit* result, bool& failed) {
        Press press(this);
        press.fail(QStringLiteral("“%1”：请从列表中选择").arg(inputName(combo_)));
        press.clear(result);
        press.clear(t_[1]);
        failed = true;
    }

    std::array<QLineEdit*, 26> t_{};
    std::array<QLabel*, 30> l_{};
    QComboBox* combo_ = nullptr;
    QPushButton *compute_ = nullptr, *computeBreathing_ = nullptr, *protection_ = nullptr;
    QPlainTextEdit* note_ = nullptr;
    QHash<QObject*, const BoxHelp*> helpOf_;
    QLabel* workingNote_ = nullptr;
    QHash<int, int> boxOfLabel_;  // label number to box number
    bool workingFailed_ = false, breathingFailed_ = false;
    int shown_ = kDome;  // the layout on screen; it starts as 拱顶罐
};

}  // namespace
}  // namespace korrimet::tanks

using korrimet::tanks::TankLossWindow;
KORRIMET_REGISTER_TOOL(TankLossWindow);
