#include "common/number_text.h"
#include "common/widgets/grid_model_form.h"
#include "common/widgets/tool_registry.h"
#include "tools/water/river2.h"
#include "tools/water/river2_layout.h"

namespace korrimet::water {
namespace {

const QString kResultFile = QStringLiteral("河二模式计算结果.txt");

GridModelLayout river2Layout() {
    GridModelLayout l;
    l.className = QStringLiteral("二维稳态混合模式_河2");
    l.caption = QStringLiteral("二维稳态混合模式_河2");
    l.buttonTip = QStringLiteral("用于持久性污染物的平直河流混合过程段，不考虑纵向弥散,即Mx=0。");
    l.inputs = River2Fields();
    l.resultFile = kResultFile;
    l.resultWindow = QStringLiteral("河二模式计算结果");
    l.helpWindow = QStringLiteral("河二帮助");
    return l;
}

class River2Window : public GridModelForm {
public:
    static constexpr const char* kClassName = "二维稳态混合模式_河2";
    static constexpr const char* kCaption = "二维稳态混合模式_河2";

    River2Window() : GridModelForm(river2Layout()) {}

protected:
    std::optional<std::string> pointText(Press& press) override {
        const River2Inputs in = ReadRiver2Inputs(*this, press);
        return River2PointText(*this, press, [&](float x, float y) { return River2Concentration(in, x, y); });
    }

    std::optional<GridCell> gridCell(Press& press) override {
        const River2Inputs in = ReadRiver2Inputs(*this, press);
        if (!press.ok()) return std::nullopt;
        return River2Cell(in);
    }
};

class River2ResultWindow : public ResultFileViewer {
public:
    static constexpr const char* kClassName = "河二模式计算结果";
    static constexpr const char* kCaption = "河二模式计算结果";

    River2ResultWindow()
        : ResultFileViewer(QString::fromUtf8(kClassName), QString::fromUtf8(kCaption), kResultFile, kGridResultTip) {}
};

class River2HelpWindow : public GridModelHelp {
public:
    static constexpr const char* kClassName = "河二帮助";
    static constexpr const char* kCaption = "河二帮助";

    River2HelpWindow()
        : GridModelHelp(QString::fromUtf8(kClassName), QString::fromUtf8(kCaption), ":/water/river2_help.html") {}
};

}  // namespace
}  // namespace korrimet::water

using korrimet::water::River2HelpWindow;
using korrimet::water::River2ResultWindow;
using korrimet::water::River2Window;
KORRIMET_REGISTER_TOOL(River2Window);
KORRIMET_REGISTER_TOOL(River2ResultWindow);
KORRIMET_REGISTER_TOOL(River2HelpWindow);
