#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <algorithm>
#include <functional>
#include <string_view>

#include "common/widgets/help_button.h"
#include "common/widgets/live_recompute.h"
#include "common/widgets/model_input.h"
#include "common/widgets/press.h"
#include "common/widgets/qt_text.h"
#include "common/widgets/tool_registry.h"
#include "common/widgets/tool_window.h"
#include "tools/tanks_dust/dust.h"

namespace korrimet::dust {
namespace {

QString lines(std::initializer_list<QString> l) {
    QString text;
    for (const QString& line : l) text += line + QLatin1Char('\n');
    return text;
}
QString indented(int spaces, const char* text) { return QString(spaces, QLatin1Char(' ')) + QString::fromUtf8(text); }

// The shape every dust calculator shares: a title, labelled input boxes,
// result boxes and, below them, a formula text. Each input change and each
// click on a result box recomputes the whole window; nothing is computed at
// load. Sizes in twips.
class DustCalculator : public ToolWindow {
protected:
    struct Geometry {
        int width, height;
        int boxLeft, boxWidth;
        int firstRow = 660, rowStep = 405;
    };

    DustCalculator(const char* className, const char* caption, const Geometry& g, const char* title)
        : ToolWindow(QString::fromUtf8(className), QString::fromUtf8(caption), g.width, g.height), g_(g) {
        setFont(songti(9));
        FormBuilder f = form();
        f.label("Label1", QString::fromUtf8(title), 120, 120, g.width - 240, 375)->setFont(songti(12));
    }

    int rowTop(int row) const { return g_.firstRow + g_.rowStep * row; }

    // A box with its label to the left, right-aligned against it; both bold
    // dark green where the window wants them so.
    QLineEdit* box(const QString& name, const QString& labelName, const char* label, int row, const char* text = "",
                   bool greenLabel = false, int labelHeight = 315) {
        FormBuilder f = form();
        const int top = rowTop(row);
        // A taller label grows up into the gap above its box, not into the row above.
        labelHeight = std::min(labelHeight, g_.rowStep);
        QLabel* l = f.label(labelName, QString::fromUtf8(label), 120, top + 315 - labelHeight, g_.boxLeft - 120,
                            labelHeight);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        QLineEdit* b = f.textBox(name, g_.boxLeft, top, g_.boxWidth, 315, QString::fromUtf8(text));
        b->setFont(songti(9, true));
        setTextColor(b, kDarkGreen);
        if (greenLabel) {
            l->setFont(songti(9, true));
            setTextColor(l, kDarkGreen);
        }
        return b;
    }

    QRect besideBox(int row) const { return QRect(g_.boxLeft + g_.boxWidth + 60, rowTop(row), 600, 315); }
    void help(const char* name, int row, const char* text) {
        FormBuilder f = form();
        const QRect r = besideBox(row);
        helpButton(f, name, "......?", r.left(), r.top(), r.width(), r.height(), QString::fromUtf8(text));
    }

    // The formula frame below the boxes; no handler reads or writes its text.
    void formula(const char* frameCaption, const char* name, int top, const QString& text) {
        FormBuilder f = form();
        QGroupBox* frame = f.frame("Frame1", QString::fromUtf8(frameCaption), 120, top, g_.width - 240,
                                   g_.height - top - 120);
        FormBuilder in(frame);
        QPlainTextEdit* memo = in.memo(name, 120, 285, g_.width - 480, g_.height - top - 525, text);
        memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        memo->setLineWrapMode(QPlainTextEdit::NoWrap);
        setBackground(memo, palette().color(QPalette::ToolTipBase));
    }

    // Every change of an input and every click on a result runs `compute`.
    void live(std::initializer_list<QLineEdit*> inputs, std::initializer_list<QLineEdit*> results,
              std::function<void()> compute) {
        auto* l = new LiveRecompute(this);
        l->onChange(inputs, compute);
        l->onClick(results, std::move(compute));
    }

private:
    Geometry g_;
};

// --- construction site ------------------------------------------------------

class ConstructionSiteDustWindow : public DustCalculator {
public:
    static constexpr const char* kClassName = "建设工地起尘量的计算";
    static constexpr const char* kCaption = "建设工地起尘量的计算";

