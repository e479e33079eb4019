#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>
#include <array>
#include <cmath>

#include "common/value_range.h"
#include "common/widgets/press.h"
#include "common/widgets/qt_text.h"
#include "common/widgets/report_box.h"
#include "common/widgets/tool_registry.h"
#include "common/widgets/tool_window.h"
#include "tools/other/consulting_fee.h"

namespace korrimet::other {
namespace {

struct Choice {
    const char* option;
    const char* label;
    const char* labelText;
    const char* tip;
};

const Choice kIndustries[] = {
    {"Option5", "Label11", "化工、冶金、有色、黄金、煤炭、矿产、纺织、化纤、轻工、医药、区域", "本行业调整系数为1.2"},
    {"Option6", "Label12", "石化、石油天然气、水利、水电、旅游", "本行业调整系数为1.1"},
    {"Option7", "Label13", "林业、畜牧、渔业、农业、交通、铁道、民航、管线运输、建材、市政", "本行业调整系数为1.0"},
    {"Option8", "Label14", "邮电、广播电视、航空、机械、船舶、航天、电子、勘探、社会服务", "本行业调整系数为0.8"},
    {"Option9", "Label15", "粮食、建筑、信息产业、仓储", "本行业调整系数为0.6"},
};
const Choice kSensitivities[] = {
    {"Option10", "Label17", "敏感", "环境敏感程度调整系数1.2"},
    {"Option11", "Label18", "一般", "环境敏感程度调整系0.8"},
};

const char* const kTopicsRange = "设置专题的个数过大，费用超出了可以计算的范围";

// A bare option button with its text in a label beside it.
QRadioButton* labelledOption(FormBuilder& f, const Choice& c, int left, int top, int labelWidth) {
    QRadioButton* option = f.option(c.option, "", left, top, 255, 255);
    QLabel* label = f.label(c.label, c.labelText, left + 300, top, labelWidth, 300);
    if (c.tip[0]) {
        option->setToolTip(c.tip);
        label->setToolTip(c.tip);
    }
    return option;
}

class ConsultingFeeWindow : public ToolWindow {
public:
    static constexpr const char* kClassName = "建设项目环境影响评价咨询收费";
    static constexpr const char* kCaption = "建设项目环境影响评价咨询收费";

