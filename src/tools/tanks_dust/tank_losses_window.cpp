#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <utility>

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
#include "tools/tanks_dust/tank_losses_layout.h"

namespace korrimet::tanks {
namespace {

constexpr int kDome = 0, kFloating = 1, kInternal = 2;

int column(TankType t) {
    switch (t) {
        case TankType::DomeRoof: return kDome;
        case TankType::FloatingRoof: return kFloating;
        case TankType::InternalFloatingRoof: return kInternal;
    }
    return kDome;
}

// The rows, captions, tips and help of each tank type.
const TankLossLayout& Layout() {
    static const TankLossLayout layout =
        loadStoredTable(QStringLiteral(":/tanks_dust/data/tank_losses_layout.txt"), LoadTankLossLayout);
    return layout;
}


// A caption of the stored form pads its name with blanks so that the symbol
// and unit stand against the box; the glyphs are not of one width, so the
// window shows the two as the cells of a table row instead.
struct Caption {
    QString name, symbol;  // symbol and unit, may be empty
};

Caption splitCaption(const QString& padded) {
    QString s = padded.trimmed();
    if (s.endsWith(QStringLiteral("："))) s.chop(1);
    int end = 0;  // the name ends with its last Chinese character
    for (int i = 0; i < s.size(); ++i)
        if (s[i].unicode() >= 0x2E80) end = i + 1;
    QString symbol = s.mid(end).simplified().replace(QStringLiteral(" ["), QStringLiteral("["));
    static const QRegularExpression letter(QStringLiteral("[A-Za-z\\[]"));
    if (!symbol.contains(letter)) return {s.simplified(), {}};
    return {s.left(end).trimmed(), symbol};
}

const QString kProtectionDistanceTool = QStringLiteral("卫生防护距离计算工具");

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
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonDblClick) {
            if (auto* b = qobject_cast<QLineEdit*>(watched); b && helpOf_.contains(b)) doubleClickHelp(helpOf_[b]);
        }
        return ToolWindow::eventFilter(watched, event);
    }