    ConstructionSiteDustWindow() : DustCalculator(kClassName, kCaption, {7440, 6120, 4560, 1500}, "建设工地起尘量计算") {
        p_ = box("Text1", "Label2", "P-可扬起尘粒(直径<30um)比例数：", 0, "0.62");
        help("Command1", 0, "P-可扬起尘粒(直径<30um)比例数；石子路面为0.62，泥土路面为0.32；");
        s_ = box("Text2", "Label3", "s-表面粉矿成分百分比，12%：", 1, "12");
        v_ = box("Text3", "Label4", "V-车辆驶过工地的平均车速，km/h：", 2, "15");
        w_ = box("Text4", "Label5", "w-一年中降水量大于0.254mm的天数：", 3, "150");
        t_ = box("Text5", "Label6", "T-每辆车的平均轮胎数：", 4, "6");
        help("Command2", 4, "车子的轮胎数，一般为6个轮胎");
        e_ = box("Text6", "Label7", "E-单辆车引起的工地起尘量散发因子，kg/km：", 5, "", false, 480);
        formula("计算公式：", "Text7", rowTop(6) + 120,
                lines({indented(6, "E=P*0.81*S*(V/30)*((365-W)/365)*(T/4)"), "",
                       "式中：E-单辆车引起的工地起尘量散发因子，kg/km；",
                       indented(6, "P-可扬起尘粒(直径<30um)比例数；石子路面为0.62，泥"), "土路面为0.32；",
                       indented(6, "S-表面粉矿成分百分比，12%；"), indented(6, "V-车辆驶过工地的平均车速，km/h；"),
                       indented(6, "W-一年中降水量大于0.254mm的天数；"), indented(6, "T-每辆车的平均轮胎数，一般取6。")}));
        live({p_, s_, v_, w_, t_}, {e_}, [this] {
            Press press(this, PressMode::Live);
            double p = 0, s = 0, v = 0, w = 0, t = 0;
            press.read(p, p_, Range::Fraction);
            press.read(s, s_, Range::Percent);
            press.read(v, v_, Range::NonNegative);
            if (press.read(w, w_, Range::NonNegative))
                press.check(w <= 365, QStringLiteral("“%1”须在0～365之间").arg(inputName(w_)));
            press.read(t, t_, Range::NonNegative);
            press.put(e_, [&] { return ResultMaskText(ConstructionSiteDust(p, s, v, w, t), "####.#####"); });
        });
    }

private:
    QLineEdit *p_, *s_, *v_, *w_, *t_, *e_;
};

// --- wharf coal pile ----------------------------------------------------------

const QString kWharfCoalPileFormula = QStringLiteral("秦皇岛码头煤堆起尘量计算公式1");

class WharfCoalPileDustWindow : public DustCalculator {
public:
    static constexpr const char* kClassName = "秦皇岛码头煤堆起尘量计算";
    static constexpr const char* kCaption = "秦皇岛码头煤堆起尘量计算";