    ConsultingFeeWindow() : ToolWindow(QString::fromUtf8(kClassName), QString::fromUtf8(kCaption), 9240, 8400) {
        FormBuilder f = form();
        f.label("Label1", "建设项目环境影响评价咨询收费计算", 240, 120, 8760, 360)->setFont(songti(12, true));
        f.label("Label5", "项目的投资额（万元）：", 240, 660, 2280, 300);
        investment_ = f.textBox("Text1", 2520, 600, 1500, 345, "3500");
        f.label("Label2", "注:此处以万元为单位，计算中自动转换亿元", 4140, 660, 4860, 300);

        QGroupBox* kind = f.frame("Frame3", "评价咨询类别", 240, 1080, 4320, 780);
        FormBuilder k(kind);
        book_ = labelledOption(k, {"Option1", "Label3", "环境影响报告书", ""}, 180, 380, 1600);
        form_ = labelledOption(k, {"Option2", "Label6", "环境影响报告表", ""}, 2280, 380, 1600);

        topicsFrame_ = f.frame("Frame4", "报告表是否设置专题", 4680, 1080, 4320, 780);
        FormBuilder t(topicsFrame_);
        withTopics_ = labelledOption(t, {"Option3", "Label7", "是", ""}, 180, 380, 600);
        withoutTopics_ = labelledOption(t, {"Option4", "Label8", "否", ""}, 1380, 380, 600);
        topicsLabel_ = f.label("Label9", "设置专题的个数：", 4680, 2040, 1800, 300);
        topics_ = f.textBox("Text2", 6480, 1980, 1200, 345, "2");

        industryFrame_ = f.frame("Frame1", "请选择项目所属行业类别", 240, 1980, 8760, 2040);
        FormBuilder in(industryFrame_);
        for (int r = 0; r < 5; ++r) industries_[r] = labelledOption(in, kIndustries[r], 180, 340 + r * 330, 8100);
        sensitivityFrame_ = f.frame("Frame2", "请选择环境敏感程度", 240, 4140, 8760, 720);
        FormBuilder se(sensitivityFrame_);
        for (int r = 0; r < 2; ++r) sensitivities_[r] = labelledOption(se, kSensitivities[r], 180 + r * 2100, 340, 1500);

        compute_ = f.button("Command1", "刷新结果", 240, 5000, 1575, 375);
        QGroupBox* result = f.frame("Frame5", "计算结果", 240, 5520, 8760, 2760);
        FormBuilder re(result);
        report_ = re.richText("RichTextBox1", 120, 300, 8520, 2340);

        for (QLineEdit* box : {investment_, topics_}) {
            box->setFont(songti(10.5, true));
            setTextColor(box, kDarkGreen);
        }

        // The frames' buttons are exclusive by parent; a click, or a set by
        // code, runs the button's handler once it is on.
        auto onSet = [this](QRadioButton* option, auto handler) {
            connect(option, &QRadioButton::toggled, this, [handler](bool on) {
                if (on) handler();
            });
        };
        onSet(book_, [this] { showBookChoices(true); });
        onSet(form_, [this] {
            showBookChoices(false);
            withTopics_->setChecked(true);
        });
        onSet(withTopics_, [this] { topics_->setReadOnly(false); });
        onSet(withoutTopics_, [this] {
            topics_->setText("0");
            topics_->setReadOnly(true);
        });
        connect(compute_, &QPushButton::clicked, this, [this] { compute(); });

        // Load: a report book, the first industry row, sensitive surroundings.
        showBookChoices(true);
        book_->setChecked(true);
        industries_[0]->setChecked(true);
        sensitivities_[0]->setChecked(true);
    }

private:
    void showBookChoices(bool book) {
        industryFrame_->setVisible(book);
        sensitivityFrame_->setVisible(book);
        topicsFrame_->setVisible(!book);
        topicsLabel_->setVisible(!book);
        topics_->setVisible(!book);
    }

    FeeChoice choice() const {
        FeeChoice c;
        c.document = form_->isChecked() ? FeeDocument::Form : FeeDocument::Book;
        c.industry.reset();
        for (int r = 0; r < 5; ++r)
            if (industries_[r]->isChecked()) c.industry = static_cast<FeeIndustry>(r);
        c.sensitivity.reset();
        if (sensitivities_[0]->isChecked()) c.sensitivity = FeeSensitivity::Sensitive;
        else if (sensitivities_[1]->isChecked()) c.sensitivity = FeeSensitivity::Ordinary;
        return c;
    }

    // The fees need the investment, and for a report form the topics, as
    // numbers that are not negative; topics are counted whole. A failed press
    // names the entry and clears the report, so no earlier fee stands as this
    // press's answer.
    void compute() {
        const FeeChoice c = choice();
        Press press(this);
        float investment = 0;
        double topics = 0;
        press.read(investment, investment_, Range::NonNegative);
        if (c.document == FeeDocument::Form && press.read(topics, topics_, Range::NonNegative))
            press.check(topics == std::floor(topics), QStringLiteral("“设置专题的个数”：须为整数"));
        std::optional<Fees> fees;
        if (press.ok()) {
            fees = ComputeFees(investment, c, topics);
            press.check(fees.has_value(), QString::fromUtf8(kTopicsRange));
        }
        if (!press.ok()) {
            setReport(report_, QString());
            press.clear(report_);
            return;
        }
        Press::unmark(report_);
        setReport(report_, joinReportLines(FeeReport(c.document, *fees)));
    }

    QLineEdit *investment_, *topics_;
    QRadioButton *book_, *form_, *withTopics_, *withoutTopics_;
    std::array<QRadioButton*, 5> industries_{};
    std::array<QRadioButton*, 2> sensitivities_{};
    QGroupBox *topicsFrame_, *industryFrame_, *sensitivityFrame_;
    QLabel* topicsLabel_;
    QPushButton* compute_;
    QTextEdit* report_;
};

}  // namespace
}  // namespace korrimet::other

using korrimet::other::ConsultingFeeWindow;
KORRIMET_REGISTER_TOOL(ConsultingFeeWindow);
