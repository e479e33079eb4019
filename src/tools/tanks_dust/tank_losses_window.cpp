#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <array>
#include <functional>

#include "common/steps.h"
#include "common/stores.h"
#include "common/widgets/live_recompute.h"
#include "common/widgets/qt_text.h"
#include "common/widgets/tool_registry.h"
#include "common/widgets/tool_window.h"
#include "platform/message_service.h"
#include "platform/web_links.h"
#include "tools/tanks_dust/tank_losses.h"

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

// One input row: its label and box, the caption shown at load, and the
// caption each tank type gives it (nullptr: the type leaves it as it is).
struct Row {
    int label;
    int box;
    const char* atLoad;
    std::array<const char*, 3> caption;
};

// Working-loss rows, top to bottom. Under 浮顶油罐 only the first three
// show, under 内浮顶油罐 the first five.
const std::array<Row, 10> kWorkingRows{{
    {6, 5, "泵送液体入罐量         V1[m^3]：",
     {"泵送液体入罐量 V1        [m^3]：", "油罐直径                 D [m]：", "油罐直径                 D [m]："}},
    {8, 7, "油罐容积                V[m^3]：",
     {"油罐容积 V               [m^3]：", "油品密度          ρy [kg/m^3]：", "油品密度          ρy [kg/m^3]："}},
    {7, 6, "油罐年周转次数               N：",
     {"油罐年周转次数 N              ：", "油罐壁粘附系数 C [m^3/1000m^2]：", "油罐壁粘附系数 C [m^3/1000m^2]："}},
    {9, 8, "单位换算系数                 K：", {"单位换算系数 K                ：", nullptr, "支柱个数                    Nc："}},
    {10, 9, "周转系数                    Kt：", {"周转系数 Kt                   ：", nullptr, "支柱有效直径             Fc[m]："}},
    {11, 10, "油品系数                    K1：", {}},
    {13, 12, "油罐内液面最低温度的蒸汽压  Py1[Kpa]：", {}},
    {14, 13, "油罐内液面最高温度的蒸汽压  Py2[Kpa]：", {}},
    {12, 11, "油品平均温度下蒸汽压   Py[Kpa]：", {}},
    {15, 14, "油蒸汽的摩尔质量    u[Kg/kmol]：", {}},
}};
constexpr std::array<int, 3> kWorkingRowsShown{10, 3, 5};

// Breathing-loss rows; 拱顶罐 shows the first nine.
const std::array<Row, 11> kBreathingRows{{
    {17, 3, "罐内油品本体温度下蒸汽压P[Kpa]：",
     {"罐内油品本体温度下蒸汽压P[Kpa]：", "密封耗损系数                Ft：", "焊接长度系数                Fd："}},
    {18, 4, "当地大气压             Pa[Kpa]：",
     {"当地大气压             P1[Kpa]：", "密封相关系数                Kt：", "顶板接缝耗损系数            Kd："}},
    {19, 16, "油罐内汽体空间高度        H[m]：",
     {"油罐内汽体空间高度        H[m]：", "油罐所在地平均风速      V[m/s]：", "边圈密封损耗系数            Kc："}},
    {20, 17, "大气温度的平均日温差   ΔT[℃]：",
     {"大气温度的平均日温差   ΔT[℃]：", "与密封相关的风速指数         n：", "单位换算系数                K8："}},
    {21, 18, "涂料系数                    Fp：",
     {"涂料系数                    Fp：", "蒸汽压函数，无量纲          P*：", "蒸汽压函数，无量纲          P*："}},
    {22, 19, "单位换算系数                K2：",
     {"单位换算系数                K2：", "油气摩尔质量       Mv[Kg/kmol]：", "油气摩尔质量       Mv[Kg/kmol]："}},
    {23, 20, "油品系数 K3                   ：",
     {"油品系数 K3                   ：", "油罐直径                 D [m]：", "油罐直径                 D [m]："}},
    {24, 21, "小直径油罐修正系数          C1：",
     {"小直径油罐修正系数          C1：", "油品系数                    Kc：", "支柱有效直径             Fc[m]："}},
    {25, 22, "油罐直径                  D[m]：",
     {"油罐直径                  D[m]：", "浮盘附件总损耗系数          Ff：", "浮盘附件总损耗系数          Fm："}},
    {26, 23, "泵送液体入罐量 V1        [m^3]：",
     {"泵送液体入罐量 V1        [m^3]：", "油品平均温度下蒸汽压   Py[Kpa]：", "油品平均温度下蒸汽压   Py[Kpa]："}},
    {27, 24, "泵送液体入罐量 V1        [m^3]：",
     {"泵送液体入罐量 V1        [m^3]：", "当地大气压             Pa[Kpa]：", "当地大气压             Pa[Kpa]："}},
}};
constexpr std::array<int, 3> kBreathingRowsShown{9, 11, 11};

