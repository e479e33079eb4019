#include "common/widgets/press.h"
#include "common/widgets/table_model_form.h"
#include "common/widgets/tool_registry.h"
#include "tools/water/thomas.h"
#include "tools/water/water_messages.h"

namespace korrimet::water {
namespace {

TableModelLayout thomasLayout() {
    TableModelLayout l;
    l.className = QStringLiteral("托马斯模式_河9");
    l.caption = QStringLiteral("托马斯模式_河9");
    l.inputs = {
        {1, "废水排放量Qp（M^3/S）：", "1"},
        {2, "废水污染物排放浓度Cp（mg/L）：", "100"},
        {3, "河水流量Qh（M^3/S）：", "10"},
        {4, "排放口上游污染物浓度Ch（mg/L）：", "0.1"},
        {6, "污水中亏氧量Dp（mg/L）：", "4.5"},
        {7, "河水流速u（m/s）：", "1"},
        {10, "河流本底氧亏量Dh（mg/L）：", "1.5"},
        {11, "河流耗氧系数K1（1/d）：", "1"},
        {13, "河流复氧系数K2（1/d）：", "1.5"},
        {12, "河流沉降系数K3（1/d）：：", "0.3"},
    };
    l.rmax = "2000";
    l.rl = "100";
    l.rmin = "100";
    return l;
}

class ThomasWindow : public TableModelForm {
public:
    static constexpr const char* kClassName = "托马斯模式_河9";
    static constexpr const char* kCaption = "托马斯模式_河9";

    ThomasWindow() : TableModelForm(thomasLayout()) {}

protected:
    std::optional<TableModel> prepare() override {
        constexpr Range amount = Range::NonNegative;
        ThomasInputs in;
        if (!readEntries({{1, &in.qp, amount}, {2, &in.cp, amount}, {3, &in.qh, amount}, {4, &in.ch, amount},
                             {7, &in.u, Range::Positive}, {6, &in.dp}, {10, &in.dh}, {11, &in.k1, amount},
                             {13, &in.k2, amount}, {12, &in.k3, amount}}))
            return std::nullopt;
        std::optional<OutfallMix> mix = MixAtOutfall(in.cp, in.dp, in.qp, in.ch, in.dh, in.qh);
        if (!press().check(mix.has_value(), kMixingRefusedMessage)) return std::nullopt;
        return TableModel{kThomasReportHead, ThomasRow(in, *mix)};
    }
};

}  // namespace
}  // namespace korrimet::water

using korrimet::water::ThomasWindow;
KORRIMET_REGISTER_TOOL(ThomasWindow);
