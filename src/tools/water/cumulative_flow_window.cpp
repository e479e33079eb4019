#include <QLineEdit>

#include "common/number_text.h"
#include "common/widgets/qt_text.h"
#include "common/widgets/grid_model_form.h"
#include "common/widgets/tool_registry.h"
#include "common/widgets/press.h"
#include "tools/water/cumulative_flow.h"

namespace korrimet::water {
namespace {

GridModelLayout cumulativeFlowLayout(bool decays) {
    GridModelLayout l;
    l.className = decays ? QStringLiteral("稳态混合衰减累积流量模式_河8") : QStringLiteral("稳态累积流量模式_河4");
    l.caption = l.className;
    l.buttonTip = decays ? QStringLiteral(" 用于非持久性污染物,弯曲河段的混合过程段(不考虑纵向混合,Mx=0)。要求河床截面近似矩形。")
                         : QStringLiteral("用于持久污染物在弯曲河流的混合过程段(不考虑纵向混合,Mx=0)扩散，要求河床截面近似矩形。");
    l.inputs = {
        {1, 0, 0, "河水流量Qh（m^3/s）：", "10", {}},
        {2, 1, 0, "河流水深H（m）：", "0.5", {}},
        {3, 0, 1, "本底浓度Ch（mg/L）：", "0.1", {}},
        {6, 1, 1, "河流横向混合系数My（m^2/s）：", "5.0", {}},
        {5, 0, 2, "废水排放量Qp（m^3/s）：", "1", {}},
        {8, 1, 2, "排放口离岸边距离a（m）：", "0", QStringLiteral("取0时为近岸排放，非0时为离岸排放！")},
        {7, 0, 3, "污染物排放浓度Cp（mg/L）：", "100", {}},
        {16, 1, 3, "河水流速μ（m/s）：", "0.2", {}},
    };
    if (decays) l.inputs.push_back({4, 0, 4, "综合降解系数K1（1/d）：", "1", {}});
    l.resultFile = decays ? QStringLiteral("河八模式计算结果.txt") : QStringLiteral("河四模式计算结果.txt");
    l.resultWindow = decays ? QStringLiteral("河八模式计算结果") : QStringLiteral("河四模式计算结果");
    l.barResetBox = 8;
    return l;
}

class CumulativeFlowWindow : public GridModelForm {
public:
    explicit CumulativeFlowWindow(bool decays) : GridModelForm(cumulativeFlowLayout(decays)), decays_(decays) {}

protected:
    std::optional<std::string> pointText(Press& press) override {
        const CumulativeFlowInputs in = readInputs(press);
        double x = 0, y = 0;
        press.read(x, box(9));
        press.read(y, box(10));
        if (!press.ok()) return std::nullopt;
        const std::optional<RiverPoint> p = CumulativeFlowPoint(in, x, y);
        if (!press.check(p && !p->failed, kGridPointRefused)) return std::nullopt;
        return ResultMaskText(p->c, kCumulativeFlowMask);
    }

    std::optional<GridCell> gridCell(Press& press) override {
        const CumulativeFlowInputs in = readInputs(press);
        if (!press.ok()) return std::nullopt;
        return CumulativeFlowCell(in);
    }

private:
    // H, u and My divide: they must be above 0; flows, concentrations and a
    // cannot be negative; K1 is taken as typed.
    CumulativeFlowInputs readInputs(Press& press) const {
        CumulativeFlowInputs in;
        in.decays = decays_;
        press.read(in.qh, box(1), Range::NonNegative);
        press.read(in.ch, box(3), Range::NonNegative);
        press.read(in.qp, box(5), Range::NonNegative);
        press.read(in.cp, box(7), Range::NonNegative);
        press.read(in.u, box(16), Range::Positive);
        press.read(in.h, box(2), Range::Positive);
        if (decays_) press.read(in.k1, box(4));
        press.read(in.my, box(6), Range::Positive);
        press.read(in.a, box(8), Range::NonNegative);
        return in;
    }

    bool decays_;
};

class River4Window : public CumulativeFlowWindow {
public:
    static constexpr const char* kClassName = "稳态累积流量模式_河4";
    static constexpr const char* kCaption = "稳态累积流量模式_河4";
    River4Window() : CumulativeFlowWindow(false) {}
};

class River8Window : public CumulativeFlowWindow {
public:
    static constexpr const char* kClassName = "稳态混合衰减累积流量模式_河8";
    static constexpr const char* kCaption = "稳态混合衰减累积流量模式_河8";
    River8Window() : CumulativeFlowWindow(true) {}
};

class River4ResultWindow : public ResultFileViewer {
public:
    static constexpr const char* kClassName = "河四模式计算结果";
    static constexpr const char* kCaption = "河四计算结果";
    River4ResultWindow()
        : ResultFileViewer(QString::fromUtf8(kClassName), QString::fromUtf8(kCaption),
                           QStringLiteral("河四模式计算结果.txt"), kGridResultTip) {}
};

class River8ResultWindow : public ResultFileViewer {
public:
    static constexpr const char* kClassName = "河八模式计算结果";
    static constexpr const char* kCaption = "河八模式计算结果";
    River8ResultWindow()
        : ResultFileViewer(QString::fromUtf8(kClassName), QString::fromUtf8(kCaption),
                           QStringLiteral("河八模式计算结果.txt"), kGridResultTip) {}
};

}  // namespace
}  // namespace korrimet::water

using korrimet::water::River4ResultWindow;
using korrimet::water::River4Window;
using korrimet::water::River8ResultWindow;
using korrimet::water::River8Window;
KORRIMET_REGISTER_TOOL(River4Window);
KORRIMET_REGISTER_TOOL(River8Window);
KORRIMET_REGISTER_TOOL(River4ResultWindow);
KORRIMET_REGISTER_TOOL(River8ResultWindow);
