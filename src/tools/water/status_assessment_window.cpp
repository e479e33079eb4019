#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTextEdit>

#include "common/widgets/press.h"
#include "common/widgets/qt_text.h"
#include "common/widgets/report_box.h"
#include "common/widgets/tab_strip.h"
#include "common/widgets/tool_registry.h"
#include "common/widgets/tool_window.h"
#include "tools/water/status_assessment.h"

namespace korrimet::water {
namespace {

// A report or result box that is written only when the press computed it.
template <class Box, class Make>
void showResult(Press& press, Box* box, Make&& make) {
    QString text;
    const bool ok = press.ok() && press([&] { text = qtext(make()); });
    if constexpr (std::is_base_of_v<QTextEdit, Box>) setReport(box, text);
    else box->setPlainText(text);
    if (ok) Press::unmark(box);
    else press.clear(box);
}

// Two pages on a tab strip, each in a frame in the same place, and a help
// box under the strip that follows the page shown.
class TwoPageWindow : public ToolWindow {
protected:
    TwoPageWindow(const char* className, const char* caption, const QString& helpName, const QStringList& tabs,
                  const QStringList& helps)
        : ToolWindow(QString::fromUtf8(className), QString::fromUtf8(caption), 8400, 6840),
          captions_(tabs),
          helps_(helps) {
        FormBuilder f = form();
        tabs_ = tabStrip(f, "TabStrip1", tabs, 120, 120, 8160, 360);
        pages_[0] = f.frame("Frame1", QString(), 120, 480, 8160, 3720);
        pages_[1] = f.frame("Frame2", QString(), 120, 480, 8160, 3720);
        help_ = f.richText(helpName, 120, 4320, 8160, 2400);
        help_->setReadOnly(true);
        showPage(0);
        onTabClick(tabs_, [this](const QString& caption) {
            const int page = static_cast<int>(captions_.indexOf(caption));
            if (page >= 0) showPage(page);
        });
    }

    QGroupBox* page(int i) const { return pages_[i]; }

private:
    void showPage(int page) {
        pages_[page]->setVisible(true);
        pages_[1 - page]->setVisible(false);
        setReport(help_, helps_[page]);
    }

    const QStringList captions_, helps_;
    QTabBar* tabs_;
    QGroupBox* pages_[2];
    QTextEdit* help_;
};

class StatusAssessmentOneWindow : public TwoPageWindow {
public:
    static constexpr const char* kClassName = "地面水现状评价方法1";
    static constexpr const char* kCaption = "地面水现状评价方法一";

    StatusAssessmentOneWindow()
        : TwoPageWindow(kClassName, kCaption, "RichTextBox2", {"内梅罗平均值", "单项评价指数"},
                        {"    输入一个数据序列(以“|”分隔),用以计算其内梅罗(Nemerow)平均值。\n"
                         "    内梅罗(Nemerow)平均值突出了高值的影响，比算术平均值要大。\n"
                         "    数据输入应在数值输入状态下,最后一个数据也应以“|”结束,否则少计算最后一个数据,"
                         "若计算结果未知,请检查数据中是否非数数字输入!",
                         "    计算各测点对某一类物质的评价指数?\n"
                         "    对一般物质，单项评价指数就是各测点实测值与评价标准的比值，对于DO和pH则有不同的算法。"
                         "要求输入参数类型（以选择不同算法）、评价标准，以及各点的实测数据序列（以“|”分隔,"
                         "DO和pH本计算未纳入）。"}) {
        FormBuilder n(page(0));
        n.button("Command3", "数  据：", 120, 300, 1080, 345);
        series_ = n.textBox("Text1", 1320, 300, 5160, 345, "1.2|1.5|2.5|1.8|2.0|1.6|1.7|");
        QPushButton* nemerow = n.button("Command1", "刷新结果", 6600, 300, 1320, 345);
        nemerowReport_ = n.richText("RichTextBox1", 120, 780, 7920, 2820);

        FormBuilder s(page(1));
        s.label("Label1", "参数类型：", 120, 330, 1080, 300);
        s.combo("Combo1", 1200, 300, 1800, 345, {"一般参数"});
        s.label("Label2", "质量标准：", 3240, 330, 1080, 300);
        standard_ = s.textBox("Text2", 4320, 300, 1200, 345, "0.5");
        s.label("Label3", "数    据：", 120, 780, 1080, 300);
        measured_ = s.textBox("Text3", 1200, 750, 5280, 345, "0.5|0.8|0.6|0.7|0.2|0.9|0.5|");
        QPushButton* single = s.button("Command2", "刷新结果", 6600, 750, 1320, 345);
        singleReport_ = s.richText("RichTextBox3", 120, 1230, 7920, 2370);

        connect(nemerow, &QPushButton::clicked, this, [this] {
            Press press(this);
            showResult(press, nemerowReport_, [&] { return NemerowReport(series_->text().toStdString()); });
        });
        connect(single, &QPushButton::clicked, this, [this] {
            Press press(this);
            double standard = 0;
            press.read(standard, standard_, Range::Positive);
            showResult(press, singleReport_, [&] { return SingleFactorReport(measured_->text().toStdString(), standard); });
        });
    }

private:
    QLineEdit *series_, *standard_, *measured_;
    QTextEdit *nemerowReport_, *singleReport_;
};

class StatusAssessmentTwoWindow : public TwoPageWindow {
public:
    static constexpr const char* kClassName = "地面水评价现状评价方法21";
    static constexpr const char* kCaption = "地面水评价现状评价方法二";

