#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QTextEdit>

#include "common/widgets/report_box.h"
#include "support/ui_support.h"

using namespace korrimet;

namespace {
const QString kWindow = "建设项目环境影响评价咨询收费";
}

class ConsultingFeeWindowTest : public QObject {
    Q_OBJECT

    QWidget* w_ = nullptr;

    bool shown(const QString& name) { return test::child<QWidget>(w_, name)->isVisibleTo(w_); }
    bool on(const QString& option) { return test::child<QRadioButton>(w_, option)->isChecked(); }
    QString report() { return reportText(test::child<QTextEdit>(w_, "RichTextBox1")); }
    QString firstLines() { return report().split('\n').mid(0, 2).join('\n'); }

private slots:
    void init() { w_ = test::openTool(kWindow); }
    void cleanup() { test::closeAllTools(); }

    void opensAsAReportBookWithTheFirstRowsChosen() {
        QCOMPARE(w_->windowTitle(), kWindow);
        QVERIFY(shown("Frame1") && shown("Frame2"));
        QVERIFY(!shown("Frame4") && !shown("Label9") && !shown("Text2"));
        QVERIFY(on("Option1") && on("Option5") && on("Option10"));
        QVERIFY(!on("Option3") && !on("Option4"));
        QCOMPARE(test::text(w_, "Text1"), "3500");
        QCOMPARE(test::text(w_, "Text2"), "2");
        QCOMPARE(report(), "");
        QCOMPARE(test::child<QRadioButton>(w_, "Option9")->toolTip(), "本行业调整系数为0.6");
        QCOMPARE(test::child<QLabel>(w_, "Label18")->toolTip(), "环境敏感程度调整系0.8");
    }

    void theDefaultsReportTheBookFees() {
        test::click(w_, "Command1");
        const QStringList lines = report().split('\n');
        QCOMPARE(lines.size(), 5);
        QCOMPARE(lines[0], "    编制环境影响报告书(含大纲)的费用约为:9.0212万元");
        QCOMPARE(lines[1], "    评估环境影响报告书(含大纲)的费用约为:1.54412万元");
        QCOMPARE(lines[2], "    注：");
    }

    void adjustmentRowsAreReadAtThePress() {
        test::setText(w_, "Text1", "1000010");
        test::click(w_, "Option9");
        test::click(w_, "Option11");
        QCOMPARE(report(), "");  // nothing recomputes before the press
        test::click(w_, "Command1");
        QCOMPARE(firstLines(), "    编制环境影响报告书(含大纲)的费用约为:52.8万元\n"
                               "    评估环境影响报告书(含大纲)的费用约为:13万元");
    }

    void aReportFormCountsItsTopics() {
        test::click(w_, "Option2");
        QVERIFY(!shown("Frame1") && !shown("Frame2"));
        QVERIFY(shown("Frame4") && shown("Text2") && on("Option3"));
        QVERIFY(!test::child<QLineEdit>(w_, "Text2")->isReadOnly());
        test::click(w_, "Command1");
        QCOMPARE(firstLines(), "    编制环境影响报告表的费用为:4.1176万元\n    评估环境影响报告表的费用为:0.82059万元");

        test::click(w_, "Option4");
        QCOMPARE(test::text(w_, "Text2"), "0");
        QVERIFY(test::child<QLineEdit>(w_, "Text2")->isReadOnly());
        test::click(w_, "Command1");
        QCOMPARE(firstLines(), "    编制环境影响报告表的费用为:2.0588万元\n    评估环境影响报告表的费用为:0.82059万元");

        test::click(w_, "Option3");
        QVERIFY(!test::child<QLineEdit>(w_, "Text2")->isReadOnly());
        QCOMPARE(test::text(w_, "Text2"), "0");
    }

    void aReportFormAboveTenYiNamesOnlyTheFloor() {
        test::click(w_, "Option2");
        test::setText(w_, "Text1", "100000");
        test::click(w_, "Command1");
        QCOMPARE(firstLines(), "    编制环境影响报告表的费用为:14万元\n    评估环境影响报告表的费用为:2万元");
        test::setText(w_, "Text1", "100010");
        test::click(w_, "Command1");
        QVERIFY(report().startsWith("    编制环境影响报告表的费用为:7万元以上，计价格[2002]125号文件规定，好象没有上限！\n"));
    }

    void switchingTheDocumentKeepsTheReportUntilThePress() {
        test::click(w_, "Command1");
        const QString book = report();
        test::click(w_, "Option2");
        QCOMPARE(report(), book);
        test::click(w_, "Option1");
        QVERIFY(shown("Frame1") && !shown("Text2"));
        QCOMPARE(report(), book);
    }

    // A bad or negative entry is named once and clears the report: no
    // earlier fee stands as the answer to this press.
    void aBadEntryIsNamedAndTheReportCleared() {
        const QString head = "无法计算，请检查：\n";
        MessageRecorder messages;
        test::setText(w_, "Text1", "三千五");
        test::click(w_, "Command1");
        QCOMPARE(messages.messages(), QStringList{head + "“项目的投资额（万元）”：不是有效的数值"});
        QCOMPARE(report(), "");

        test::setText(w_, "Text1", "-3500");
        test::click(w_, "Command1");
        QCOMPARE(messages.messages().last(), head + "“项目的投资额（万元）”：不能为负数");
        QCOMPARE(report(), "");

        // A report book does not read the topics; a report form does.
        messages.clear();
        test::setText(w_, "Text1", "3500");
        test::setText(w_, "Text2", "");
        test::click(w_, "Command1");
        QVERIFY(messages.messages().isEmpty());
        QVERIFY(!report().isEmpty());
        test::click(w_, "Option2");
        for (const char* topics : {"", "-2", "2.5", "1E+300"}) {
            test::setText(w_, "Text2", topics);
            test::click(w_, "Command1");
            QCOMPARE(report(), "");
        }
        QCOMPARE(messages.messages(), QStringList({head + "“设置专题的个数”：未输入数值",
                                                   head + "“设置专题的个数”：不能为负数",
                                                   head + "“设置专题的个数”：须为整数",
                                                   head + "设置专题的个数过大，费用超出了可以计算的范围"}));
        test::setText(w_, "Text2", "2");
        test::click(w_, "Command1");
        QCOMPARE(firstLines(), "    编制环境影响报告表的费用为:4.1176万元\n    评估环境影响报告表的费用为:0.82059万元");
    }

    void reopeningShowsTheStoredTexts() {
        test::setText(w_, "Text1", "1");
        test::click(w_, "Option2");
        test::click(w_, "Command1");
        test::closeAllTools();
        w_ = test::openTool(kWindow);
        QCOMPARE(test::text(w_, "Text1"), "3500");
        QVERIFY(on("Option1") && shown("Frame1"));
        QCOMPARE(report(), "");
    }
};

KORRIMET_UI_TEST_MAIN(ConsultingFeeWindowTest)
#include "consulting_fee_window_uitest.moc"
