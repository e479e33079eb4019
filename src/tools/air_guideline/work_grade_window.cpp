#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>

#include "common/widgets/press.h"
#include "common/widgets/qt_text.h"
#include "common/widgets/report_box.h"
#include "common/widgets/tool_registry.h"
#include "common/widgets/tool_window.h"
#include "tools/air_guideline/work_grade.h"

namespace korrimet::air_guideline {
namespace {

void blueCaption(QGroupBox* frame) {
    frame->setStyleSheet(QStringLiteral("QGroupBox::title { color: #0000ff; }"));
}

class WorkGradeWindow : public ToolWindow {
public:
    static constexpr const char* kClassName = "大气评价等级的划分";
    static constexpr const char* kCaption = "大气评价等级的划分";

    WorkGradeWindow() : ToolWindow(QString::fromUtf8(kClassName), QString::fromUtf8(kCaption), 5985, 5070) {
        FormBuilder f = form();
        QGroupBox* emission = f.frame("Frame1", "主要污染物排放量", 345, 120, 5295, 1455);
        blueCaption(emission);
        FormBuilder e(emission);
        e.label("Label1", "单位时间排放量Qi [ t/hr ]：", 180, 375, 3300, 300);
        q_ = e.textBox("Text1", 3600, 330, 1500, 345, "10");
        e.label("Label2", "大气环境质量标准 Ci [ mg/m^3 ] ：", 180, 915, 3300, 300);
        c_ = e.textBox("Text2", 3600, 870, 1500, 345, "0.5");

        QGroupBox* terrain = f.frame("Frame2", "项目周围地形特征", 345, 1695, 5295, 1215);
        blueCaption(terrain);
        FormBuilder t(terrain);
        flat_ = t.option("Option1", "", 180, 345, 255, 255);
        t.label("Label3", "平原地形", 480, 345, 4600, 300);
        t.option("Option2", "", 180, 765, 255, 255);
        t.label("Label4", "复杂地形（山区、丘陵、沿海或大中城市的城区）", 480, 765, 4700, 300);

        compute_ = f.button("Command1", "刷新结果", 345, 3030, 1575, 375);
        report_ = f.richText("RichTextBox1", 345, 3525, 5295, 1335);

        flat_->setChecked(true);
        connect(compute_, &QPushButton::clicked, this, [this] { compute(); });
    }

private:
    // No grade without a rate: a failed press puts its reasons in place of the report.
    void compute() {
        Press press(this);
        double q = 0, c = 0;
        float p = 0;
        press.read(q, q_, Range::NonNegative);
        press.read(c, c_, Range::Positive);
        if (press.ok()) press(QStringLiteral("等标排放量"), [&] { p = EqualStandardRate(q, c); });
        setReport(report_, press.ok() ? qtext(WorkGradeReport(p, flat_->isChecked() ? Terrain::Flat : Terrain::Complex))
                                      : press.message());
    }

    QLineEdit *q_, *c_;
    QRadioButton* flat_;
    QPushButton* compute_;
    QTextEdit* report_;
};

}  // namespace
}  // namespace korrimet::air_guideline

using korrimet::air_guideline::WorkGradeWindow;
KORRIMET_REGISTER_TOOL(WorkGradeWindow);
