#include "common/widgets/tool_registry.h"
#include "tools/fuel/balance_window.h"
#include "tools/fuel/material_balance.h"

namespace korrimet::fuel {
namespace {

const char* const kMethodLines[] = {
    "按照国家环保总局《关于排污费征收核定有关工作的通知》（环发[2003]64号）中有关排放污染物物料",
    "衡算的规定，制定本办法。",
    "    ",
    "三、燃气污染物排放量",
    "",
    "1、SO2排放量",
    "",
    "GSO2=2.857×V×CH2S",
    "GSO2--SO2排放量，kg；",
    "V--燃气耗量，m3；",
    "CH2S--燃气中H2S体积含量，%。",
    "",
    "2、CO排放量",
    "GCO=1.25×V×Q×(VCO+VCH4+13VCmHn)",
    "GCO--CO排放量，kg；",
    "V--燃气耗量，m3；",
    "Q--燃气燃烧不完全值，%；",
    "VCO--燃气中CO体积含量，%；",
    "VCH4--燃气中CH4体积含量，%；",
    "VCmHn--燃气中其他烷烃类体积含量，%。",
};

// The buttons beside the two results carry no action.
constexpr BalanceRow kLeft[] = {
    {"Text1", "V--燃气耗量，m^3：", "300", false},
    {"Text2", "CH2S--燃气中H2S体积含量，%：", "0.05", false, "Command1", "燃气中H2S的含量"},
    {"Text6", "Gso2--SO2排放量，kg：", "", true, "Command9"},
};

constexpr BalanceRow kRight[] = {
    {"Text9", "Q--燃气燃烧不完全值，%：", "2", false, "Command4", "燃气燃烧不完全值表"},
    {"Text8", "VCO--燃气中CO体积含量，%：", "5", false, "Command2", "燃气中主要物质体积含量"},
    {"Text4", "VCH4--燃气中CH4体积含量，%：", "95", false, "Command3", "燃气中主要物质体积含量"},
    {"Text5", "VCmHn--燃气中其他烷烃类体积含量，%：", "0", false, "Command5", "燃气中主要物质体积含量"},
    {"Text3", "Gco--co排放量，kg：", "", true, "Command6"},
};

const char* const kLargeBoxes[] = {"Text1", "Text2"};

const BalanceResult kResults[] = {
    {"Text6", kGasMask, {"Text1", "Text2"}, {"Text2"}, [](const double* v) { return GasSulphurDioxide(v[0], v[1]); }},
    {"Text3", kGasMask, {"Text1", "Text9", "Text8", "Text4", "Text5"}, {"Text9", "Text8", "Text4", "Text5"},
     [](const double* v) { return GasCarbonMonoxide(v[0], v[1], v[2], v[3], v[4]); }},
};

class GasFiringWindow : public BalanceWindow {
public:
    static constexpr const char* kClassName = "燃气污染物排放量的计算1";
    static constexpr const char* kCaption = "燃气污染物排放量的计算";

    GasFiringWindow()
        : BalanceWindow({.className = kClassName,
                         .caption = kCaption,
                         .width = 10185,
                         .height = 5175,
                         .titleName = "燃气污染物排放量的计算",
                         .title = "燃气污染物排放量的计算",
                         .left = {120, 2790, kLeft},
                         .right = {4590, 3900, kRight},
                         .boxWidth = 960,
                         .buttonWidth = 570,
                         .methodLines = kMethodLines,
                         .largeBoxes = kLargeBoxes}) {
        recomputeLive(kResults);
    }
};

}  // namespace
}  // namespace korrimet::fuel

using korrimet::fuel::GasFiringWindow;
KORRIMET_REGISTER_TOOL(GasFiringWindow);