// What each breathing box means under each type. A switch clears the boxes
// whose meaning changes, so that no value is silently read as another.
// Ff and Fm are the same fittings loss factor.
struct Meaning {
    int box;
    std::array<const char*, 3> of;
};
// Inputs first, the derived boxes (Ft, P*, C1) last, so these end empty.
const std::array<Meaning, 9> kBreathingMeanings{{
    {4, {"Pa", "Kt", "Kd"}},
    {16, {"H", "V", "Kc"}},
    {17, {"dT", "n", "K8"}},
    {19, {"K2", "Mv", "Mv"}},
    {20, {"K3", "D", "D"}},
    {22, {"D", "Ff", "Ff"}},
    {3, {"P", "Ft", "Fd"}},
    {18, {"Fp", "P*", "P*"}},
    {21, {"C1", "Kc", "Fc"}},
}};

const char* const kWorkingResult[3] = {"大呼吸量计算结果       [m^3/a]：", "大呼吸量计算结果       [Kg/a]：",
                                       "大呼吸量计算结果       [Kg/a]："};
const char* const kBreathingResult[3] = {"小呼吸量计算结果       [m^3/a]：", "小呼吸量计算结果       [Kg/a]：",
                                         "小呼吸量计算结果       [Kg/a]："};
const char* const kTotal[3] = {"贮罐全年无组织排放量为 [m^3/a]：", "贮罐全年无组织排放量为 [Kg/a]：",
                               "贮罐全年无组织排放量为 [Kg/a]："};

// Double-click help: a message, a coefficient table to open, or nothing.
struct Help {
    const char* message = nullptr;
    const char* table = nullptr;
};
struct BoxHelp {
    int box;
    std::array<Help, 3> of;
};

const char* const kWallFactorHelp =
    "若装气油的贮罐，缸壁分为轻锈、内锈和喷涂内衬，油罐壁粘滞系数对应的值为：0.00257、0.01284、0.2567！"
    "若装原油的贮罐，缸壁分为轻锈、内锈和喷涂内衬，对应的值为：0.01027、0.05134、1.0268！";
const char* const kVapourFunctionHelp = "蒸汽压函数无量纲，要求输入油品的平均蒸汽压Py和当地气压Pa，由系统自动求得！";
const char* const kFittingsHelp =
    "Ff浮盘附件总耗损系数因各罐所用的附件不一样，无法给出，请对照《石油库节能设计导则》手工计算输入！";
const char* const kMeanPressureHelp =
    "油品液面的平均蒸汽压，为油罐液面表面蒸汽压年记录的最高温度液面蒸汽压和最低温度的液面蒸汽压平均值！需手工计算输入！";
// Under 内浮顶油罐 this box has no part in the breathing loss; say how it is computed.
const char* const kInternalBreathingHelp =
    "内浮顶油罐小呼吸量按 Ls=K8×(Kc×D+Fm+Fd×Kd×D^2)×P*×Mv 计算：浮盘附件损耗项取Fm，油品系数取1，本框不参与小呼吸量计算！";

