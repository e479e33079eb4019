#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPlainTextEdit>
#include <QPushButton>

#include "common/widgets/press.h"
#include "common/widgets/qt_text.h"
#include "common/widgets/stored_page.h"
#include "common/widgets/tool_registry.h"
#include "common/widgets/tool_window.h"
#include "tools/water/tannery.h"

namespace korrimet::water {
namespace {

const char* const kBasisLines[] = {"计算依据《工业污染物产生和排放系", "数》表4.4-10 制革行业水污染物",
                                   "产污和排污系数表中一次系数(反应", "不同的原料)的不同的污染物产生和",
                                   "排放情况!"};

TanneryTable storedTable() {
    std::string error;
    auto table = ParseTanneryTable(resourceText(":/water_tools/tannery_factors.txt").toStdString(), &error);
    if (!table) qWarning("tannery factors: %s", error.c_str());
    return table.value_or(TanneryTable{});
}

class TanneryWindow : public ToolWindow {
public:
    static constexpr const char* kClassName = "制革行业污染物排放量";
    static constexpr const char* kCaption = "制革行业污染物排放量";

    // The tonnage is a window-level Single, kept between clicks.
    struct State {
        float tonnage = 0;
    };

    explicit TanneryWindow(State& state)
        : ToolWindow(QString::fromUtf8(kClassName), QString::fromUtf8(kCaption), 9000, 6360),
          s_(state),
          table_(storedTable()) {
        FormBuilder f = form();
        f.label("Label1", "制革行业污染物排放计算", 240, 120, 8520, 360)->setFont(songti(12));
        f.label("Label2", "请选择原料皮类型：", 240, 660, 2760, 300);
        QStringList hides;
        for (const std::string& h : table_.hides) hides << qtext(h);
        hide_ = f.combo("Combo2", 3000, 600, 1800, 345, hides);
        f.label("Label3", "请输入年处理原皮量(T/年))：", 240, 1140, 2760, 300);
        tonnage_ = f.textBox("Text1", 3000, 1080, 1800, 345);
        QString basis;
        for (const char* line : kBasisLines) basis += QString::fromUtf8(line) + QStringLiteral("\n");
        auto* note = f.memo("Text4", 5160, 600, 3600, 1500, basis);
        note->setReadOnly(true);
        QPushButton* compute = f.button("Command1", "计算", 3000, 1620, 1335, 435);
        f.label("Label4", "各类污染物产排量：", 240, 2280, 3000, 300);

        // Generated amounts on the left, discharged on the right.
        struct Row {
            const char* box;
            const char* caption;
        };
        const Row generated[] = {{"Text2", "废水产生量(T/年)："},     {"Text5", "CODcr产生量(Kg/年)："},
                                 {"Text7", "BOD5产生量(Kg/年)："},    {"Text9", "SS产生量(Kg/年)："},
                                 {"Text11", "硫化物产生量(Kg/年)："}, {"Text13", "总铬产生量(Kg/年)："}};
        const Row discharged[] = {{"Text3", "废水排放量(T/年)："},     {"Text6", "CODcr排放量(Kg/年)："},
                                  {"Text8", "BOD5排放量(Kg/年)："},    {"Text10", "SS排放量(Kg/年)："},
                                  {"Text12", "硫化物排放量(Kg/年)："}, {"Text14", "总铬排放量(Kg/年)："}};
        int label = 5;
        for (int i = 0; i < 6; ++i) {
            const int top = 2700 + i * 540;
            for (const auto& [row, left] : {std::pair{generated[i], 240}, std::pair{discharged[i], 4680}}) {
                f.label(QStringLiteral("Label%1").arg(label++), QString::fromUtf8(row.caption), left, top + 30, 2280,
                        300);
                QLineEdit* box = f.textBox(QString::fromUtf8(row.box), left + 2280, top, 1800, 345);
                setTextColor(box, kDarkGreen);
                results_.insert(QString::fromUtf8(row.box), box);
            }
        }
        connect(compute, &QPushButton::clicked, this, [this] { this->compute(); });
    }

private:
    void compute() {
        Press press(this);
        press.read(s_.tonnage, tonnage_, Range::NonNegative);
        const auto column = HideColumn(table_, hide_->currentText().toStdString());
        press.check(column.has_value(), QStringLiteral("请选择原料皮类型"));
        for (const TanneryTable::Row& row : table_.rows) {
            QLineEdit* box = results_.value(qtext(row.box));
            if (!box) continue;
            press.put(box, [&] { return TanneryResultText(row.factors.at(*column), s_.tonnage); });
        }
    }

    State& s_;
    const TanneryTable table_;
    QComboBox* hide_;
    QLineEdit* tonnage_;
    QMap<QString, QLineEdit*> results_;
};

}  // namespace
}  // namespace korrimet::water

using korrimet::water::TanneryWindow;
KORRIMET_REGISTER_TOOL(TanneryWindow);
