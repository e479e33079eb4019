#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "common/widgets/loop_progress.h"
#include "common/widgets/report_box.h"
#include "common/widgets/table_model_form.h"
#include "common/widgets/line_view.h"
#include "common/widgets/window_run.h"
#include "support/ui_support.h"

using namespace korrimet;

namespace {
const QString kWindow = "约_新模式1";
const QString kHead = "海湾约 - 新模式计算结果:\r计算点排放口径向距离r(i)和该处浓度c(i)如下:\rr(i)\tc(i)\r";
}  // namespace

// The bay window carries the distance-table shape the river table models share.
class BayWindowTest : public QObject {
    Q_OBJECT

    QWidget* w_ = nullptr;

    QString report() const { return test::child<LineView>(w_, "RichTextBox1")->text().replace('\n', '\r'); }
    LoopProgress* bar() const { return test::child<LoopProgress>(w_, "ProgressBar1"); }
    void setRange(const QString& rmin, const QString& rmax, const QString& rl) {
        test::setText(w_, "Text5", rmin);
        test::setText(w_, "Text9", rmax);
        test::setText(w_, "Text8", rl);
    }

private slots:
    void init() { w_ = test::openTool(kWindow); }
    void cleanup() { test::closeAllTools(); }

    void theWindowShape() {
        QCOMPARE(w_->windowTitle(), "约_新模式（海湾五）");
        QCOMPARE(test::child<QGroupBox>(w_, "Frame1")->title(), "参数输入：");
        QCOMPARE(test::child<QGroupBox>(w_, "Frame2")->title(), "网格计算结果");
        QVERIFY(test::child<QGroupBox>(w_, "Frame1")->toolTip().startsWith("海湾5-约瑟夫-新德那"));
        QCOMPARE(test::child<QLabel>(w_, "Label4")->text(), "废水排放角度ф（弧度）：");
        QCOMPARE(test::text(w_, "Text4"), "3.1415926");
        QCOMPARE(test::child<LineView>(w_, "RichTextBox1")->toolTip(), "本数据可以采用复制和粘帖的方式进行处理！");
        QVERIFY(w_->rect().contains(test::child<QWidget>(w_, "ProgressBar1")->geometry()));
    }

    void defaultTable() {
        test::click(w_, "Command1");
        const QString text = report();
        QVERIFY(text.startsWith(kHead + "100\t27.2623\r200\t"));
        QVERIFY(text.endsWith("\r1000\t3.133\r"));
        QCOMPARE(text.count('\r'), 3 + 10);
        QVERIFY(!text.contains('\n'));
        QCOMPARE(bar()->loopMax(), 1000.0f);
        QCOMPARE(bar()->loopValue(), 1000.0f);
        // Each click replaces the report.
        test::click(w_, "Command1");
        QCOMPARE(report(), text);
    }

    void rangesThatMissOrReverse() {
        setRange("100", "350", "100");  // the last row is the last x not beyond Rmax
        test::click(w_, "Command1");
        QVERIFY(report().section('\r', -2, -2).startsWith("300\t"));
        QCOMPARE(report().count('\r'), 3 + 3);
        QCOMPARE(bar()->loopValue(), 350.0f);

        setRange("500", "500", "100");
        test::click(w_, "Command1");
        QCOMPARE(report().count('\r'), 3 + 1);

        // Counting down: every row is written; the bar refuses values above its Rmax.
        setRange("1000", "100", "-300");
        test::click(w_, "Command1");
        QVERIFY(report().startsWith(kHead + "1000\t3.133\r700\t"));
        QCOMPARE(report().count('\r'), 3 + 4);
        QCOMPARE(bar()->loopMax(), 100.0f);
        QCOMPARE(bar()->loopValue(), 100.0f);

        // Unreachable: no rows, which is said rather than shown as an empty table.
        setRange("500", "100", "100");
        MessageRecorder messages;
        test::click(w_, "Command1");
        QCOMPARE(messages.messages(), QStringList{"无法计算，请检查：\n" + kTableNoRowsMessage});
        QCOMPARE(report(), QString());
    }

    void runsThatCannotStartAreRefusedWithAMessage() {
        test::click(w_, "Command1");
        MessageRecorder messages;
        test::setText(w_, "Text3", "");
        test::click(w_, "Command1");
        test::setText(w_, "Text3", "0.005");
        setRange("100", "abc", "100");
        test::click(w_, "Command1");
        setRange("100", "1000", "0");
        test::click(w_, "Command1");
        setRange("0", "1e9", "1");
        test::click(w_, "Command1");
        const QString failed = "无法计算，请检查：\n";
        QCOMPARE(messages.messages(),
                 (QStringList{failed + "“混合速度Mv（M/s）”：未输入数值",
                              failed + "“预测点距排放口最远距离Rmax（M）”：不是有效的数值",
                              failed + kTableEndlessMessage, failed + kTableTooLargeMessage}));
        QCOMPARE(report(), QString());
        // A step of 0 that starts beyond the end gives no rows and ends.
        messages.clear();
        setRange("2000", "1000", "0");
        test::click(w_, "Command1");
        QCOMPARE(messages.messages(), QStringList{failed + kTableNoRowsMessage});
    }

    // The caption came back on the timer that keeps the button deaf a moment
    // after the run, which fired while the message was read, and was lost.
    void theCaptionIsBackAfterACancelReadAtLeisure() {
        auto* button = test::child<QPushButton>(w_, "Command1");
        setRange("1", "100000", "1");
        test::ReadingRecorder messages;
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(button->text(), "取  消");
        QTest::keyClick(w_, Qt::Key_Escape);
        test::waitForRun(w_);
        QCOMPARE(messages.messages(), QStringList{kRunCancelledMessage});
        QCOMPARE(button->text(), "刷新结果");
        setRange("100", "1000", "100");
        messages.clear();
        test::click(w_, "Command1");
        QVERIFY(report().startsWith(kHead + "100\t27.2623\r200\t"));
        QVERIFY(messages.messages().isEmpty());
        QCOMPARE(button->text(), "刷新结果");
    }

    // Negative entries were taken: Qp = −5 tabulated negative concentrations,
    // and so did distances below 0.
    void negativeEntriesAndDistancesGiveNoValues() {
        MessageRecorder messages;
        test::setText(w_, "Text1", "-5");
        test::click(w_, "Command1");
        QCOMPARE(messages.messages(), QStringList{"无法计算，请检查：\n“废水排放量Qp（M^3/S）”：不能为负数"});
        QCOMPARE(report(), QString());
        test::setText(w_, "Text1", "1.0");
        messages.clear();
        setRange("-100", "100", "100");
        test::click(w_, "Command1");
        QVERIFY(report().startsWith(kHead + "-100\t无法计算\r0\t无法计算\r100\t27.2623\r"));
        QCOMPARE(messages.messages(), QStringList{"无法计算，请检查：\n" + failedRowsMessage(2, -100)});
    }

    void rowsThatFailAreNamed() {
        setRange("0", "100", "100");
        MessageRecorder messages;
        test::click(w_, "Command1");
        QVERIFY(report().startsWith(kHead + "0\t无法计算\r100\t27.2623\r"));
        QCOMPARE(messages.messages(), QStringList{"无法计算，请检查：\n" + failedRowsMessage(1, 0)});
    }
};

KORRIMET_UI_TEST_MAIN(BayWindowTest)
#include "bay_window_uitest.moc"
