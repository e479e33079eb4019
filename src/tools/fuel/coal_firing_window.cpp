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

// Soot, sulphur dioxide, carbon monoxide, nitrogen oxides: the order an
// edit of the coal amount recomputes them in.
const BalanceResult kResults[] = {
    {"Text6", kSootMask, {"Text1", "Text2", "Text3", "Text4", "Text5"}, {"Text2", "Text3", "Text4", "Text5"},
     [](const double* v) { return CoalSoot(v[0], v[1], v[2], v[3], v[4]); }},
    {"Text10", kSulphurDioxideMask, {"Text1", "Text9", "Text8"}, {"Text9", "Text8"},
     [](const double* v) { return CoalSulphurDioxide(v[0], v[1], v[2]); }},
    {"Text14", kCarbonMonoxideMask, {"Text1", "Text12", "Text13"}, {"Text12", "Text13"},
     [](const double* v) { return CarbonMonoxide(v[0], v[1], v[2]); }},
    {"Text11", kNitrogenOxidesMask, {"Text1", "Text7"}, {"Text7"},
     [](const double* v) { return CoalNitrogenOxides(v[0], v[1]); }},
};

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
        recomputeLive(kResults);
    }
};

}  // namespace
}  // namespace korrimet::fuel

using korrimet::fuel::CoalFiringWindow;
KORRIMET_REGISTER_TOOL(CoalFiringWindow);