private:
    // --- layout ---------------------------------------------------------

    void build() {
        FormBuilder f = form();
        QGroupBox* common = f.frame("Frame1", "公用参数", 60, 0, 9015, 600);
        FormBuilder c(common);
        // The row is a pixel or two shorter than elsewhere to fit below the title of this low frame.
        l_[4] = c.label("Label4", "请选择贮罐类型：", 120, 255, 1560, 225);
        combo_ = c.combo("Combo1", 1680, 195, 1680, 285);
        l_[3] = c.label("Label3", "油罐年周转量 Q[m^3/a]：", 3840, 255, 2400, 225);
        t_[2] = c.textBox("Text2", 6240, 195, 1500, 285);

        QGroupBox* working = f.frame("Frame2", "大呼吸量计算", 60, 645, 4500, 4410);
        FormBuilder w(working);
        rows(w, 'W');
        rowLabel(w, 2, "确认以上参数输入无误吗?    ：", 10);
        compute_ = w.button("Command2", "确认计算", 3420, rowTop(10) - 15, 990, 315);
        row(w, 16, 15, 11);
        workingNote_ = w.label("Label30", "", 90, rowTop(12) + 30, 4320, 255);
        setTextColor(workingNote_, kRed);

        QGroupBox* breathing = f.frame("Frame3", "小呼吸量计算", 4620, 645, 4455, 4410);
        FormBuilder b(breathing);
        rows(b, 'B');
        rowLabel(b, 28, "确认以上参数输入无误吗?    ：", 11);
        computeBreathing_ = b.button("Command3", "确认计算", 3420, rowTop(11) - 15, 990, 315);
        row(b, 29, 25, 12);

        QGroupBox* total = f.frame("Frame4", "", 60, 5085, 4500, 525);
        FormBuilder t(total);
        t_[1] = t.textBox("Text1", 3420, 195, 990, 285);
        boxOfLabel_[1] = 1;
        l_[1] = t.label("Label1", QString(), 90, 225, 3330, 255);
        l_[1]->setWordWrap(false);
        for (const TypeTexts& r : Layout().results) setCaption(r.number, qtext(r.of[kDome]));

        protection_ = f.button("Command1", "计算卫生防护距离请点击此处!", 4620, 5145, 4455, 435);
        note_ = f.memo("Text26", 60, 5655, 9015, 930, qtext(Layout().note) + ContactAddresses().mail);
        setBackground(note_, palette().color(QPalette::ToolTipBase));

        setTextColor(t_[15], kDarkGreen);
        setTextColor(t_[25], kDarkGreen);
        setTextColor(t_[1], kRed);
    }

    static int rowTop(int i) { return 240 + i * 315; }

    // A result's label takes its caption with the others of its type.
    void rowLabel(FormBuilder& f, int n, const QString& caption, int i) {
        l_[n] = f.label(QStringLiteral("Label%1").arg(n), QString(), 90, rowTop(i) + 30, 3330, 255);
        l_[n]->setWordWrap(false);
        if (!caption.isEmpty()) setCaption(n, caption);
    }

    // The caption as a row of two cells; the box it names is named so in messages.
    void setCaption(int label, const QString& padded) {
        const Caption c = splitCaption(padded);
        const QString colon = QStringLiteral("：");
        l_[label]->setTextFormat(Qt::RichText);
        l_[label]->setText(QStringLiteral("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"0\"><tr><td>%1%2</td>"
                                          "<td align=\"right\">%3</td></tr></table>")
                               .arg(c.name.toHtmlEscaped(), c.symbol.isEmpty() ? colon : QString(),
                                    c.symbol.isEmpty() ? QString() : (c.symbol + colon).toHtmlEscaped()));
        const QString plain = c.symbol.isEmpty() ? c.name : c.name + QLatin1Char(' ') + c.symbol;
        l_[label]->setAccessibleName(plain + colon);
        if (const int box = boxOfLabel_.value(label); box > 0) t_[box]->setProperty("inputName", plain);
    }
    void row(FormBuilder& f, int label, int box, int i, const QString& caption = {}) {
        t_[box] = f.textBox(QStringLiteral("Text%1").arg(box), 3420, rowTop(i), 990, 285);
        boxOfLabel_[label] = box;
        rowLabel(f, label, caption, i);
    }
    // The input rows of one frame, top to bottom.
    void rows(FormBuilder& f, char frame) {
        int i = 0;
        for (const LayoutRow& r : Layout().rows)
            if (r.frame == frame) row(f, r.label, r.box, i++, qtext(r.atLoad));
    }

    // Form_Load: the stored 拱顶罐 layout, without running the switch.
    void load() {
        combo_->addItems({"拱顶罐", "浮顶油罐", "内浮顶油罐"});
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
        auto on = [&](std::initializer_list<int> boxes, std::function<void()> handler) {
            for (int n : boxes) live->onChange({t_[n]}, handler);
        };
        on({7}, [this] { turnovers(); });
        on({6}, [this] { turnoverFactor(); });
        on({12, 13}, [this] { meanVapourPressure(); });
        on({22}, [this] { smallTankFactor(); });
        on({4, 16, 17}, [this] { rimSealLossFactor(); });
        on({23, 24}, [this] { vapourPressureFunction(); });
        on({15, 25}, [this] { total(); });
        live->onPick(combo_, [this] { switchType(); });

        for (const BoxHelp& h : Layout().help) {
            helpOf_[t_[h.box]] = &h;
            t_[h.box]->installEventFilter(this);
        }
        connect(compute_, &QPushButton::clicked, this, [this] { workingLoss(); });
        connect(computeBreathing_, &QPushButton::clicked, this, [this] { breathingLoss(); });
        connect(protection_, &QPushButton::clicked, this, [] { OpenTool(kProtectionDistanceTool); });
    }

    // --- helpers --------------------------------------------------------

    std::optional<TankType> type() const { return TankTypeOf(combo_->currentText().toStdString()); }
    bool is(TankType t) const { return type() == t; }

    // Writing a box runs its change handler, also when the text stays the same.
    void assign(int n, const QString& text) { setTextAndNotify(t_[n], text); }

    // The boxes these handlers read by their leading number ("30kPa" is 30).
    bool readLeading(Press& press, double& target, int n, Range range) {
        return press.read(target, t_[n], range, Reading::LeadingNumber);
    }

    // --- Combo1_Click ---------------------------------------------------

    // The boxes it empties are as at load: what follows from them alone is
    // left empty without a mark.
    void switchType() {
        const auto t = type();
        if (!t) return;
        Press::Reset reset(this);
        const int to = column(*t);
        clearRepurposed(to);
        layout(to);

        assign(1, "");
        assign(2, "100000");
        for (int n : {5, 6, 7}) assign(n, "");
        assign(8, to == kDome ? qtext(NumberText(51.6)) : QString());
        for (int n : {9, 10, 11, 13, 14, 12}) assign(n, "");
        if (to == kInternal) assign(8, "");
        workingFailed_ = false;
        workingNote_->clear();
        assign(15, "");
        assign(1, "");

        for (const BoxTip& tip : Layout().tips)
            if (tip.of[to]) t_[tip.box]->setToolTip(qtext(*tip.of[to]));
        shown_ = to;
    }

    void clearRepurposed(int to) {
        if (to == shown_) return;
        bool pStarCleared = false;
        for (const TypeTexts& m : Layout().meanings) {
            if (m.of[shown_] == m.of[to]) continue;
            assign(m.number, "");
            if (m.number == 18) pStarCleared = true;
        }
        breathingFailed_ = false;
        assign(25, "");
        // P* follows Py and Pa, which keep their meaning under both floating roofs.
        if (pStarCleared && to != kDome && !(t_[23]->text().isEmpty() && t_[24]->text().isEmpty()))
            vapourPressureFunction();
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

    // --- derived coefficients -------------------------------------------

    // N from Q and V; its write refreshes Kt.
    void turnovers() {
        if (!is(TankType::DomeRoof)) return;
        Press press(this, PressMode::Live);
        double q = 0, v = 0, n = 0;
        press.read(q, t_[2], Range::NonNegative);
        press.read(v, t_[7], Range::Positive);
        if (press.ok()) press([&] { n = TurnoverCount(q, v); });
        press.put(t_[6], [&] { return ResultMaskText(n, "####.###"); });
    }

    void turnoverFactor() {
        if (!is(TankType::DomeRoof)) return;
        Press press(this, PressMode::Live);
        double n = 0, kt = 1;
        press.read(n, t_[6], Range::NonNegative);
        if (press.ok()) press([&] { kt = TurnoverFactor(n); });
        press.put(t_[9], [&] { return n > kTurnoverLimit ? ResultMaskText(kt, "####.###") : std::string("1"); });
    }

    // Py is derived under every type, even a typed one that matches none.
    void meanVapourPressure() {
        Press press(this, PressMode::Live);
        double py1 = 0, py2 = 0, py = 0;
        readLeading(press, py1, 12, Range::NonNegative);
        readLeading(press, py2, 13, Range::NonNegative);
        if (press.ok()) press([&] { py = MeanVapourPressure(py1, py2); });
        press.put(t_[11], [&] { return ResultMaskText(py, "###.###"); });
    }

    void smallTankFactor() {
        if (!is(TankType::DomeRoof)) return;
        Press press(this, PressMode::Live);
        double d = 0, c1 = 1;
        readLeading(press, d, 22, Range::NonNegative);
        if (press.ok()) press([&] { c1 = SmallTankDiameterFactor(d); });
        press.put(t_[21], [&] { return d >= kSmallTankDiameter ? std::string("1") : ResultMaskText(c1, "####.####"); });
    }

    void rimSealLossFactor() {
        if (!is(TankType::FloatingRoof)) return;
        Press press(this, PressMode::Live);
        double kt = 0, v = 0, n = 0, ft = 0;
        readLeading(press, kt, 4, Range::NonNegative);
        readLeading(press, v, 16, Range::NonNegative);
        readLeading(press, n, 17, Range::NonNegative);
        if (press.ok()) press([&] { ft = RimSealLossFactor(kt, v, n); });
        press.put(t_[3], [&] { return ResultMaskText(ft, "##.####"); });
    }

    void vapourPressureFunction() {
        if (!is(TankType::FloatingRoof) && !is(TankType::InternalFloatingRoof)) return;
        Press press(this, PressMode::Live);
        double py = 0, pa = 0, pStar = 0;
        if (readLeading(press, py, 23, Range::NonNegative) & readLeading(press, pa, 24, Range::Positive))
            press.check(py <= pa, QStringLiteral("油品平均温度下蒸汽压Py不能大于当地大气压Pa"));
        if (press.ok()) press([&] { pStar = VapourPressureFunction(py, pa); });
        press.put(t_[18], [&] { return ResultMaskText(pStar, "##.####"); });
    }

    // The sum of the two results as they stand; an empty one counts as 0,
    // one whose last press failed leaves no total, and so do two empty ones.
    void total() {
        if (!type()) return;
        Press press(this, PressMode::Live);
        press.check(!workingFailed_, QStringLiteral("大呼吸量无法计算"));
        press.check(!breathingFailed_, QStringLiteral("小呼吸量无法计算"));
        const bool noWorking = t_[15]->text().trimmed().isEmpty(), noBreathing = t_[25]->text().trimmed().isEmpty();
        if (noWorking && noBreathing)
            press.missing(QStringLiteral("大呼吸量与小呼吸量均未计算"));
        double lw = 0, ls = 0;
        if (!noWorking) readLeading(press, lw, 15, Range::NonNegative);
        if (!noBreathing) readLeading(press, ls, 25, Range::NonNegative);
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
            press.read(v1, t_[5], Range::NonNegative);
            press.read(k, t_[8], Range::Positive);
            press.read(kt, t_[9], Range::NonNegative);
            press.read(k1, t_[10], Range::NonNegative);
            press.read(py, t_[11], Range::NonNegative);
            if (press.read(u, t_[14], Range::Positive)) {
                press.check(u != kMolarMassLimit, QStringLiteral("“%1”不能等于172.5（690-4u为0）").arg(inputName(t_[14])));
                clamped = u > kMolarMassLimit;
            }
            if (press.ok()) press([&] { loss = DomeRoofWorkingLoss(kt, k1, py, v1, u, k); });
        } else {
            double q = 0, d = 0, rho = 0, c = 0, nc = 0, fc = 0;
            press.read(q, t_[2], Range::NonNegative);
            press.read(d, t_[5], Range::Positive);
            press.read(rho, t_[7], Range::NonNegative);
            press.read(c, t_[6], Range::NonNegative);
            if (*t == TankType::InternalFloatingRoof) {
                press.read(nc, t_[8], Range::NonNegative);
                press.read(fc, t_[9], Range::NonNegative);
            }
            if (press.ok()) press([&] {
                loss = *t == TankType::FloatingRoof ? FloatingRoofWorkingLoss(q, c, rho, d)
                                                    : InternalFloatingRoofWorkingLoss(q, c, rho, d, nc, fc);
            });
        }
        clamped = clamped && press.ok();
        workingNote_->setText(clamped ? QStringLiteral("u大于172.5时(690-4u)小于0，大呼吸量按0计") : QString());
        workingFailed_ = !press.ok();
        workingFailed_ = !press.put(t_[15], [&] { return ResultMaskText(loss, "####.###"); });
        total();
    }

    void breathingLoss() {
        const auto t = type();
        if (!t) return refuseType(t_[25], breathingFailed_);
        Press press(this);
        double loss = 0;
        std::string_view mask = "##.####";
        // The dome roof's entries are read by their leading number.
        const Reading reading = *t == TankType::DomeRoof ? Reading::LeadingNumber : Reading::Whole;
        auto read = [&](std::initializer_list<std::pair<double*, int>> boxes) {
            for (auto [target, n] : boxes) press.read(*target, t_[n], Range::NonNegative, reading);
        };
        switch (*t) {
            case TankType::DomeRoof: {
                DomeRoofBreathing in;
                const bool p = readLeading(press, in.p, 3, Range::NonNegative);
                if (readLeading(press, in.pa, 4, Range::Positive) && p)
                    press.check(in.p < in.pa, QStringLiteral("罐内油品本体温度下蒸汽压P须小于当地大气压"));
                read({{&in.h, 16}, {&in.dt, 17}, {&in.fp, 18}, {&in.k2, 19}, {&in.k3, 20}, {&in.c1, 21}, {&in.d, 22}});
                if (press.ok()) press([&] { loss = DomeRoofBreathingLoss(in); });
                mask = "####.###";
                break;
            }
            case TankType::FloatingRoof: {
                double ft = 0, pStar = 0, mv = 0, d = 0, kc = 0, ff = 0;
                read({{&ft, 3}, {&pStar, 18}, {&mv, 19}, {&d, 20}, {&kc, 21}, {&ff, 22}});
                if (press.ok()) press([&] { loss = FloatingRoofBreathingLoss(ff, ft, d, pStar, mv, kc); });
                break;
            }
            case TankType::InternalFloatingRoof: {
                double fd = 0, kd = 0, kc = 0, k8 = 0, pStar = 0, mv = 0, d = 0, kp = 0, fm = 0;
                read({{&fd, 3}, {&kd, 4}, {&kc, 16}, {&k8, 17}, {&pStar, 18}, {&mv, 19}, {&d, 20}, {&kp, 21}, {&fm, 22}});
                if (press.ok()) press([&] { loss = InternalFloatingRoofBreathingLoss(k8, kc, d, fm, fd, kd, pStar, mv, kp); });
                break;
            }
        }
        breathingFailed_ = !press.ok();
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

    // --- DoubleClickHelp ------------------------------------------------

    void doubleClickHelp(const BoxHelp* help) {
        const auto t = type();
        if (!t) return;
        const int c = column(*t);
        if (!help->message[c].empty()) ShowMessage(qtext(help->message[c]), this);
        if (!help->table[c].empty()) OpenTool(qtext(help->table[c]));
    }

    std::array<QLineEdit*, 26> t_{};
    std::array<QLabel*, 30> l_{};
    QComboBox* combo_ = nullptr;
    QPushButton *compute_ = nullptr, *computeBreathing_ = nullptr, *protection_ = nullptr;
    QPlainTextEdit* note_ = nullptr;
    QHash<QLineEdit*, const BoxHelp*> helpOf_;
    QLabel* workingNote_ = nullptr;
    QHash<int, int> boxOfLabel_;  // label number to box number
    bool workingFailed_ = false, breathingFailed_ = false;
    int shown_ = kDome;  // the layout on screen; it starts as 拱顶罐
};

}  // namespace
}  // namespace korrimet::tanks

using korrimet::tanks::TankLossWindow;
KORRIMET_REGISTER_TOOL(TankLossWindow);
