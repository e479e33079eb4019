#include <QCheckBox>
#include <QLineEdit>
#include <QTest>

#include "common/widgets/loop_progress.h"
#include "common/widgets/report_box.h"
#include "common/widgets/line_view.h"
#include "support/ui_support.h"

using namespace korrimet;

namespace {
const char* const kSagOnly[] = {"Text7", "Text6", "Text10", "Text11", "Text13", "Text9", "Text5", "Text8"};
}

class OxygenSagWindowTest : public QObject {
    Q_OBJECT

    QWidget* w_ = nullptr;

    QString report() const { return test::child<LineView>(w_, "RichTextBox1")->text().replace('\n', '\r'); }
    LoopProgress* bar() const { return test::child<LoopProgress>(w_, "ProgressBar1"); }
    QCheckBox* check() const { return test::child<QCheckBox>(w_, "Check1"); }

private slots:
    void init() { w_ = test::openTool("完全混合模式_河15"); }
    void cleanup() { test::closeAllTools(); }

    void oxygenSagTableAtTheDefaults() {
        QCOMPARE(w_->windowTitle(), "河流模式1,5");
        QVERIFY(!check()->isChecked());
        test::click(w_, "Command1");
        QVERIFY(report().startsWith(
            "S-P模式计算结果(氧亏和污染物浓度)_河5计算结果：\r\rx(m)\tD(mg/L)\tC(mg/L)\r100\t1.7803\t9.1712\r"));
        QVERIFY(report().endsWith("\r2000\t1.9187\t8.9717\r"));
        QCOMPARE(bar()->loopValue(), 2000.0f);
    }

    void theCheckBoxSwitchesModelsAndBoxes() {
        test::click(w_, "Command1");
        QTest::mouseClick(check(), Qt::LeftButton);
        QVERIFY(check()->isChecked());
        for (const char* name : kSagOnly) QVERIFY2(!test::child<QLineEdit>(w_, name)->isEnabled(), name);
        QVERIFY(test::child<QLineEdit>(w_, "Text12")->isEnabled());
        QCOMPARE(bar()->loopMax(), 100.0f);
        QCOMPARE(bar()->loopValue(), 0.0f);

        test::setText(w_, "Text12", "1.0");
        test::setText(w_, "Text7", "abc");  // disabled and ignored
        test::click(w_, "Command1");
        QCOMPARE(report(), "完全混合模式_河1计算结果:\r\r河流流量 Qh ：10 m^3/s\r河流本底浓度 Ch：0.1 mg/L\r"
                           "污水流量 Qp ：1.0 m^3/s\r污水浓度 Cp：100 mg/L\r\rC=9.1818mg/L");
        QCOMPARE(bar()->loopValue(), 100.0f);
        QCOMPARE(test::text(w_, "Text7"), "abc");

        QTest::mouseClick(check(), Qt::LeftButton);
        QVERIFY(!check()->isChecked());
        for (const char* name : kSagOnly) QVERIFY2(test::child<QLineEdit>(w_, name)->isEnabled(), name);
        QCOMPARE(bar()->loopValue(), 0.0f);
    }

    void completeMixingRefusesWhatItCannotCompute() {
        QTest::mouseClick(check(), Qt::LeftButton);
        test::click(w_, "Command1");
        QVERIFY(report().endsWith("C=9.1818mg/L"));
        MessageRecorder messages;
        test::setText(w_, "Text4", "");
        test::setText(w_, "Text3", "-1");
        test::click(w_, "Command1");
        QCOMPARE(report(), QString());
        test::setText(w_, "Text4", "0.1");
        test::setText(w_, "Text3", "0");
        test::setText(w_, "Text12", "0");
        test::click(w_, "Command1");
        QCOMPARE(messages.messages().size(), 2);
        QCOMPARE(messages.messages()[0], "无法计算，请检查：\n“河水流量Qh（M^3/S）”：不能为负数\n"
                                         "“排放口上游污染物浓度Ch（mg/L）”：未输入数值");
        QVERIFY(messages.messages()[1].contains("之和为0"));
        QCOMPARE(report(), QString());
    }
};

KORRIMET_UI_TEST_MAIN(OxygenSagWindowTest)
#include "oxygen_sag_window_uitest.moc"
