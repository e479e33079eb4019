#include <QFontMetricsF>
#include <QLabel>
#include <QTest>
#include <QTextEdit>

#include "common/widgets/report_box.h"
#include "support/ui_support.h"

using namespace korrimet;

class ThomasWindowTest : public QObject {
    Q_OBJECT

    QWidget* w_ = nullptr;

    QString report() const { return reportText(test::child<QTextEdit>(w_, "RichTextBox1")); }

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
        auto* box = test::child<QTextEdit>(w_, "RichTextBox1");
        const QFontMetricsF metrics(box->document()->defaultFont());
        const QString widest = report().section('\r', 2, 2).section('\t', 1, 1);
        QVERIFY2(metrics.horizontalAdvance(widest) > 80, qPrintable(widest));
        for (const QString& line : report().split('\r')) {
            const QStringList fields = line.split('\t');
            for (qsizetype i = 0; i + 1 < fields.size(); ++i)
                QVERIFY2(metrics.horizontalAdvance(fields[i] + "  ") <= box->tabStopDistance(), qPrintable(line));
        }
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
