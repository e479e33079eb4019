#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "common/widgets/report_box.h"
#include "common/widgets/line_view.h"
#include "common/widgets/window_run.h"
#include "support/ui_support.h"

using namespace korrimet;

class ThomasWindowTest : public QObject {
    Q_OBJECT

    QWidget* w_ = nullptr;

    QString report() const { return test::child<LineView>(w_, "RichTextBox1")->text().replace('\n', '\r'); }

private slots:
    void init() { w_ = test::openTool("托马斯模式_河9"); }
    void cleanup() { test::closeAllTools(); }

    void defaultTable() {
        QCOMPARE(test::child<QLabel>(w_, "Label12")->text(), "河流沉降系数K3（1/d）：：");
        test::click(w_, "Command1");
        QVERIFY(report().startsWith("托马斯模式_河9计算结果:\rx(m)\tD(mg/L)\tC(mg/L)\r100\t1.7803\t9.168\r"));
        QVERIFY(report().endsWith("\r2000\t1.918\t8.9096\r"));
        QCOMPARE(report().count('\r'), 2 + 20);
    }

    // A value wider than the box's default tab stop still leaves the next
    // column in line (the tab stops follow the widest field; was: fixed).
    void wideValuesKeepTheColumnsInLine() {
        test::setText(w_, "Text6", "1e20");
        test::click(w_, "Command1");
        auto* box = test::child<LineView>(w_, "RichTextBox1");
        const QString widest = report().section('\r', 2, 2).section('\t', 1, 1);
        QVERIFY2(widest.size() > 10, qPrintable(widest));
        const int tab = box->lines().tabColumns;
        for (const QString& line : report().split('\r')) {
            const QStringList fields = line.split('\t');
            for (qsizetype i = 0; i + 1 < fields.size(); ++i)
                QVERIFY2((fields[i] + "  ").size() <= tab, qPrintable(line));
        }
    }

    // Was 0.5 s without an event turn, then a second's freeze at the first
    // scroll to the end. The gaps between event turns are measured in bench/.
    void aTableOfAHundredThousandRowsLeavesTheWindowAnswering() {
        test::setText(w_, "Text9", "100000");
        test::setText(w_, "Text8", "1");
        test::setText(w_, "Text5", "1");
        // Posted before the press, this turn comes before the run's outcome can.
        bool turnedWhileRunning = false;
        QMetaObject::invokeMethod(
            this, [&] { turnedWhileRunning = test::runOf(w_)->running(); }, Qt::QueuedConnection);
        test::click(w_, "Command1");
        QVERIFY(turnedWhileRunning);
        auto* box = test::child<LineView>(w_, "RichTextBox1");
        box->setFocus();
        QTest::keyClick(box, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_PageUp);
        QCOMPARE(box->lineCount(), 2 + 100000);
        QCOMPARE(box->line(box->lineCount() - 1).section('\t', 0, 0), "100000");
        QVERIFY(box->firstVisibleLine() > 99000);

        // A cancel leaves no table of the earlier run on show.
        MessageRecorder messages;
        auto* button = test::child<QPushButton>(w_, "Command1");
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(button->text(), "取  消");
        // The table is computed from the entries as pressed: they take no typing meanwhile.
        QTest::keyClicks(test::child<QLineEdit>(w_, "Text9"), "5");
        QCOMPARE(test::text(w_, "Text9"), "100000");
        // Esc where the click left the focus: on the button.
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Escape);
        test::waitForRun(w_);
        QCOMPARE(messages.messages(), QStringList{kRunCancelledMessage});
        QCOMPARE(box->lineCount(), 0);
        QCOMPARE(button->text(), "刷新结果");
    }

    void noFlowAtAllIsRefusedAndLeavesNoTable() {
        test::click(w_, "Command1");
        test::setText(w_, "Text1", "0");
        test::setText(w_, "Text3", "0");
        MessageRecorder messages;
        test::click(w_, "Command1");
        QCOMPARE(messages.messages().size(), 1);
        QVERIFY(messages.messages()[0].contains("之和为0"));
        QCOMPARE(report(), QString());
    }

    // K2 − K1 − K3 = 0 takes the limit of D (was: D0·e^(−K2·t) and a failure
    // on every row): at 100 m, t = 100/86400 d and
    // D = (9.181818·t + 1.772727)·e^(−1.5·t) = 1.7803, C = 9.181818·e^(−1.5·t) = 9.1659.
    void balancedRatesTabulateTheLimit() {
        test::setText(w_, "Text12", "0.5");
        test::click(w_, "Command1");
        QCOMPARE(report().count('\r'), 2 + 20);
        QVERIFY(report().contains("\r100\t1.7803\t9.1659\r"));
        QVERIFY(!report().contains("无法计算"));
    }
};

KORRIMET_UI_TEST_MAIN(ThomasWindowTest)
#include "thomas_window_uitest.moc"
