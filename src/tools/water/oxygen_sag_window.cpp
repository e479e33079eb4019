#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QTextEdit>

#include "common/widgets/line_view.h"
#include "common/widgets/loop_progress.h"
#include "common/widgets/press.h"
#include "common/widgets/qt_text.h"
#include "common/widgets/report_box.h"
#include "common/widgets/table_model_form.h"
#include "common/widgets/tool_registry.h"
#include "tools/water/oxygen_sag.h"
#include "tools/water/water_messages.h"

namespace korrimet::water {
namespace {

TableModelLayout oxygenSagLayout() {
    TableModelLayout l;
    l.className = QStringLiteral("完全混合模式_河15");
    l.caption = QStringLiteral("河流模式1,5");
    l.inputs = {
        {12, "污水流量Qp（M^3/S）：", "1"},
        {2, "废水污染物排放浓度Cp（mg/L）：", "100"},
        {3, "河水流量Qh（M^3/S）：", "10"},
        {4, "排放口上游污染物浓度Ch（mg/L）：", "0.1"},
        {7, "河水流速u（m/s）：", "1"},
        {6, "污水中亏氧量Dp（mg/L）：", "4.5"},
        {10, "河流本底氧亏Dh（mg/L）：", "1.5"},
        {11, "河流耗氧系数K1（1/d）：", "1"},
        {13, "河流复氧系数K2（1/d）：", "1.5"},
    };
    l.extraSlots = 1;
    l.rmax = "2000";
    l.rl = "100";
    l.rmin = "100";
    return l;
}

// The boxes that only the oxygen-sag model reads, in the order they switch.
constexpr int kSagOnly[] = {7, 6, 10, 11, 13, 9, 5, 8};

class OxygenSagWindow : public TableModelForm {
public:
    static constexpr const char* kClassName = "完全混合模式_河15";
    static constexpr const char* kCaption = "河流模式1,5";

    OxygenSagWindow() : TableModelForm(oxygenSagLayout()) {
        FormBuilder f(inputFrame());
        QCheckBox* mode = f.check("Check1", "只计算完全混合浓度(河1)", slotLeft(9), slotTop(9), 4380, 330);
        connect(mode, &QCheckBox::clicked, this, [this] { switchModel(); });
    }

protected:
    // The mode is the state of the velocity box: disabled means complete mixing.
    bool mixingOnly() const { return !box(7)->isEnabled(); }

    void refresh() override {
        if (mixingOnly())
            completeMixing();
        else
            runTable();
    }

    std::optional<TableModel> prepare() override {
        constexpr Range amount = Range::NonNegative;
        OxygenSagInputs in;
        if (!readEntries({{3, &in.qh, amount}, {4, &in.ch, amount}, {12, &in.qp, amount}, {2, &in.cp, amount},
                             {7, &in.u, Range::Positive}, {6, &in.dp}, {10, &in.dh}, {11, &in.k1, amount},
                             {13, &in.k2, amount}}))
            return std::nullopt;
        std::optional<OutfallMix> mix = MixAtOutfall(in.cp, in.dp, in.qp, in.ch, in.dh, in.qh);
        if (!press().check(mix.has_value(), kMixingRefusedMessage)) return std::nullopt;
        return TableModel{kOxygenSagReportHead, OxygenSagRow(in, *mix)};
    }

private:
    void switchModel() {
        const bool enable = mixingOnly();
        for (int index : kSagOnly) box(index)->setEnabled(enable);
        bar()->reset();
    }

    void completeMixing() {
        Press press(this);
        constexpr Range amount = Range::NonNegative;
        float qh = 0, ch = 0, qp = 0, cp = 0;
        press.read(qh, box(3), amount);
        press.read(ch, box(4), amount);
        press.read(qp, box(12), amount);
        press.read(cp, box(2), amount);
        std::optional<float> c;
        if (press.ok()) c = CompleteMixing(cp, qp, ch, qh);
        if (!press.ok() || !press.check(c.has_value(), kMixingRefusedMessage)) {
            report()->setLines({});
            press.clear(report());
            return;
        }
        auto typed = [this](int index) { return box(index)->text().toStdString(); };
        report()->setLines(IndexLines(QByteArray::fromStdString(
            CompleteMixingReport(typed(3), typed(4), typed(12), typed(2), *c))));
        Press::unmark(report());
        LoopProgress* b = bar();
        b->setLoopMin(0);
        b->setLoopMax(100);
        b->setVisible(true);
        for (int v = 1; v <= 100; ++v) b->setLoopValue(static_cast<float>(v));
    }
};

}  // namespace
}  // namespace korrimet::water

using korrimet::water::OxygenSagWindow;
KORRIMET_REGISTER_TOOL(OxygenSagWindow);