    WharfCoalPileDustWindow()
        : DustCalculator(kClassName, kCaption, {7440, 5220, 4560, 1500}, "秦皇岛码头煤堆起尘量计算") {
        k_ = box("Text1", "Label2", "K-经验系数，是煤含水量的函数：", 0, "0.96");
        help("Command1", 0, " K-经验系数，是煤含水量的函数，取K=0.96；");
        u_ = box("Text2", "Label3", "U-煤场平均风速，m/s：", 1, "4");
        help("Command5", 1, "请选取煤场某种风向下的风速,你可以选取主导风向或是其它的风向!");
        u0_ = box("Text3", "Label4", "U0-煤尘的启动风速，m/s：", 2, "3.0");
        help("Command2", 2, "U0-煤尘的启动风速，m/s，取3.0m/s");
        w_ = box("Text4", "Label5", "W-煤尘表面含水率，%：", 3, "10");
        p_ = box("Text5", "Label6", "P-煤场年累计堆煤量，t/a：", 4, "4000");
        help("Command3", 4, "此为计算量,实际起尘量应该考虑你用取风速的风频,计算量与风频的积为实际起尘量");
        qp_ = box("Text6", "Label7", "Qp-煤堆起尘量，kg/a：", 5, "", true);
        f_ = box("Text8", "Label8", "所选用风向出现的频率：风频（%）：", 6, "3.28");
        actual_ = box("Text9", "Label9", "该风向下煤堆实际起尘量，t/a：", 7, "", true);

        FormBuilder f = form();
        // No window of its own: the formula page shows how the actual dust
        // follows from Qp and the wind frequency, in its worked example.
        const QRect r = besideBox(7);
        QPushButton* why = f.button("Command4", "......?", r.left(), r.top(), r.width(), r.height());
        calm_ = f.label("Label10", "", 120, rowTop(8) + 60, 7200, 300);
        setTextColor(calm_, kRed);
        QPushButton* page = f.button("Command6", "查看帮助文档", 120, rowTop(9) + 60, 7200, 405);
        for (QPushButton* b : {why, page}) connect(b, &QPushButton::clicked, this, [] { OpenTool(kWharfCoalPileFormula); });

        auto* l = new LiveRecompute(this);
        l->onChange({k_, u_, u0_, w_, p_, f_}, [this] { compute("####.###"); });
        l->onClick({qp_, actual_}, [this] { compute("####.##"); });
    }

private:
    // The actual dust is computed from Qp as its box shows it.
    void compute(std::string_view qpMask) {
        Press press(this, PressMode::Live);
        double k = 0, u = 0, u0 = 0, w = 0, p = 0, f = 0;
        press.read(k, k_, Range::NonNegative);
        press.read(u, u_, Range::NonNegative);
        press.read(u0, u0_, Range::NonNegative);
        press.read(w, w_, Range::Percent);
        press.read(p, p_, Range::NonNegative);
        const bool calm = press.ok() && u <= u0;
        calm_->setText(calm ? QStringLiteral("煤场风速不大于煤尘的启动风速U0，风吹不起煤尘，起尘量为0。") : QString());
        std::string qp;
        if (press.ok()) press([&] { qp = calm ? std::string("0") : ResultMaskText(WharfCoalPileDust(k, u, u0, w, p), qpMask); });
        press.put(qp_, [&] { return qp; });
        press.read(f, f_, Range::Percent);
        press.put(actual_, [&] {
            const std::string t = ResultMaskText(WindDirectionDust(ParseNumber(qp, Precision::Double), f), "####.###");
            return calm ? std::string("0") : t;
        });
    }

    QLabel* calm_;
    QLineEdit *k_, *u_, *u0_, *w_, *p_, *qp_, *f_, *actual_;
};

// --- coal pile ------------------------------------------------------------------

class CoalPileDustWindow : public DustCalculator {
public:
    static constexpr const char* kClassName = "煤堆起尘量计算";
    static constexpr const char* kCaption = "煤堆起尘量计算";

    CoalPileDustWindow() : DustCalculator(kClassName, kCaption, {7440, 5160, 4320, 1740}, "煤堆起尘量计算") {
        u_ = box("Text1", "Label2", "U-临界风速，m/s，取大于5.5m/s：", 0, "6");
        s_ = box("Text2", "Label3", "S-煤堆表面积，m2：", 1, "200");
        humidity_ = box("Text3", "Label4", "ω-空气相对湿度，取60%：", 2, "60");
        w_ = box("Text4", "Label5", "W-煤物料湿度，原煤6%：", 3, "6");
        q_ = box("Text6", "Label6", "Qm-煤堆起尘量，mg/s：", 4, "", true);
        formula("计算公式及说明:", "Text5", rowTop(5) + 120,
                lines({"Qm=11.7*(u^2.45)*(s^0.345)*Exp(-0.5 *ω/100)*Exp(-0.55*(w - 0.07))",
                       indented(4, "式中：Qm-煤堆起尘量，mg/s；"), indented(10, "U-临界风速，m/s，取大于5.5m/s；"),
                       indented(10, "S-煤堆表面积，m2；"), indented(10, "ω-空气相对湿度，取60%；"),
                       indented(10, "W-煤物料湿度，原煤6%。")}));
        live({u_, s_, humidity_, w_}, {q_}, [this] {
            Press press(this, PressMode::Live);
            double u = 0, s = 0, humidity = 0, w = 0;
            press.read(u, u_, Range::NonNegative);
            press.read(s, s_, Range::NonNegative);
            press.read(humidity, humidity_, Range::Percent);
            press.read(w, w_, Range::Percent);
            press.put(q_, [&] { return ResultMaskText(CoalPileDust(u, s, humidity, w), "####.###"); });
        });
    }

private:
    QLineEdit *u_, *s_, *humidity_, *w_, *q_;
};

// --- wharf loading ----------------------------------------------------------------

class WharfLoadingDustWindow : public DustCalculator {
public:
    static constexpr const char* kClassName = "秦皇岛码头装卸起尘量计算1";
    static constexpr const char* kCaption = "秦皇岛码头装卸起尘量计算";

