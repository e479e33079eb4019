#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTextEdit>

#include "common/stores.h"
#include "common/widgets/press.h"
#include "common/widgets/qt_text.h"
#include "common/widgets/report_box.h"
#include "common/widgets/stored_page.h"
#include "common/widgets/tab_strip.h"
#include "common/widgets/tool_registry.h"
#include "common/widgets/tool_window.h"
#include "tools/water/surface_grade.h"

namespace korrimet::water {
namespace {

const QString kRiverTab = QStringLiteral("河流与河口（1）");
const QString kLakeTab = QStringLiteral("湖泊与水库（2）");
const QString kBayTab = QStringLiteral("海湾（3）");
const QString kSizeCaption = QStringLiteral("地面水域的大小规模和水质要求");
const QString kRiverPrompt = QStringLiteral("    按建设项目排污口附近河段多年平均流量或平水期平均流量划分：");
const QStringList kRiverSizes{"大河：>=150 m^3/s", "中河：15-150 m^3/s", "小河：<15 m^3/s"};
const QStringList kBaySizes{"各类海湾", "小型封闭海湾", "其它海湾"};
const QStringList kDeepLakes{"大湖(库)≥25km^2", "中湖(库)在2.5-25km^2", "小湖(库)在<2.5km^2"};
const QStringList kShallowLakes{"大湖(库)≥50km^2", "中湖(库)在5-50km^2", "小湖(库)在<5km^2"};
const QString kIntroduction = QStringLiteral(
    "地面水环境影响评价工作级别的划分（以后简称地面水环境影响评价分级），根据下列条件进行，即：建设项目的污水排放量，"
    "污水水质的复杂程度，各种受纳污水的地面水域（以后简称受纳水域）的规模以及对它的水质要求； "
    "在实际应用时，可根据建设项目及受纳水域的具体情况适当调整评价级别。");

std::vector<WorkGradeRow> storedTable() {
    std::string error;
    auto table = ParseWorkGradeTable(resourceText(":/water_tools/work_grade_table.txt").toStdString(), &error);
    if (!table) qWarning("work grade table: %s", error.c_str());
    return table.value_or(std::vector<WorkGradeRow>{});
}

// 1, 2 or 3 for the selected button of a group, 0 for none.
int selected(QRadioButton* const (&group)[3]) {
    for (int i = 0; i < 3; ++i)
        if (group[i]->isChecked()) return i + 1;
    return 0;
}

void setCaptions(QRadioButton* const (&group)[3], const QStringList& captions) {
    for (int i = 0; i < 3; ++i) group[i]->setText(captions[i]);
}

class SurfaceGradeWindow : public ToolWindow {
public:
    static constexpr const char* kClassName = "地面水评价分级";
    static constexpr const char* kCaption = "地面水评价分级";

