#include <QLineEdit>

#include "common/number_text.h"
#include "common/widgets/grid_model_form.h"
#include "common/widgets/qt_text.h"
#include "common/widgets/tool_registry.h"
#include "tools/water/river2_layout.h"
#include "tools/water/river6.h"

namespace korrimet::water {
namespace {

const QString kResultFile = QStringLiteral("河六模式计算结果.txt");

GridModelLayout river6Layout() {
    GridModelLayout l;
    l.className = QStringLiteral("二维稳态混合衰减模式_河6");
    l.caption = QStringLiteral("二维稳态混合衰减模式_河6");
    l.buttonTip = QStringLiteral("适用于非持久性污染物平直河流的混合过程段(不考虑纵向混合,Mx=0)。");
    l.inputs = River2Fields();
    l.inputs[7].toolTip = QStringLiteral("取0时为近岸排放，非0时为离岸排放！");
    l.inputs.push_back({16, 0, 4, "降解系数K1（1/d）：", "1", {}});
    l.resultFile = kResultFile;
    l.resultWindow = QStringLiteral("河6模式计算结果");
    l.helpWindow = QStringLiteral("河6帮助");
    return l;
}

class River6Window : public GridModelForm {
public:
    static constexpr const char* kClassName = "二维稳态混合衰减模式_河6";
    static constexpr const char* kCaption = "二维稳态混合衰减模式_河6";

    River6Window() : GridModelForm(river6Layout()) {}

protected:
    std::optional<std::string> pointText(Press& press) override {
        const River6Inputs in = readInputs(press);
        return River2PointText(*this, press, [&](float x, float y) { return River6Concentration(in, x, y); });
    }

    std::optional<GridCell> gridCell(Press& press) override {
        const River6Inputs in = readInputs(press);
        if (!press.ok()) return std::nullopt;
        return River6Cell(in);
    }

private:
    // K1 may be negative: the pollutant then grows, as typed.
    River6Inputs readInputs(Press& press) const {
        River6Inputs in{ReadRiver2Inputs(*this, press), std::nullopt};
        double k1 = 0;
        if (press.read(k1, box(16))) in.k1 = k1;
        return in;
    }
};

class River6ResultWindow : public ResultFileViewer {
public:
    static constexpr const char* kClassName = "河6模式计算结果";
    static constexpr const char* kCaption = "河6模式计算结果";

    River6ResultWindow()
        : ResultFileViewer(QString::fromUtf8(kClassName), QString::fromUtf8(kCaption), kResultFile, kGridResultTip) {}
};

class River6HelpWindow : public GridModelHelp {
public:
    static constexpr const char* kClassName = "河6帮助";
    static constexpr const char* kCaption = "河6帮助";

    River6HelpWindow()
        : GridModelHelp(QString::fromUtf8(kClassName), QString::fromUtf8(kCaption), ":/water/river6_help.html") {}
};

}  // namespace
}  // namespace korrimet::water

using korrimet::water::River6HelpWindow;
using korrimet::water::River6ResultWindow;
using korrimet::water::River6Window;
KORRIMET_REGISTER_TOOL(River6Window);
KORRIMET_REGISTER_TOOL(River6ResultWindow);
KORRIMET_REGISTER_TOOL(River6HelpWindow);