const std::array<BoxHelp, 12> kHelp{{
    {10, {Help{"汽油K1=1,原油K1=0.75;导则规定!"}, Help{}, Help{}}},
    {6, {Help{}, Help{kWallFactorHelp}, Help{kWallFactorHelp}}},
    {3,
     {Help{}, Help{"要求输入密封相关系数Kt和风速指数n,由密封相关系数和风速指数系统自动由得!"},
      Help{"Fd顶板焊接系数,系指顶板接缝长度与顶板面积的比值；需手工计算输入！"}}},
    {4, {Help{}, Help{nullptr, "mfxs"}, Help{"顶板接缝系数Kd，焊接顶板，Kd=0；非焊接顶板，Kd=3.66！"}}},
    {16, {Help{}, Help{}, Help{nullptr, "边圈密封损耗系数"}}},
    {17, {Help{nullptr, "tlxs"}, Help{nullptr, "mfxs"}, Help{"单位换算系数K8=0.45"}}},
    {18, {Help{nullptr, "tlxs"}, Help{kVapourFunctionHelp}, Help{kVapourFunctionHelp}}},
    {19, {Help{"单位换算系数,K2=3.05"}, Help{}, Help{}}},
    {20, {Help{"汽油K3=1,原油K3=0.58;导则规定!"}, Help{}, Help{}}},
    {21,
     {Help{"小直径油罐修正系数C1由油罐直径求得,要求输入油罐直径!"}, Help{"油品系数，原油Kc=0.4，汽油Kc=0.1"},
      Help{kInternalBreathingHelp}}},
    {22, {Help{}, Help{kFittingsHelp}, Help{kFittingsHelp}}},
    {23, {Help{}, Help{kMeanPressureHelp}, Help{kMeanPressureHelp}}},
}};

const char* const kNote =
    "本工具依据《石油库设计节能导则》编制！由于各种系数和参数较多,当系数或参数未提供或有疑问时,可双\n"
    "击该系数输入框，或许能够帮助你!若结果未知,请检查系数输入！在此感谢Orlenfeld社区中部分会员参加\n"
    "测试！若有任何问题，联系到：";

const QString kProtectionDistanceTool = QStringLiteral("卫生防护距离计算工具");

class TankLossWindow : public ToolWindow {
public:
    static constexpr const char* kClassName = "各类贮罐大小呼吸量计算1";
    static constexpr const char* kCaption = "Korrimet之贮罐呼吸量计算单行版";