    WharfLoadingDustWindow()
        : DustCalculator(kClassName, kCaption, {6600, 3420, 3720, 1500}, "秦皇岛码头装卸起尘量计算") {
        h_ = box("Text1", "Label2", "H-物料落差，m：", 0, "0.5");
        u_ = box("Text2", "Label3", "U-气象平均风速，m/s：", 1, "1.5");
        w_ = box("Text3", "Label4", "W-物料含水率，%：", 2, "2.0");
        q_ = box("Text4", "Label5", "Q-物料起尘量,mg/s：", 3, "", true);
        yearly_ = box("Text9", "Label7", "该风向下装卸起尘量，t/a：", 4, "", true);
        FormBuilder f = form();
        f.label("Label6", "公式：Q=1133.33*U^1.6*H^1.23*e^(-0.28W)", 120, rowTop(5) + 120, 6360, 300)
            ->setAlignment(Qt::AlignCenter);
        live({h_, u_, w_}, {q_, yearly_}, [this] {
            Press press(this, PressMode::Live);
            double h = 0, u = 0, w = 0, q = 0;
            press.read(h, h_, Range::NonNegative);
            press.read(u, u_, Range::NonNegative);
            press.read(w, w_, Range::Percent);
            if (press.ok()) press([&] { q = WharfLoadingDust(h, u, w); });
            press.put(q_, [&] { return ResultMaskText(q, "#####.##"); });
            press.put(yearly_, [&] { return ResultMaskText(YearlyLoadingDust(q), "#####.##"); });
        });
    }

private:
    QLineEdit *h_, *u_, *w_, *q_, *yearly_;
};

// --- roads ------------------------------------------------------------------------

// Three windows of one shape: three inputs, one result, a formula text.
struct RoadWindowText {
    const char* title;
    const char* labels[3];
    const char* defaults[3];
    const char* resultLabel;
    const char* mask;
    QString formula;
};

class RoadDustCalculator : public DustCalculator {
protected:
    using Formula = double (*)(double, double, double);