    SurfaceGradeWindow()
        : ToolWindow(QString::fromUtf8(kClassName), QString::fromUtf8(kCaption), 9600, 8700), table_(storedTable()) {
        FormBuilder f = form();
        tabs_ = tabStrip(f, "TabStrip1", {kRiverTab, kLakeTab, kBayTab}, 120, 120, 9360, 360);
        QGroupBox* inputs = f.frame("Frame1", QString(), 120, 480, 9360, 4320);
        FormBuilder in(inputs);
        in.label("Label1", "污水排放量（m^3/d）", 120, 300, 2400, 300);
        discharge_ = in.textBox("Text1", 2520, 240, 1680, 345, "10000");

        QGroupBox* complexity = in.frame("Frame2", "污水水质的复杂程度", 120, 720, 4440, 2760);
        FormBuilder c(complexity);
        const char* kinds[] = {"a.持久性污染物（包括有毒物质）", "b.非持久性污染物", "c.酸和碱(以PH计)",
                               "d.热污染（以温度表征）"};
        for (int i = 0; i < 4; ++i)
            kinds_[i] = c.check(QStringLiteral("Check%1").arg(i + 1), QString::fromUtf8(kinds[i]), 120, 300 + i * 420,
                                4200, 300);
        c.label("Label7", "需预测浓度的水质参数项目：", 120, 2100, 2760, 300);
        parameters_ = c.textBox("Text2", 2880, 2040, 1200, 345, "2");

        size_ = in.frame("Frame3", kSizeCaption, 4680, 120, 4560, 3360);
        FormBuilder s(size_);
        sizePrompt_ = s.label("Label8", kRiverPrompt, 120, 300, 4320, 900);
        for (int i = 0; i < 3; ++i)
            river_[i] = s.option(QStringLiteral("Option%1").arg(i + 1), kRiverSizes[i], 240, 1260 + i * 540, 4200, 300);

        lake_ = in.frame("Frame6", kSizeCaption, 4680, 120, 4560, 3360);
        FormBuilder l(lake_);
        l.label("Label3", "枯水期湖(库)平均水深", 120, 300, 4320, 300);
        deep_ = l.option("Option13", "水深≥10米", 240, 660, 1800, 300);
        shallow_ = l.option("Option12", "水深<10米", 2280, 660, 1800, 300);
        FormBuilder area(l.frame("Frame7", "枯水期湖(库)面积", 120, 1080, 4320, 2160));
        const char* lakeNames[] = {"Option11", "Option10", "Option9"};
        for (int i = 0; i < 3; ++i) lakeSize_[i] = area.option(lakeNames[i], kDeepLakes[i], 240, 360 + i * 540, 3960, 300);

        QPushButton* compute = in.button("Command1", "点击刷新结果", 120, 3660, 9120, 450);

        tabStrip(f, "TabStrip2", {"评价分级建议"}, 120, 4920, 9360, 360);
        report_ = f.richText("RichTextBox1", 120, 5280, 9360, 3300);
        setReport(report_, kIntroduction);

        size_->setVisible(true);
        lake_->setVisible(false);
        onTabClick(tabs_, [this](const QString& caption) { tabClicked(caption); });
        connect(deep_, &QRadioButton::clicked, this, [this] { setCaptions(lakeSize_, kDeepLakes); });
        connect(shallow_, &QRadioButton::clicked, this, [this] { setCaptions(lakeSize_, kShallowLakes); });
        connect(compute, &QPushButton::clicked, this, [this] { this->compute(); });
    }

private:
    void tabClicked(const QString& caption) {
        if (caption == kRiverTab) {
            lake_->setVisible(false);
            size_->setVisible(true);
            size_->setTitle(kSizeCaption);
            sizePrompt_->setText(kRiverPrompt);
            setCaptions(river_, kRiverSizes);
        } else if (caption == kLakeTab) {
            deep_->setChecked(true);
            setCaptions(lakeSize_, kDeepLakes);
            lake_->setVisible(true);
            size_->setVisible(false);
        } else if (caption == kBayTab) {
            lake_->setVisible(false);
            size_->setVisible(true);
            sizePrompt_->setText(QStringLiteral("海湾的类型分为以下三类,请选择相应的海湾类型"));
            setCaptions(river_, kBaySizes);
            size_->setTitle(QStringLiteral("海湾类型"));
        }
    }

    // Entries that are no number cannot be classified: say so and leave no
    // advice for other entries standing.
    void compute() {
        Press press(this);
        float discharge = 0;
        press.read(discharge, discharge_, Range::NonNegative);
        int ticked = 0;
        for (QCheckBox* kind : kinds_) ticked += kind->isChecked() ? 1 : 0;
        const int kindCount = PollutantKindCount(ticked);
        double n = 0;
        if (ComplexityUsesParameterCount(kindCount)) press.read(n, parameters_, Range::NonNegative);
        if (!press.ok()) {
            setReport(report_, {});
            press.clear(report_);
            return;
        }
        Press::unmark(report_);
        const int complexity = WastewaterComplexity(kindCount, n);

        const QString caption = tabs_->tabText(tabs_->currentIndex());
        std::string advice;
        if (caption == kRiverTab)
            advice = WorkGradeAdvice(table_, WaterBody::River, DischargeClass(WaterBody::River, discharge), complexity,
                                     selected(river_));
        else if (caption == kLakeTab)
            advice = WorkGradeAdvice(table_, WaterBody::Lake, DischargeClass(WaterBody::Lake, discharge), complexity,
                                     selected(lakeSize_));
        else if (caption == kBayTab)
            advice = WorkGradeAdvice(table_, WaterBody::Bay, DischargeClass(WaterBody::Bay, discharge), complexity,
                                     selected(river_));
        else
            return;
        setReport(report_, qtext(advice));
    }

    const std::vector<WorkGradeRow> table_;
    QTabBar* tabs_;
    QLineEdit *discharge_, *parameters_;
    QCheckBox* kinds_[4];
    QGroupBox *size_, *lake_;
    QLabel* sizePrompt_;
    QRadioButton* river_[3];
    QRadioButton* lakeSize_[3];
    QRadioButton *deep_, *shallow_;
    QTextEdit* report_;
};

}  // namespace
}  // namespace korrimet::water

using korrimet::water::SurfaceGradeWindow;
KORRIMET_REGISTER_TOOL(SurfaceGradeWindow);
