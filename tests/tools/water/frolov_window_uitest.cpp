#include <QLineEdit>
#include <QTest>

#include "common/widgets/loop_progress.h"
#include "common/widgets/report_box.h"
#include "common/widgets/table_model_form.h"
#include "platform/message_service.h"
#include "common/widgets/line_view.h"
#include "support/ui_support.h"

using namespace korrimet;

class FrolovWindowTest : public QObject {
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
    void init() { w_ = test::openTool("弗罗模式_河37"); }
    void cleanup() { test::closeAllTools(); }

    void theDecayCoefficientChoosesTheModel() {
        QCOMPARE(test::child<QLineEdit>(w_, "Text6")->toolTip(), "K1为0时为河3模式,不为0时为河7模式");
        test::click(w_, "Command1");
        QVERIFY(report().startsWith("河-7 弗-罗衰减模式计算结果(mg/L)：\rx(i)\tc(i)\r10\t85.5775\r30\t"));
        QVERIFY(report().section('\r', -2, -2).startsWith("390\t"));
        QCOMPARE(report().count('\r'), 2 + 20);
        test::setText(w_, "Text6", "0");
        test::click(w_, "Command1");
        QVERIFY(report().startsWith("河-3 弗-罗模式计算结果(mg/L)：\rx(i)\tc(i)\r10\t85.6270\r"));
    }

    // Was: a negative K1 was refused.
    void aNegativeK1RunsTheDecayModelAndAnOverflowIsTold() {
        test::setText(w_, "Text6", "-0.2");
        MessageRecorder messages;
        test::click(w_, "Command1");
        QVERIFY(report().startsWith("河-7 弗-罗衰减模式计算结果(mg/L)：\rx(i)\tc(i)\r10\t85.6369\r"));
        QCOMPARE(messages.messages(), QStringList());
        test::setText(w_, "Text6", "-1e7");
        test::click(w_, "Command1");
        QVERIFY(report().startsWith("河-7 弗-罗衰减模式计算结果(mg/L)：\rx(i)\tc(i)\r10\t无法计算\r"));
        QCOMPARE(messages.messages(), QStringList{"无法计算，请检查：\n" + failedRowsMessage(20, 10)});
    }

    void editingTheRangeOrK1ResetsTheBarOnly() {
        test::click(w_, "Command1");
        const QString shown = report();
        QCOMPARE(bar()->loopValue(), 400.0f);
        for (const char* name : {"Text5", "Text6", "Text8", "Text9"}) {
            test::click(w_, "Command1");
            test::setText(w_, name, test::text(w_, name) + "0");
            QCOMPARE(bar()->loopMax(), 100.0f);
            QCOMPARE(bar()->loopValue(), 0.0f);
            test::setText(w_, name, test::text(w_, name).chopped(1));
        }
        QCOMPARE(report(), shown);
        test::click(w_, "Command1");
        test::setText(w_, "Text7", "0.6");  // other inputs leave the bar as the run left it
        QCOMPARE(bar()->loopValue(), 400.0f);
    }

    void aRangeStartingAtTheOutfallShowsTheWastewater() {
        test::setText(w_, "Text5", "0");
        test::click(w_, "Command1");
        QVERIFY(report().contains("\r0\t100.0000\r20\t"));
    }

    // Was: V = 0 left every row at the undecayed Cp.
    void aBadEntryAfterAGoodRunLeavesNoTable() {
        test::click(w_, "Command1");
        MessageRecorder messages;
        test::setText(w_, "Text4", "0");
        test::setText(w_, "Text8", "x");
        test::click(w_, "Command1");
        QCOMPARE(report(), QString());
        QCOMPARE(messages.messages(), QStringList{"无法计算，请检查：\n“河水流速V（m/s）”：须大于0\n"
                                                  "“网格距离Rl（M）”：不是有效的数值"});
    }

    void aRowThatFailsIsMarkedNotPrinted() {
        setRange("-20", "20", "20");
        MessageRecorder messages;
        test::click(w_, "Command1");
        // Upstream of the outfall the cube root of a negative distance fails.
        QVERIFY(report().contains("\r-20\t无法计算\r0\t100.0000\r20\t"));
        QCOMPARE(messages.messages(), QStringList{"无法计算，请检查：\n" + failedRowsMessage(1, -20)});
    }
};

KORRIMET_UI_TEST_MAIN(FrolovWindowTest)
#include "frolov_window_uitest.moc"
