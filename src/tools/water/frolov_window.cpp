#include <QLineEdit>

#include "common/widgets/loop_progress.h"
#include "common/widgets/table_model_form.h"
#include "common/widgets/tool_registry.h"
#include "tools/water/frolov.h"

namespace korrimet::water {
namespace {

TableModelLayout frolovLayout() {
    TableModelLayout l;
    l.className = QStringLiteral("弗罗模式_河37");
    l.caption = QStringLiteral("弗罗模式_河37");
    l.inputs = {
        {1, "废水排放量Qp（M^3/S）：", "1.0"},
        {2, "废水污染物排放浓度Cp（mg/L）：", "100"},
        {3, "本底浓度Ch（mg/L）：", "0.1"},
        {4, "河水流速V（m/s）：", "0.2"},
        {7, "河水水深H（m）：", "0.5"},
        {6, "降解系数K1（1/d）：", "1"},
        {10, "排放口系数ε（）：", "1"},
        {11, "水力半径R（m）：", "100"},
        {12, "河床糙率n（）：", "0.05"},
        {13, "河水流量Qh（M^3/S）：", "10"},
    };
    l.rmax = "400";
    l.rl = "20";
    l.rmin = "10";
    return l;
}

class FrolovWindow : public TableModelForm {
public:
    static constexpr const char* kClassName = "弗罗模式_河37";
    static constexpr const char* kCaption = "弗罗模式_河37";

    FrolovWindow() : TableModelForm(frolovLayout()) {
        box(6)->setToolTip(QStringLiteral("K1为0时为河3模式,不为0时为河7模式"));
        // A new range or model: the bar no longer shows the table on screen.
        for (int index : {5, 6, 8, 9})
            connect(box(index), &QLineEdit::textChanged, this, [this] { bar()->reset(); });
    }

protected:
    std::optional<TableModel> prepare() override {
        constexpr Range amount = Range::NonNegative, positive = Range::Positive;
        FrolovInputs in;
        if (!readEntries({{1, &in.qp, positive}, {3, &in.ch, amount}, {7, &in.h, positive}, {10, &in.eps, amount},
                             {13, &in.qh, amount}, {2, &in.cp, amount}, {4, &in.v, positive}, {6, &in.k1},
                             {11, &in.r, positive}, {12, &in.n, positive}}))
            return std::nullopt;
        return TableModel{FrolovReportHead(FrolovDecays(in)), FrolovRow(in)};
    }
};

}  // namespace
}  // namespace korrimet::water

using korrimet::water::FrolovWindow;
KORRIMET_REGISTER_TOOL(FrolovWindow);
