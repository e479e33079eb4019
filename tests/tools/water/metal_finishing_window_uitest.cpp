#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QTextEdit>

#include "common/widgets/report_box.h"
#include "support/ui_support.h"

using namespace korrimet;

namespace {
const QString kWindow = "乡镇企业金属表面及热处理业排污量计算";
}

class MetalFinishingWindowTest : public QObject {
    Q_OBJECT

    QWidget* w_ = nullptr;

    QString report() const { return reportText(test::child<QTextEdit>(w_, "RichTextBox1")); }
    void pick(int index) {
        auto* combo = test::child<QComboBox>(w_, "Combo1");
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }

private slots:
    void init() { w_ = test::openTool(kWindow); }
    void cleanup() { test::closeAllTools(); }

    void aQuantityWithoutAProcessGivesNoReport() {
        test::setText(w_, "Text1", "100");
        QVERIFY(report().isEmpty());
        QVERIFY(test::child<QTextEdit>(w_, "RichTextBox1")->toolTip().contains("请选择行业类别"));
        QVERIFY(test::text(w_, "Text2").isEmpty());
    }

    void pickingAProcessChangesThePromptAndTheReportOnlyAtTheNextEdit() {
        pick(0);
        QCOMPARE(test::text(w_, "Text2"), "请输入氰化物用量");
        test::setText(w_, "Text1", "100");
        QVERIFY(report().startsWith("氰化电镀产生的污染物:\n    氰化物(液)=9.5；  铜=1.9 ；  镍=2.5；  锌=2.5\n"));
        pick(2);
        QCOMPARE(test::text(w_, "Text2"), "线路板的面积:M^2");
        QVERIFY(report().startsWith("氰化电镀"));
        test::setText(w_, "Text1", "3");
        QVERIFY(report().contains("    排放废水量在0.96—4.14之间波动；\n"));
        QVERIFY(report().endsWith("    铜的排放量在0.12—0.42之间波动。"));
        pick(1);
        QCOMPARE(test::text(w_, "Text2"), "请输入氰化物用量");
    }

    // While typing no box pops up: an entry that is no number (yet) clears
    // the report and says why in its tip.
    void anEntryThatIsNoNumberClearsTheReportWithoutAMessage() {
        pick(1);
        auto* box = test::child<QLineEdit>(w_, "Text1");
        auto* out = test::child<QTextEdit>(w_, "RichTextBox1");
        box->setFocus();
        QTest::keyClicks(box, "5");
        QCOMPARE(report(), "用氰化物镀铬时,镀铬分为高铬纯化和低铬纯化,对于两种不同的工艺,排污量不一样\n"
                           "    高铬纯化排放铬为:1.9\n    低铬纯化排放的铬量为:1.7\n    排污量的单位与氰化物用量一致");
        QTest::keyClick(box, Qt::Key_Backspace);
        QVERIFY(report().isEmpty());
        QVERIFY(out->toolTip().contains("未输入数值"));
        for (const char* bad : {".", "abc", "-3"}) {
            test::setText(w_, "Text1", "5");
            test::setText(w_, "Text1", bad);
            QVERIFY2(report().isEmpty(), bad);
        }
        QVERIFY(out->toolTip().contains("不能为负数"));
        test::setText(w_, "Text1", "0.5");
        QVERIFY(report().contains("高铬纯化排放铬为:0.19\n"));
        QVERIFY(!out->toolTip().contains("不能为负数"));
    }
};

KORRIMET_UI_TEST_MAIN(MetalFinishingWindowTest)
#include "metal_finishing_window_uitest.moc"