    TankLossWindow() : ToolWindow(QString::fromUtf8(kClassName), QString::fromUtf8(kCaption), 9135, 6525) {
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
        l_[4] = c.label("Label4", "请选择贮罐类型：", 120, 255, 1560, 255);
        combo_ = c.combo("Combo1", 1680, 195, 1680, 300);
        l_[3] = c.label("Label3", "油罐年周转量 Q[m^3/a]：", 3840, 255, 2400, 255);
        t_[2] = c.textBox("Text2", 6240, 195, 1500, 285);

        QGroupBox* working = f.frame("Frame2", "大呼吸量计算", 60, 645, 4500, 4410);
        FormBuilder w(working);
        for (size_t i = 0; i < kWorkingRows.size(); ++i) row(w, kWorkingRows[i], int(i));
        l_[2] = rowLabel(w, 2, "确认以上参数输入无误吗?    ：", 10);
        compute_ = w.button("Command2", "确认计算", 3420, rowTop(10) - 15, 990, 315);
        l_[16] = rowLabel(w, 16, kWorkingResult[kDome], 11);
        t_[15] = rowBox(w, 15, 11);

        QGroupBox* breathing = f.frame("Frame3", "小呼吸量计算", 4620, 645, 4455, 4410);
        FormBuilder b(breathing);
        for (size_t i = 0; i < kBreathingRows.size(); ++i) row(b, kBreathingRows[i], int(i));
        l_[28] = rowLabel(b, 28, "确认以上参数输入无误吗?    ：", 11);
        computeBreathing_ = b.button("Command3", "确认计算", 3420, rowTop(11) - 15, 990, 315);
        l_[29] = rowLabel(b, 29, kBreathingResult[kDome], 12);
        t_[25] = rowBox(b, 25, 12);

        QGroupBox* total = f.frame("Frame4", "", 60, 5085, 4500, 525);
        FormBuilder t(total);
        l_[1] = t.label("Label1", kTotal[kDome], 90, 225, 3330, 255);
        l_[1]->setWordWrap(false);
        t_[1] = t.textBox("Text1", 3420, 195, 990, 285);

        protection_ = f.button("Command1", "计算卫生防护距离请点击此处!", 4620, 5145, 4455, 435);
        note_ = f.memo("Text26", 60, 5655, 9015, 810, QString::fromUtf8(kNote) + ContactAddresses().mail);
        setBackground(note_, palette().color(QPalette::ToolTipBase));

        setTextColor(t_[15], kDarkGreen);
        setTextColor(t_[25], kDarkGreen);
        setTextColor(t_[1], kRed);
    }

    static int rowTop(int i) { return 240 + i * 315; }

    QLabel* rowLabel(FormBuilder& f, int n, const char* text, int i) {
        QLabel* label = f.label(QStringLiteral("Label%1").arg(n), QString::fromUtf8(text), 90, rowTop(i) + 30, 3330, 255);
        label->setWordWrap(false);
        return label;
    }
    QLineEdit* rowBox(FormBuilder& f, int n, int i) {
        return f.textBox(QStringLiteral("Text%1").arg(n), 3420, rowTop(i), 990, 285);
    }
    void row(FormBuilder& f, const Row& r, int i) {
        l_[r.label] = rowLabel(f, r.label, r.atLoad, i);
        t_[r.box] = rowBox(f, r.box, i);
    }

