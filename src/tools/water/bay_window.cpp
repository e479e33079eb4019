#include <QGroupBox>

#include "common/widgets/table_model_form.h"
#include "common/widgets/tool_registry.h"
#include "tools/water/bay.h"

namespace korrimet::water {
namespace {

TableModelLayout bayLayout() {
    TableModelLayout l;
    l.className = QStringLiteral("约_新模式1");
    l.caption = QStringLiteral("约_新模式（海湾五）");
    l.inputs = {
        {1, "废水排放量Qp（M^3/S）：", "1.0"},
        {2, "废水污染物排放浓度Cp（mg/L）：", "100"},
        {3, "混合速度Mv（M/s）：", "0.005"},
        {4, "废水排放角度ф（弧度）：", "3.1415926"},
        {7, "混合深度d（m）：", "2"},
        {6, "海水中污染物本底浓度Ch（mg/L）：", "0"},
    };
    l.rmax = "1000";
    l.rl = "100";
    l.rmin = "100";
    return l;
}

class BayWindow : public TableModelForm {
public:
    static constexpr const char* kClassName = "约_新模式1";
    static constexpr const char* kCaption = "约_新模式（海湾五）";

    BayWindow() : TableModelForm(bayLayout()) {
        inputFrame()->setToolTip(QStringLiteral("海湾5-约瑟夫-新德那（Joseph-Sendner，简称约-新）模式\n；"));
        control<QGroupBox>("Frame2")->setToolTip(
            QStringLiteral("本式适用于海湾持久性污染物三级评价。可用于计算离点源排放口径向距离为r (m)处的污水浓度。"));
    }

protected:
    std::optional<TableModel> prepare() override {
        constexpr Range amount = Range::NonNegative, positive = Range::Positive;
        BayInputs in;
        if (!readEntries({{2, &in.cp, amount}, {6, &in.ch, amount}, {3, &in.mv, positive}, {4, &in.phi, positive},
                          {1, &in.qp, amount}, {7, &in.d, positive}}))
            return std::nullopt;
        return TableModel{kBayReportHead, BayRow(in)};
    }
};

}  // namespace
}  // namespace korrimet::water

using korrimet::water::BayWindow;
KORRIMET_REGISTER_TOOL(BayWindow);