    StatusAssessmentTwoWindow()
        : TwoPageWindow(kClassName, kCaption, "RichTextBox1", {"自净利用指数", "污染排序指数(ISE)"},
                        {"    计算某一污染物的自净利用指数P。\n"
                         "    一般情况建议采用标准指数法进行单项评价，但如果规划中几个建设项目在一定时期（如五年）"
                         "内兴建并且向同一地面水环境排污的情况,则可以采用自净利用指数进行单项评价。对于环境现状"
                         "已经超标的情况，则应采用标准指数法进行评价。当P≤1时说明污染物在该点的自净能力没有超过"
                         "允许的比例；否则说明超过允许利用的比例，这时P的值即为允许利用的倍数。\n"
                         "    本次计算未包括PH和DO的自净利用指数的计算,为一般参数的自净利用指数计算",
                         "    拟预测水质参数的筛选。\n"
                         "    在环境现状调查水质参数中选择拟预测水质参数时，一般需要计算每一参数的污染排序指数ISE。"
                         "ISE大的水质参数对河流的影响越大。"}) {
        FormBuilder p(page(0));
        p.label("Label1", "参数类型:", 120, 330, 3000, 300);
        p.combo("Combo1", 3240, 300, 1800, 345, {"一般参数"});
        const char* pLabels[] = {"水体本底浓度:", "河水与污水混合后的浓度:", "自净能力允许利用率:", "标准:"};
        const char* pDefaults[] = {"0.5", "0.6", "0.8", "1.0"};
        for (int i = 0; i < 4; ++i) {
            const int top = 720 + i * 420;
            p.label(QStringLiteral("Label%1").arg(i + 2), QString::fromUtf8(pLabels[i]), 120, top + 30, 3000, 300);
            pInputs_[i] = p.textBox(QStringLiteral("Text%1").arg(i + 1), 3240, top, 1800, 345,
                                    QString::fromUtf8(pDefaults[i]));
        }
        QPushButton* pButton = p.button("Command1", "刷新结果", 5280, 720, 1320, 345);
        pResult_ = p.memo("Text5", 120, 2460, 7920, 1080);

        FormBuilder r(page(1));
        const char* rLabels[] = {"污水流量Qp[m^3/h]:", "河水流量Qh[m^3/h]:", "污水中该种污染物浓度Cp [mg/L]:",
                                 "河水该污染物本底浓度Ch [mg/L]:", "河水该污染物允许标准Cs [mg/L]:"};
        const char* rDefaults[] = {"1", "15", "10", "0.1", "1"};
        for (int i = 0; i < 5; ++i) {
            const int top = 300 + i * 420;
            r.label(QStringLiteral("Label%1").arg(i + 6), QString::fromUtf8(rLabels[i]), 120, top + 30, 3000, 300);
            rInputs_[i] = r.textBox(QStringLiteral("Text%1").arg(i + 6), 3240, top, 1800, 345,
                                    QString::fromUtf8(rDefaults[i]));
        }
        QPushButton* rButton = r.button("Command2", "刷新结果", 5280, 300, 1320, 345);
        rResult_ = r.memo("Text11", 120, 2460, 7920, 1080);

        connect(pButton, &QPushButton::clicked, this, [this] {
            Press press(this);
            double ch = 0, c = 0, lambda = 0, cs = 0;
            press.read(ch, pInputs_[0], Range::NonNegative);
            press.read(c, pInputs_[1], Range::NonNegative);
            press.read(lambda, pInputs_[2], Range::Fraction);
            press.read(cs, pInputs_[3], Range::NonNegative);
            showResult(press, pResult_, [&] { return SelfPurificationText(ch, c, lambda, cs); });
        });
        connect(rButton, &QPushButton::clicked, this, [this] {
            Press press(this);
            double v[5] = {};
            for (int i = 0; i < 5; ++i) press.read(v[i], rInputs_[i], Range::NonNegative);
            showResult(press, rResult_, [&] { return PollutionRankText(v[0], v[1], v[2], v[3], v[4]); });
        });
    }

private:
    QLineEdit* pInputs_[4];
    QLineEdit* rInputs_[5];
    QPlainTextEdit *pResult_, *rResult_;
};

}  // namespace
}  // namespace korrimet::water

using korrimet::water::StatusAssessmentOneWindow;
using korrimet::water::StatusAssessmentTwoWindow;
KORRIMET_REGISTER_TOOL(StatusAssessmentOneWindow);
KORRIMET_REGISTER_TOOL(StatusAssessmentTwoWindow);