    // Form_Load: the stored 拱顶罐 layout, without running the switch.
    void load() {
        combo_->addItems({"拱顶罐", "浮顶油罐", "内浮顶油罐"});
        combo_->setCurrentIndex(0);
        t_[2]->setText("100000");
        t_[8]->setText("51.6");
        for (int n : {5, 3, 4, 16, 17, 18, 19, 20, 22, 23, 24}) t_[n]->setToolTip("必须输入");
        t_[7]->setToolTip("必须输入!");
        t_[8]->setToolTip("不可更改,导则规定!");
        t_[9]->setToolTip("无需输入,由油罐年周转次数求得!");
        t_[11]->setToolTip("无需输入由(PY1+PY2)/2求得!");
        t_[14]->setToolTip("u不应大于172.5,(690-4Uy)会小于0,导致计算结果会出现负数!)");
        t_[15]->setToolTip("设置完参数以后，点击文本框即可更新结果！");
        t_[25]->setToolTip("设置完参数以后，点击文本框即可更新结果！");
        for (int n : {12, 13, 14, 15, 16, 29}) l_[n]->setToolTip("汽油取1,原油取0.75");
        for (int n : {26, 27}) {
            l_[n]->setVisible(false);
            t_[n - 3]->setVisible(false);
        }
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

        for (const BoxHelp& h : kHelp) {
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
    double number(int n) const { return ParseNumber(t_[n]->text(), Precision::Double); }
    double leading(int n) const { return LeadingNumber(t_[n]->text()); }

    // --- Combo1_Click ---------------------------------------------------

    void switchType() {
        const auto t = type();
        if (!t) return;
        const int to = column(*t);
        clearRepurposed(to);
        layout(to);

        assign(1, "");
        assign(2, "100000");
        for (int n : {5, 6, 7}) assign(n, "");
        if (to == kDome)
            assign(8, qtext(NumberText(51.6)));
        else
            assign(8, "");
        for (int n : {9, 10, 11, 13, 14, 12}) assign(n, "");
        if (to == kInternal) assign(8, "");
        assign(15, "");
        assign(1, "");

        if (to == kDome) {
            t_[9]->setToolTip("无需输入,由油罐年周转次数求得!");
            t_[8]->setToolTip("不可更改！");
        } else if (to == kInternal) {
            t_[6]->setToolTip("");
            t_[8]->setToolTip("若无支柱,请填写0");
            t_[9]->setToolTip("若无支柱,请填写0");
        }
        shown_ = to;
    }

    void clearRepurposed(int to) {
        if (to == shown_) return;
        bool pStarCleared = false;
        for (const Meaning& m : kBreathingMeanings) {
            if (QString::fromUtf8(m.of[shown_]) == QString::fromUtf8(m.of[to])) continue;
            assign(m.box, "");
            if (m.box == 18) pStarCleared = true;
        }
        assign(25, "");
        // P* follows Py and Pa, which keep their meaning under both floating roofs.
        if (pStarCleared && to != kDome && !(t_[23]->text().isEmpty() && t_[24]->text().isEmpty()))
            vapourPressureFunction();
    }

    void layout(int to) {
        for (size_t i = 0; i < kWorkingRows.size(); ++i) showRow(kWorkingRows[i], to, int(i) < kWorkingRowsShown[to]);
        for (size_t i = 0; i < kBreathingRows.size(); ++i)
            showRow(kBreathingRows[i], to, int(i) < kBreathingRowsShown[to]);
        l_[16]->setText(QString::fromUtf8(kWorkingResult[to]));
        l_[29]->setText(QString::fromUtf8(kBreathingResult[to]));
        l_[1]->setText(QString::fromUtf8(kTotal[to]));
    }

    void showRow(const Row& r, int to, bool visible) {
        if (const char* caption = r.caption[to]) l_[r.label]->setText(QString::fromUtf8(caption));
        l_[r.label]->setVisible(visible);
        t_[r.box]->setVisible(visible);
    }

    // --- derived coefficients -------------------------------------------

    // N from Q and V, then re-masked; both writes refresh Kt.
    void turnovers() {
        if (!is(TankType::DomeRoof)) return;
        Steps steps;
        QString n;
        if (steps([&] { n = qtext(NumberText(TurnoverCount(number(2), number(7)))); })) assign(6, n);
        assign(6, MaskText(t_[6]->text(), "####.###"));
    }

    void turnoverFactor() {
        if (!is(TankType::DomeRoof)) return;
        // An N that is no number cannot be compared: Kt stays as it is.
        const auto n = TryParseNumber(t_[6]->text(), Precision::Double);
        if (!n) return;
        if (*n > kTurnoverLimit) {
            Steps steps;
            QString kt;
            if (steps([&] { kt = qtext(NumberText(TurnoverFactor(number(6)))); })) assign(9, kt);
            assign(9, MaskText(t_[9]->text(), "####.###"));
        } else {
            assign(9, "1");
        }
    }

    // Py is derived under every type, even a typed one that matches none.
    void meanVapourPressure() {
        Steps steps;
        double py = 0;
        steps([&] { py = MeanVapourPressure(leading(12), leading(13)); });
        assign(11, qtext(MaskText(py, "###.###")));
    }

    void smallTankFactor() {
        if (!is(TankType::DomeRoof)) return;
        const double d = leading(22);
        if (d >= kSmallTankDiameter) {
            assign(21, "1");
            return;
        }
        Steps steps;
        double c1 = 0;
        steps([&] { c1 = SmallTankDiameterFactor(d); });
        assign(21, qtext(MaskText(c1, "####.####")));
    }

    void rimSealLossFactor() {
        if (!is(TankType::FloatingRoof)) return;
        Steps steps;
        double ft = 0;
        steps([&] { ft = RimSealLossFactor(leading(4), leading(16), leading(17)); });
        assign(3, qtext(MaskText(ft, "##.####")));
    }

    void vapourPressureFunction() {
        if (!is(TankType::FloatingRoof) && !is(TankType::InternalFloatingRoof)) return;
        Steps steps;
        double pStar = 0;
        steps([&] { pStar = VapourPressureFunction(leading(23), leading(24)); });
        assign(18, qtext(MaskText(pStar, "##.####")));
    }

    void total() {
        if (!type()) return;
        Steps steps;
        QString sum;
        if (steps([&] { sum = qtext(MaskText(dbl(leading(25) + leading(15)), "####.###")); })) assign(1, sum);
    }

    // --- compute buttons ------------------------------------------------

    void workingLoss() {
        const auto t = type();
        if (!t) return;
        Steps steps;
        QString lw;
        const bool computed = steps([&] {
            double loss = 0;
            switch (*t) {
                case TankType::DomeRoof:
                    loss = DomeRoofWorkingLoss(number(9), number(10), number(11), number(5), number(14), number(8));
                    break;
                case TankType::FloatingRoof:
                    loss = FloatingRoofWorkingLoss(number(2), number(6), number(7), number(5));
                    break;
                case TankType::InternalFloatingRoof:
                    loss = InternalFloatingRoofWorkingLoss(number(2), number(6), number(7), number(5), number(8),
                                                           number(9));
                    break;
            }
            lw = qtext(NumberText(loss));
        });
        if (computed) assign(15, lw);
        assign(15, MaskText(t_[15]->text(), "####.###"));
    }

    void breathingLoss() {
        const auto t = type();
        if (!t) return;
        Steps steps;
        double loss = 0;  // stays empty when the computation fails
        std::string_view mask = "##.####";
        switch (*t) {
            case TankType::DomeRoof: {
                DomeRoofBreathing in;
                in.p = leading(3);
                in.pa = leading(4);
                in.h = leading(16);
                in.dt = leading(17);
                in.fp = leading(18);
                in.k2 = leading(19);
                in.k3 = leading(20);
                in.c1 = leading(21);
                in.d = leading(22);
                steps([&] { loss = DomeRoofBreathingLoss(in); });
                mask = "####.###";
                break;
            }
            case TankType::FloatingRoof:
                steps([&] {
                    loss = FloatingRoofBreathingLoss(number(22), number(3), number(20), number(18), number(19),
                                                     number(21));
                });
                break;
            case TankType::InternalFloatingRoof:
                steps([&] {
                    loss = InternalFloatingRoofBreathingLoss(number(17), number(16), number(20), number(22), number(3),
                                                             number(4), number(18), number(19));
                });
                break;
        }
        assign(25, qtext(MaskText(loss, mask)));
    }

    // --- DoubleClickHelp ------------------------------------------------

    void doubleClickHelp(const BoxHelp* help) {
        const auto t = type();
        if (!t) return;
        const Help& h = help->of[column(*t)];
        if (h.message) ShowMessage(QString::fromUtf8(h.message), this);
        if (h.table) OpenTool(QString::fromUtf8(h.table));
    }

    std::array<QLineEdit*, 26> t_{};
    std::array<QLabel*, 30> l_{};
    QComboBox* combo_ = nullptr;
    QPushButton *compute_ = nullptr, *computeBreathing_ = nullptr, *protection_ = nullptr;
    QPlainTextEdit* note_ = nullptr;
    QHash<QLineEdit*, const BoxHelp*> helpOf_;
    int shown_ = kDome;  // the layout on screen; it starts as 拱顶罐
};

}  // namespace
}  // namespace korrimet::tanks

using korrimet::tanks::TankLossWindow;
KORRIMET_REGISTER_TOOL(TankLossWindow);
