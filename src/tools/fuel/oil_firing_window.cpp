#include "common/widgets/tool_registry.h"
#include "tools/fuel/balance_window.h"
#include "tools/fuel/material_balance.h"

namespace korrimet::fuel {
namespace {

const char* const kResultHint = "当计算结果为0或未知时,请检查你的输入,是不是有0或是未知数据!";

const char* const kMethodLines[] = {
    "按照国家环保总局《关于排污费征收核定有关工作的通知》（环发[2003]64号）中有关排放污染物物料",
    "衡算的规定，制定本办法。",
    "二、燃油污染物排放量",
    "",
    "1、SO2排放量",
    "",
    "GSO2=2000×B×S",
    "GSO2--SO2排放量，kg；",
    "B --耗油量，T；",
    "S --燃油全硫分含量，%。",
    "",
    "2、CO排放量",
    "",
    "GCO=2330×B×C×Q",
    "GCO--CO排放量，kg；",
    "B--耗油量，T；",
    "C--燃油中碳含量，%；",
    "Q--燃油燃烧不完全值，%。",
    "",
    "3、NOX排放量",
    "",
    "GNOX=1630×B×（N×η2+0.000938）",
    "GNOX--NOX排放量, kg；",
    "B--耗油量, T；",
    "N--燃油中氮含量，%；",
    "η2--燃油中氮的转化率，%。",
};

constexpr BalanceRow kLeft[] = {
    {"Text1", "B --耗油量，T：", "600", false},
    {"Text9", "S --燃油全硫分含量，%：", "0.24", false, "Command1", "燃油全硫分含量"},
    {"Text8", "η1--二氧化硫脱除效率(%)：", "0", false},
    {"Text10", "Gso2--SO2排放量，kg：", "", true, "Command10", nullptr, kResultHint},
};

constexpr BalanceRow kRight[] = {
    {"Text7", "η2--燃油中NOX的转化率，%：", "40", false, "Command5", nullptr,
     "目前只有燃油锅炉数据,NOX转化率为40%,此项不可更改!"},
    {"Text2", "N--燃油中氮含量，%：", "0.14", false, "Command2", "燃油中含氮量"},
    {"Text11", "Gnox--NOX排放量, kg：", "", true, "Command11", nullptr, kResultHint},
    {"Text12", "C --燃油中碳含量，%：", "90", false, "Command6", nullptr, "目前只有重油的含碳量,数据为90%,不要更改!"},
    {"Text13", "Q --燃油燃烧不完全值，%：", "2", false, "Command7", nullptr,
     "目前只有重油的燃烧不完全值,数据为2%,不要更改!"},
    {"Text14", "Gco--CO排放量，kg：", "", true, "Command12", nullptr, kResultHint},
};

const char* const kLargeBoxes[] = {"Text1"};

// The conversion, carbon and incomplete-combustion boxes hold fixed data and
// recompute nothing; their texts enter the next run.
const BalanceResult kResults[] = {
    {"Text10", kOilMask, {"Text1", "Text9", "Text8"}, {"Text9", "Text8"},
     [](const double* v) { return OilSulphurDioxide(v[0], v[1], v[2]); }},
    {"Text14", kOilMask, {"Text1", "Text12", "Text13"}, {},
     [](const double* v) { return CarbonMonoxide(v[0], v[1], v[2]); }},
    {"Text11", kOilMask, {"Text1", "Text2", "Text7"}, {"Text2"},
     [](const double* v) { return OilNitrogenOxides(v[0], v[1], v[2]); }},
};

class OilFiringWindow : public BalanceWindow {
public:
    static constexpr const char* kClassName = "燃油排放污染物";
    static constexpr const char* kCaption = "燃油二氧化硫氮氧化物一氧化碳排放量计算";

    OilFiringWindow()
        : BalanceWindow({.className = kClassName,
                         .caption = kCaption,
                         .width = 9960,
                         .height = 5415,
                         .titleName = "Label1",
                         .title = "燃油污染物排放量的计算",
                         .left = {120, 2760, kLeft},
                         .right = {5040, 2760, kRight},
                         .boxWidth = 1260,
                         .buttonWidth = 690,
                         .methodLines = kMethodLines,
                         .largeBoxes = kLargeBoxes}) {
        recomputeLive(kResults);
    }
};

}  // namespace
}  // namespace korrimet::fuel

using korrimet::fuel::OilFiringWindow;
KORRIMET_REGISTER_TOOL(OilFiringWindow);
