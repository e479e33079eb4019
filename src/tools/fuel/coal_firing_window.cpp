#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "common/steps.h"
#include "common/widgets/help_button.h"
#include "common/widgets/live_recompute.h"
#include "common/widgets/qt_text.h"
#include "common/widgets/tool_registry.h"
#include "common/widgets/tool_window.h"
#include "tools/fuel/coal_firing.h"

namespace korrimet::fuel {
namespace {

const char* const kHint = " 当计算结果为0或未知时,请检查你的输入的参数,参数里是否有非数字输入或是0输入!";

// The method as the provincial rules state it; every non-empty line but the
// second (a continuation) is indented.
const char* const kMethodLines[] = {
    "按照国家环保总局《关于排污费征收核定有关工作的通知》（环发[2003]64号）中有关排放污染物物料",
    "衡算的规定，制定本办法。",
    "一、燃煤污染物排放量",
    "",
    "１、烟尘排放量",
    "",
    "Gsd=1000×B×A×dfh×(1-η)/(1-Cfh)",
    "Gsd--烟尘排放量，kg;",
    "B--耗煤量，T;",
    "A--煤中灰分，%；",
    "dfh--灰分中烟尘，%；",
    "η--除尘系统除尘效率，%；",
    "Cfh--烟尘中可燃物，%。",
    "",
    "2、SO2排放量",
    "",
    "GSO2=1600×B×S",
    "GSO2--SO2排放量，kg；",
    "B --耗煤量，T；",
    "S --燃煤全硫分含量，%。",
    "",
    "3、CO排放量",
    "",
    "GCO=2330×B×C×Q",
    "GCO--CO排放量，kg；",
    "B --耗煤量，T；",
    "C --燃煤中碳含量，%；",
    "Q --燃煤燃烧不完全值，%。",
    "",
    "4、NOX排放量",
    "",
    "GNOX=1630×B×（0.015×η3+0.000938）",
    "GNOX--NOX排放量, kg；",
    "B --耗煤量, T；",
    "η3 --燃煤中氮的转化率，%。",
};

QString methodText() {
    QString text;
    int n = 0;
    for (const char* line : kMethodLines) {
        QString l = QString::fromUtf8(line);
        if (!l.isEmpty() && n != 1) l.prepend(QStringLiteral("    "));
        text += l + QLatin1Char('\n');
        ++n;
    }
    return text;
}

// One row of a column: a box with its label and, beside it, the button that
// opens a reference page or shows the hint.
struct Row {
    const char* box;
    const char* label;
    const char* text;    // default text; results start empty
    bool result;
    const char* button;  // none when null
    const char* page;    // the page the button opens; the hint when null
};

constexpr Row kLeft[] = {
    {"Text1", "B--耗煤量，T：", "300", false, nullptr, nullptr},
    {"Text2", "A--煤中灰分，%：", "25", false, "Command1", "煤中灰分含量"},
    {"Text3", "dfh--灰分中烟尘，%：", "20", false, "Command2", "灰分中烟尘的含量"},
    {"Text4", "Cfh--烟尘中可燃物，%：", "30", false, "Command3", "烟尘中可燃物含量"},
    {"Text5", "η1--除尘系统除尘效率，%：", "83.3", false, "Command8", "各种除尘器的效率"},
    {"Text6", "Gsd--烟尘排放量，kg：", "", true, "Command9", nullptr},
};

constexpr Row kRight[] = {
    {"Text9", "S --燃煤全硫分含量，%：", "0.24", false, "Command4", "煤的全硫分含量"},
    {"Text8", "η2--二氧化硫脱除效率(%)：", "90", false, nullptr, nullptr},
    {"Text10", "Gso2--SO2排放量，kg：", "", true, "Command10", nullptr},
    {"Text7", "η3--燃煤中NOX的转化率，%：", "50", false, "Command5", "燃煤中氮NOX转化率"},
    {"Text11", "Gnox--NOX排放量, kg：", "", true, "Command11", nullptr},
    {"Text12", "C --燃煤中碳含量，%：", "80", false, "Command6", "燃煤燃烧不完全值和含碳量QC"},
    {"Text13", "Q --燃煤燃烧不完全值，%：", "3", false, "Command7", "燃煤燃烧不完全值和含碳量QC"},
    {"Text14", "Gco--CO排放量，kg：", "", true, "Command12", nullptr},
};

constexpr int kRowTop = 720;
constexpr int kRowStep = 345;

double number(const QString& text) { return ParseNumber(text, Precision::Double); }

class CoalFiringWindow : public ToolWindow {
public:
    static constexpr const char* kClassName = "燃煤烟尘量";
    static constexpr const char* kCaption = "燃煤污染物排放量";

