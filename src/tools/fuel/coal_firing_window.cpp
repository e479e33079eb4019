#include "common/widgets/live_recompute.h"
#include "common/widgets/tool_registry.h"
#include "tools/fuel/balance_window.h"
#include "tools/fuel/material_balance.h"

namespace korrimet::fuel {
namespace {

const char* const kHint = " 当计算结果为0或未知时,请检查你的输入的参数,参数里是否有非数字输入或是0输入!";

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

constexpr BalanceRow kLeft[] = {
    {"Text1", "B--耗煤量，T：", "300", false},
    {"Text2", "A--煤中灰分，%：", "25", false, "Command1", "煤中灰分含量"},
    {"Text3", "dfh--灰分中烟尘，%：", "20", false, "Command2", "灰分中烟尘的含量"},
    {"Text4", "Cfh--烟尘中可燃物，%：", "30", false, "Command3", "烟尘中可燃物含量"},
    {"Text5", "η1--除尘系统除尘效率，%：", "83.3", false, "Command8", "各种除尘器的效率"},
    {"Text6", "Gsd--烟尘排放量，kg：", "", true, "Command9", nullptr, kHint},
};

constexpr BalanceRow kRight[] = {
    {"Text9", "S --燃煤全硫分含量，%：", "0.24", false, "Command4", "煤的全硫分含量"},
    {"Text8", "η2--二氧化硫脱除效率(%)：", "90", false},
    {"Text10", "Gso2--SO2排放量，kg：", "", true, "Command10", nullptr, kHint},
    {"Text7", "η3--燃煤中NOX的转化率，%：", "50", false, "Command5", "燃煤中氮NOX转化率"},
    {"Text11", "Gnox--NOX排放量, kg：", "", true, "Command11", nullptr, kHint},
    {"Text12", "C --燃煤中碳含量，%：", "80", false, "Command6", "燃煤燃烧不完全值和含碳量QC"},
    {"Text13", "Q --燃煤燃烧不完全值，%：", "3", false, "Command7", "燃煤燃烧不完全值和含碳量QC"},
    {"Text14", "Gco--CO排放量，kg：", "", true, "Command12", nullptr, kHint},
};

const char* const kLargeBoxes[] = {"Text1", "Text2", "Text3"};

class CoalFiringWindow : public BalanceWindow {
public:
    static constexpr const char* kClassName = "燃煤烟尘量";
    static constexpr const char* kCaption = "燃煤污染物排放量";

    CoalFiringWindow()
        : BalanceWindow({.className = kClassName,
                         .caption = kCaption,
                         .width = 10035,
                         .height = 6510,
                         .titleName = "Label1",
                         .title = "燃煤污染物排放量的计算",
                         .left = {120, 2760, kLeft},
                         .right = {5100, 2760, kRight},
                         .boxWidth = 1260,
                         .buttonWidth = 690,
                         .methodLines = kMethodLines,
                         .largeBoxes = kLargeBoxes}) {
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
        recompute("Text14", kCarbonMonoxideMask, [&] { return CarbonMonoxide(number(b), number(c), number(q)); });
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