    RoadDustCalculator(const char* className, const char* caption, const RoadWindowText& t, Formula compute)
        : DustCalculator(className, caption, {7440, 5400, 4320, 1500}, t.title) {
        for (int k = 0; k < 3; ++k)
            in_[k] = box(QStringLiteral("Text%1").arg(k + 1), QStringLiteral("Label%1").arg(k + 2), t.labels[k], k,
                         t.defaults[k]);
        result_ = box("Text6", "Label7", t.resultLabel, 3, "", true, 480);
        formula("计算公式：", "Text7", rowTop(4) + 240, t.formula);
        const std::string mask = t.mask;
        live({in_[0], in_[1], in_[2]}, {result_}, [this, compute, mask] {
            Press press(this, PressMode::Live);
            double v[3] = {};
            for (int k = 0; k < 3; ++k) press.read(v[k], in_[k], Range::NonNegative);
            press.put(result_, [&] { return ResultMaskText(compute(v[0], v[1], v[2]), mask); });
        });
    }

private:
    QLineEdit* in_[3];
    QLineEdit* result_;
};

class RoadDustWindow : public RoadDustCalculator {
public:
    static constexpr const char* kClassName = "道路起尘量计算";
    static constexpr const char* kCaption = "道路起尘量计算";
    RoadDustWindow()
        : RoadDustCalculator(
              kClassName, kCaption,
              {"道路起尘量计算",
               {"V-车辆驶过的平均车速，km/h：", "T-每辆车的平均轮胎数，一般取6：", "U-起尘风速，一般取5m/s："},
               {"40", "4", "5.0"},
               "E-单辆车引起的道路起尘量散发因子，kg/km：",
               "#####.###",
               lines({indented(6, "E = 0.000501*v*0.823*u*0.139*(t/4)"),
                      QStringLiteral("式中：E-单辆车引起的道路起尘量散发因子，kg/km"),
                      indented(6, "V-车辆驶过的平均车速，km/h；"), indented(6, "U-起尘风速，一般取5m/s；"),
                      indented(6, "T-每辆车的平均轮胎数，一般取6。")})},
              RoadDust) {}
};

class VehicleRoadDustWindow : public RoadDustCalculator {
public:
    static constexpr const char* kClassName = "汽车道路扬尘计算";
    static constexpr const char* kCaption = "汽车道路扬尘计算";
    VehicleRoadDustWindow()
        : RoadDustCalculator(kClassName, kCaption,
                             {"汽车道路扬尘计算",
                              {"V-汽车速度(km/h)：", "W-汽车重量(T)：", "P-道路表面粉尘量(kg/m^2)："},
                              {"60", "20", "0.2"},
                              "Qi-每辆汽车行驶扬尘量(kg/km*辆)：",
                              "####.###",
                              lines({indented(5, "Qi = 0.0079 * v * w ^ 0.85 * p ^ 0.72"),
                                     QStringLiteral("式中：Qi-每辆汽车行驶扬尘量(kg/km辆)；"),
                                     indented(6, "V-汽车速度(km/h)；"), indented(6, "W-汽车重量(T)；"),
                                     indented(6, "P-道路表面粉尘量(kg/m2)。")})},
                             VehicleRoadDust) {}
};

class PortRoadDustWindow : public RoadDustCalculator {
public:
    static constexpr const char* kClassName = "某港口道路扬尘计算1";
    static constexpr const char* kCaption = "某港口道路扬尘计算";
    PortRoadDustWindow()
        : RoadDustCalculator(kClassName, kCaption,
                             {"某港口道路扬尘计算",
                              {"V-汽车速度(km/h)：", "W-汽车载重量(T)：", "P-道路表面粉尘量(kg/m^2)："},
                              {"10", "45", "0.2"},
                              "Qi-每辆汽车行驶扬尘量(kg/km*辆)：",
                              "####.###",
                              lines({QStringLiteral("来源：国内某港口道路扬尘的实测试验研究公式"), "",
                                     QStringLiteral("Qi =0.123*(v/5)*(w/6.8)^0.65*(p/0.05)^0.72"), "",
                                     QStringLiteral("式中：Qi-每辆汽车行驶扬尘量(kg/km辆)；"),
                                     indented(6, "V-汽车速度(km/h)；"), indented(6, "W-汽车重量(T)；"),
                                     indented(6, "P-道路表面粉尘量(kg/m2)。"),
                                     QStringLiteral("P的取值，采取洒水措施后，取P=0.2kg/m^2；港口"),
                                     QStringLiteral("的运输汽车行驶速度一般在10km/h左右，载重量45T"),
                                     QStringLiteral("，具体的请参照当地相关数据！")})},
                             PortRoadDust) {}
};

}  // namespace
}  // namespace korrimet::dust

using korrimet::dust::CoalPileDustWindow;
using korrimet::dust::ConstructionSiteDustWindow;
using korrimet::dust::PortRoadDustWindow;
using korrimet::dust::RoadDustWindow;
using korrimet::dust::VehicleRoadDustWindow;
using korrimet::dust::WharfCoalPileDustWindow;
using korrimet::dust::WharfLoadingDustWindow;
KORRIMET_REGISTER_TOOL(ConstructionSiteDustWindow);
KORRIMET_REGISTER_TOOL(WharfCoalPileDustWindow);
KORRIMET_REGISTER_TOOL(CoalPileDustWindow);
KORRIMET_REGISTER_TOOL(WharfLoadingDustWindow);
KORRIMET_REGISTER_TOOL(RoadDustWindow);
KORRIMET_REGISTER_TOOL(VehicleRoadDustWindow);
KORRIMET_REGISTER_TOOL(PortRoadDustWindow);