    CoalFiringWindow() : ToolWindow(kClassName, kCaption, 10035, 6510) {
        FormBuilder f = form();
        QLabel* title = f.label("Label1", "燃煤污染物排放量的计算", 0, 150, 10035, 420);
        title->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        title->setFont(songti(14, true));

        placeColumn(f, kLeft, 120);
        placeColumn(f, kRight, 5100);

        QGroupBox* frame = f.frame("Frame1", "黑龙江省燃料燃烧排放大气污染物物料衡算办法（暂行）", 120, 3600, 9795, 2790);
        FormBuilder inFrame(frame);
        QPlainTextEdit* method = inFrame.memo("Text15", 120, 300, 9555, 2370, methodText());
        method->setReadOnly(true);
        method->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        setBackground(method, palette().color(QPalette::ToolTipBase));

        for (const char* name : {"Text1", "Text2", "Text3"}) box(name)->setFont(songti(10.5, true));

        auto* live = new LiveRecompute(this);
        live->onChange({box("Text1")}, [this] {
            soot();
            sulphurDioxide();
            carbonMonoxide();
            nitrogenOxides();
        });
        live->onChange({box("Text2"), box("Text3"), box("Text4"), box("Text5")}, [this] { soot(); });
        live->onClick({box("Text6")}, [this] { soot(); });
        live->onChange({box("Text9"), box("Text8")}, [this] { sulphurDioxide(); });
        live->onClick({box("Text10")}, [this] { sulphurDioxide(); });
        live->onChange({box("Text12"), box("Text13")}, [this] { carbonMonoxide(); });
        live->onClick({box("Text14")}, [this] { carbonMonoxide(); });
        live->onChange({box("Text7")}, [this] { nitrogenOxides(); });
        live->onClick({box("Text11")}, [this] { nitrogenOxides(); });
    }

private:
    template <size_t N>
    void placeColumn(FormBuilder& f, const Row (&rows)[N], int left) {
        for (size_t i = 0; i < N; ++i) {
            const Row& r = rows[i];
            int top = kRowTop + static_cast<int>(i) * kRowStep;
            QLabel* label = f.label("Label2", r.label, left, top + 30, 2760, 300);
            label->setProperty("index", static_cast<int>(i) + (left > 120 ? 6 : 0));
            QLineEdit* b = f.textBox(r.box, left + 2760, top, 1260, 315, r.text);
            b->setFont(songti(9, true));
            setTextColor(b, r.result ? kRed : kDarkGreen);
            if (!r.button) continue;
            if (r.page) {
                QString page = QString::fromUtf8(r.page);
                QPushButton* button = f.button(r.button, "......?", left + 4050, top, 690, 315);
                connect(button, &QPushButton::clicked, this, [page] { OpenTool(page); });
            } else {
                helpButton(f, r.button, "......?", left + 4050, top, 690, 315, QString::fromUtf8(kHint));
            }
        }
    }

    QLineEdit* box(const char* name) const { return control<QLineEdit>(QString::fromUtf8(name)); }

    // One result: read its boxes, compute as one statement (a failure
    // leaves it empty, shown as zero through the mask), write it masked.
    template <class Formula>
    void recompute(const char* result, const char* mask, Formula formula) {
        double value = 0;
        Steps steps;
        steps([&] { value = formula(); });
        box(result)->setText(qtext(MaskText(value, mask)));
    }

    void soot() {
        const QString b = box("Text1")->text(), a = box("Text2")->text(), dfh = box("Text3")->text(),
                      cfh = box("Text4")->text(), eta1 = box("Text5")->text();
        recompute("Text6", kSootMask,
                  [&] { return CoalSoot(number(b), number(a), number(dfh), number(cfh), number(eta1)); });
    }

    void sulphurDioxide() {
        const QString b = box("Text1")->text(), s = box("Text9")->text(), eta2 = box("Text8")->text();
        recompute("Text10", kSulphurDioxideMask,
                  [&] { return CoalSulphurDioxide(number(b), number(s), number(eta2)); });
    }

    void carbonMonoxide() {
        const QString b = box("Text1")->text(), c = box("Text12")->text(), q = box("Text13")->text();
        recompute("Text14", kCarbonMonoxideMask,
                  [&] { return CoalCarbonMonoxide(number(b), number(c), number(q)); });
    }

    void nitrogenOxides() {
        const QString b = box("Text1")->text(), eta3 = box("Text7")->text();
        recompute("Text11", kNitrogenOxidesMask, [&] { return CoalNitrogenOxides(number(b), number(eta3)); });
    }
};

}  // namespace
}  // namespace korrimet::fuel

using korrimet::fuel::CoalFiringWindow;
KORRIMET_REGISTER_TOOL(CoalFiringWindow);
