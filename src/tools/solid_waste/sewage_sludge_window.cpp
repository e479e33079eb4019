#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "common/widgets/model_input.h"
#include "common/widgets/press.h"
#include "common/widgets/qt_text.h"
#include "common/widgets/tool_registry.h"
#include "common/widgets/tool_window.h"
#include "tools/solid_waste/sludge.h"

namespace korrimet::solid_waste {
namespace {

constexpr int kWidth = 5760, kHeight = 5040;
constexpr int kLabelLeft = 120, kLabelWidth = 3300, kBoxLeft = 3480, kBoxWidth = 2040, kRowHeight = 315;
constexpr int kRowStep = 420;

class SewageSludgeWindow : public ToolWindow {
public:
    static constexpr const char* kClassName = "污泥量计算";
    static constexpr const char* kCaption = "污泥量计算";
    // The coefficients and results outlive the window, as its variables do.
    using State = SewageSludge;

    explicit SewageSludgeWindow(State& s) : ToolWindow(kClassName, kCaption, kWidth, kHeight), s_(s) {
        setFont(songti(9));
        FormBuilder f = form();
        QLabel* title = f.label("Label1", "生活污水处理厂污泥产生量的计算", 0, 180, kWidth, 420);
        title->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        title->setFont(songti(12, true));

        row(f, "Text1", "Label2", "计算的人口数：", 780, "20000");
        row(f, "Text2", "Label3", "K沉(沉砂系数)选取：", 780 + kRowStep, "0.009");
        row(f, "Text3", "Label4", "K初(初沉池污泥系数)选取：", 780 + 2 * kRowStep, "0.02");
        row(f, "Text7", "Label5", "K(干腐殖及剩余污泥量系数)选取：", 780 + 3 * kRowStep, "0.018");
        row(f, "Text8", "Label6", "污泥含水率：", 780 + 4 * kRowStep, "0");

        QPushButton* compute = f.button("Command2", "刷新结果", (kWidth - 1500) / 2, 2940, 1500, 420);
        connect(compute, &QPushButton::clicked, this, [this] { Command2_Click(); });

        row(f, "Text4", "Label7", "干污泥产生量（Kg/日）=", 3600, "");
        row(f, "Text6", "Label8", "湿污泥产生量（Kg/日）=", 3600 + kRowStep, "");

        QPushButton* source = f.button("Command1", "查看来源", kWidth - 1500 - 120, kHeight - 420 - 120, 1500, 420);
        connect(source, &QPushButton::clicked, this, [] { OpenTool(QStringLiteral("生活污水处理污泥计算来源")); });
    }

private:
    void row(FormBuilder& f, const char* box, const char* label, const char* caption, int top, const char* text) {
        QLabel* l = f.label(label, QString::fromUtf8(caption), kLabelLeft, top + 30, kLabelWidth, kRowHeight);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        QLineEdit* b = f.textBox(box, kBoxLeft, top, kBoxWidth, kRowHeight, QString::fromUtf8(text));
        setTextColor(b, kDarkGreen);
    }

    QLineEdit* box(const char* name) const { return control<QLineEdit>(QString::fromUtf8(name)); }

    // Every press reads every box afresh: a coefficient kept from an earlier
    // press or opening never enters a result.
    void Command2_Click() {
        Press press(this);
        double persons = 0, water = 0;
        press.read(persons, box("Text1"), Range::NonNegative);
        press.read(s_.grit, box("Text2"), Range::NonNegative);
        press.read(s_.primary, box("Text3"), Range::NonNegative);
        press.read(s_.biological, box("Text7"), Range::NonNegative);
        const bool dryEntries = press.ok();
        if (press.read(water, box("Text8"), Range::Percent))
            press.check(water < 100, QStringLiteral("“%1”须小于100").arg(inputName(box("Text8"))));
        const int waterEntry = press.mark();
        const bool dryOk = dryEntries && press([&] { SumCoefficients(s_); }) && press([&] { DrySludge(s_, persons); });
        // The dry sludge does not use the water content.
        press.put(box("Text4"), [&] { return NumberText(s_.dry); }, dryEntries ? waterEntry : 0);
        if (dryOk && press.ok()) press([&] { WetSludge(s_, water); });
        press.put(box("Text6"), [&] { return NumberText(s_.wet); });
    }

    State& s_;
};

}  // namespace
}  // namespace korrimet::solid_waste

using korrimet::solid_waste::SewageSludgeWindow;
KORRIMET_REGISTER_TOOL(SewageSludgeWindow);
