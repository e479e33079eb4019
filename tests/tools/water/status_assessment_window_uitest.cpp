#include <QComboBox>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTest>
#include <QTextEdit>

#include "common/widgets/report_box.h"
#include "platform/message_service.h"
#include "support/ui_support.h"

using namespace korrimet;

namespace {
const QString kFirst = "地面水现状评价方法1";
const QString kSecond = "地面水评价现状评价方法21";
}  // namespace

class StatusAssessmentWindowTest : public QObject {
    Q_OBJECT

    static void clickTab(QWidget* w, int index) {
        auto* tabs = test::child<QTabBar>(w, "TabStrip1");
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(index).center());
    }
    static QString report(QWidget* w, const QString& name) { return reportText(test::child<QTextEdit>(w, name)); }
    static QString result(QWidget* w, const QString& name) {
        return test::child<QPlainTextEdit>(w, name)->toPlainText();
    }

private slots:
    void cleanup() { test::closeAllTools(); }

    void nemerowPageWithItsDefaults() {
        QWidget* w = test::openTool(kFirst);
        QCOMPARE(w->windowTitle(), "地面水现状评价方法一");
        QVERIFY(report(w, "RichTextBox2").startsWith("    输入一个数据序列"));
        QCOMPARE(report(w, "RichTextBox2").count('\n'), 2);
        test::click(w, "Command1");
        QCOMPARE(report(w, "RichTextBox1"), "你输入的数据个数为:7\n"
                                            "    输入的数据为：|1.2|1.5|2.5|1.8|2.0|1.6|1.7|\n"
                                            "    最大值为：2.50\n"
                                            "    算术平均值为：1.76\n"
                                            "    内梅罗平均值：2.16");
        test::setText(w, "Text1", "9|10|");
        test::click(w, "Command1");
        QVERIFY(report(w, "RichTextBox1").endsWith("    内梅罗平均值：9.75"));
        MessageRecorder messages;
        test::setText(w, "Text1", "1|1e999|");  // was "最大值为：Infinity"
        test::click(w, "Command1");
        QCOMPARE(report(w, "RichTextBox1"), "");
        QCOMPARE(messages.messages(), QStringList{"无法计算，请检查：\n数据“1e999”超出可计算的范围"});
        test::setText(w, "Text1", "9|10|");
        test::click(w, "Command1");
        messages.clear();
        test::setText(w, "Text1", "1，000|");  // was "最大值为：1.00"
        test::click(w, "Command1");
        QCOMPARE(report(w, "RichTextBox1"), "");
        QCOMPARE(messages.messages(), QStringList{"无法计算，请检查：\n数据“1，000”不是有效的数值"});
    }

    // A value read in part once counted other than typed: "2.4万" as 2.4, "6000mm" as 6000.
    void seriesValuesAreReadWholeOrRefused() {
        QWidget* w = test::openTool(kFirst);
        for (const char* part : {"2.4万", "3千", "2亿", "3百", "1万2千", "10⁵", "1.5万m3", "2.4万t/a", "1，000",
                                 "1.5×10^3", "3.5.1", "27度30分", "1d3", "6000mm", "30kPa"}) {
            MessageRecorder messages;
            test::setText(w, "Text1", QString::fromUtf8(part) + "|1.5|");
            test::click(w, "Command1");
            QCOMPARE(report(w, "RichTextBox1"), "");
            QCOMPARE(messages.messages(),
                     QStringList{"无法计算，请检查：\n数据“" + QString::fromUtf8(part) + "”不是有效的数值"});
        }
    }

    void theSecondTabShowsTheSingleFactorPageAndKeepsTheFirstPagesReport() {
        QWidget* w = test::openTool(kFirst);
        test::click(w, "Command1");
        const QString nemerow = report(w, "RichTextBox1");
        clickTab(w, 1);
        QVERIFY(!test::child<QGroupBox>(w, "Frame1")->isVisible());
        QVERIFY(test::child<QGroupBox>(w, "Frame2")->isVisible());
        QVERIFY(report(w, "RichTextBox2").startsWith("    计算各测点对某一类物质的评价指数?\n"));
        QCOMPARE(test::child<QComboBox>(w, "Combo1")->itemText(0), "一般参数");
        test::click(w, "Command2");
        QCOMPARE(report(w, "RichTextBox3"), "你输入的数据为：|0.5|0.8|0.6|0.7|0.2|0.9|0.5|\n计算结果如下：\n"
                                            "单项评价指数为：| 1| 1.6| 1.2| 1.4| .4| 1.8| 1|");
        {
            MessageRecorder messages;
            test::setText(w, "Text2", "0");
            test::click(w, "Command2");
            QCOMPARE(report(w, "RichTextBox3"), "");
            QCOMPARE(messages.messages(), QStringList{"无法计算，请检查：\n“质量标准”：须大于0"});
        }
        clickTab(w, 0);
        QVERIFY(test::child<QGroupBox>(w, "Frame1")->isVisible());
        QVERIFY(report(w, "RichTextBox2").startsWith("    输入一个数据序列"));
        QCOMPARE(report(w, "RichTextBox1"), nemerow);
    }

    void selfPurificationAndRankingIndices() {
        QWidget* w = test::openTool(kSecond);
        QCOMPARE(w->windowTitle(), "地面水评价现状评价方法二");
        QVERIFY(report(w, "RichTextBox1").startsWith("    计算某一污染物的自净利用指数P。\n"));
        test::click(w, "Command1");
        QCOMPARE(result(w, "Text5"), "此物质的自净利用指数:0.25");
        test::setText(w, "Text2", "0.4");
        test::click(w, "Command1");
        QCOMPARE(result(w, "Text5"), "此物质的自净利用指数:-0.25");
        MessageRecorder messages;
        test::setText(w, "Text4", "0.5");  // Cs equal to Ch
        test::click(w, "Command1");
        QCOMPARE(result(w, "Text5"), "");

        clickTab(w, 1);
        QVERIFY(test::child<QGroupBox>(w, "Frame2")->isVisible());
        QVERIFY(report(w, "RichTextBox1").startsWith("    拟预测水质参数的筛选。\n"));
        test::click(w, "Command2");
        QCOMPARE(result(w, "Text11"), "该物质污染排序指数ISE=0.74");
        test::setText(w, "Text7", "");
        test::click(w, "Command2");
        QCOMPARE(result(w, "Text11"), "");
        QCOMPARE(messages.messages(), QStringList({"无法计算，请检查：\n标准与本底浓度相同，分母为0",
                                                   "无法计算，请检查：\n“河水流量Qh[m^3/h]”：未输入数值"}));
    }
};

KORRIMET_UI_TEST_MAIN(StatusAssessmentWindowTest)
#include "status_assessment_window_uitest.moc"
